// A whole site answering a search at once, in the real window and page
// against the switch simulator's burst: every switch that answered is listed
// in the tree and the page, or counted among the answers said lost; nothing
// is lost silently, and a list that lost answers says so wherever it goes.

#include "device/orb_conn2device.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

constexpr int SWITCHES = 2000;

class TestBurstSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<WindowFixture> lan;
    std::unique_ptr<DialogWatcher> watcher;

    // The page's Search, until its list is final and the button free again.
    bool search_in_page()
    {
        lan->page->run("document.getElementById('discovery-notice').textContent = ''");
        lan->page->click("#search-button");
        return lan->page->wait_for("document.getElementById('discovery-notice').textContent.startsWith('Search "
                                   "finished') && !document.getElementById('search-button').disabled",
                                   20000);
    }

    QString notice() { return lan->page->run("document.getElementById('discovery-notice').textContent").toString(); }
    int listed_in_page() { return lan->page->run("Discovery.devices().length").toInt(); }

private slots:
    void initTestCase()
    {
        lan = std::make_unique<WindowFixture>(QStringList{"--count", QString::number(SWITCHES), "--spread-ms", "0"});
        QVERIFY(lan->is_ready());
        watcher = std::make_unique<DialogWatcher>();
        lan->choose_loopback();
        // From the window's first search on, the page's searches fill the tree too.
        lan->window->findChild<QPushButton*>("search_button")->click();
        QCOMPARE(watcher->take_box(), QString("Tips: device search complete"));
    }

    void cleanupTestCase()
    {
        qunsetenv("ORB_RECEIVE_BUFFER_BYTES");
        qunsetenv("ORB_READER_QUEUE_BYTES");
    }

    void everyAnswerIsListedOrSaidLost()
    {
        // A receive buffer of about 300 answers, as a small system cap gives;
        // then a reader that cannot keep what it reads, which loses most.
        qputenv("ORB_RECEIVE_BUFFER_BYTES", "192000");
        for (const QByteArray& queue : {QByteArray(), QByteArray("16384")}) {
            qputenv("ORB_READER_QUEUE_BYTES", queue);
            QVERIFY(search_in_page());
            const int lost = lan->link()->answers_lost();
            QCOMPARE(lan->tree()->topLevelItemCount() + lost, SWITCHES);
            QCOMPARE(listed_in_page() + lost, SWITCHES);
            const QString said("%1 answers were lost: the PC could not read them in time. Search again.");
            QCOMPARE(notice().contains(said.arg(lost)), lost > 0);
            QCOMPARE(lan->status()->text().contains(said.arg(QLocale().toString(lost))), lost > 0);
            if (!queue.isEmpty())
                QVERIFY2(lost > 0, "the small queue lost nothing");
        }

        // The list's file is said to be incomplete.
        const QString csv = dir.filePath("switches.csv");
        watcher->file_paths.append(csv);
        lan->page->click("#export-list-button");
        QVERIFY(lan->page->wait_for("document.getElementById('discovery-notice').textContent.startsWith('Saved')"));
        QVERIFY2(notice().endsWith(
                     QString("The list is incomplete: the search lost %1 answers.").arg(lan->link()->answers_lost())),
                 qPrintable(notice()));
        QVERIFY(QFile::exists(csv));

        // And so is the site report.
        lan->page->click("#site-report-button");
        QVERIFY(lan->page->wait_for("!document.getElementById('report-view').hidden"));
        QVERIFY(lan->page->wait_for(
            QString("document.querySelector('.title-block').textContent.includes('The list is incomplete: the "
                    "search lost %1 answers.')")
                .arg(lan->link()->answers_lost())));
        lan->page->click("#report-close");
    }
};

QTEST_MAIN(TestBurstSearch)
#include "test_burst_search.moc"
