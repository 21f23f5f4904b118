// Switches shown as they answer, in the real window and page against the
// switch simulator: three switches answer at once and one three seconds
// later. What the tree and the page show is read while the search window is
// still open, from timers that run inside it.

#include "device/orb_conn2device.h"
#include "tests/support/test_files.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"
#include "ui/orb_passwd_window.h"

#include <QAction>
#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>
#include <memory>

namespace {

QJsonArray fleet()
{
    QJsonArray switches;
    for (const char* sn : {"A", "B", "C", "LATE"})
        switches.append(QJsonObject{{"sn", sn}, {"ip", QString("10.0.0.%1").arg(switches.size() + 1)},
                                    {"model", "GS2408P"}, {"delay_ms", QString(sn) == "LATE" ? 3000 : 0}});
    return switches;
}

} // namespace

class TestLiveSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<WindowFixture> lan;
    std::unique_ptr<DialogWatcher> watcher;

    QStringList tree_serials()
    {
        QStringList serials;
        for (int i = 0; i < lan->tree()->topLevelItemCount(); ++i)
            if (lan->tree()->topLevelItem(i)->childCount() == 6)
                serials.append(lan->tree()->topLevelItem(i)->child(1)->text(1));
        return serials;
    }

    // Runs check every 50 ms while a search holds the event loop in its own
    // wait, until it returns true; the page is asked without waiting for it.
    void during_search(QTimer* timer, const std::function<bool()>& check)
    {
        connect(timer, &QTimer::timeout, this, [timer, check] {
            if (check())
                timer->stop();
        });
        timer->start(50);
    }

    void ask_page(const QString& script, QStringList* answer)
    {
        lan->window->findChild<QWebEngineView*>("webviewer")->page()->runJavaScript(
            script, [answer](const QVariant& value) { *answer = value.toStringList(); });
    }

private slots:
    void initTestCase()
    {
        lan = std::make_unique<WindowFixture>(QStringList{"--fleet", SwitchSimulator::write_fleet(dir, fleet())});
        QVERIFY(lan->is_ready());
        watcher = std::make_unique<DialogWatcher>();
        lan->choose_loopback();
    }

    // The tree and the page list the first switches while the late one has
    // not answered; a double-click then opens nothing and says why. The final
    // lists are the search's, in the order of first answers.
    void rowsAppearWhileTheWindowIsOpen()
    {
        QStringList early_tree, early_page, page_rows;
        QString status_after_click;
        QTimer watch;
        during_search(&watch, [&] {
            ask_page("[...document.querySelectorAll('#device-table tbody tr[data-sn]')].map(r => r.dataset.sn)",
                     &page_rows);
            if (tree_serials().size() != 3 || page_rows.size() != 3)
                return false;
            early_tree = tree_serials();
            early_page = page_rows;
            emit lan->tree()->itemDoubleClicked(lan->tree()->topLevelItem(0), 0);
            status_after_click = lan->status()->text();
            return true;
        });
        lan->window->findChild<QPushButton*>("search_button")->click();
        QCOMPARE(early_tree, (QStringList{"A", "B", "C"}));
        QCOMPARE(early_page, (QStringList{"A", "B", "C"}));
        QCOMPARE(status_after_click, QString("The search is still running: open a switch once it has ended"));
        QVERIFY(!shown_window<ORB_Passwd_Window>());
        QCOMPARE(watcher->boxes, QStringList{"Tips: device search complete"});
        QCOMPARE(tree_serials(), (QStringList{"A", "B", "C", "LATE"}));
        QVERIFY(lan->page->wait_for("Discovery.devices().map(d => d.sn).join() === 'A,B,C,LATE'"));
    }

    // A row that arrives lands where the page's sort puts it; the selection
    // and the sort stay, and what acts on the list waits for its end.
    void thePageKeepsItsSortAndSelection()
    {
        QStringList rows, state;
        QTimer watch;
        bool sorted = false;
        during_search(&watch, [&] {
            // The rows, then "live" while the list still grows; an answer
            // counts only once the page has taken the sort ("sorted").
            ask_page("[...document.querySelectorAll('#device-table tbody tr[data-sn]')]"
                     ".map(r => r.dataset.sn + (r.classList.contains('selected') ? '*' : ''))"
                     ".concat(['export-list-button', 'site-report-button'].every(id => document.getElementById(id).disabled)"
                     "  ? ['live'] : [])"
                     ".concat(window.sortedByTest ? ['sorted'] : [])",
                     &rows);
            if (!sorted && rows.size() == 4 && rows.last() == "live") { // descending serial numbers, B chosen
                sorted = true;
                ask_page("const th = document.querySelector(\"#device-table th[data-key='sn']\"); th.click(); th.click();"
                         "document.querySelector(\"#device-table tr[data-sn='B'] input\").click();"
                         "window.sortedByTest = true;"
                         "[String(document.getElementById('add-button').disabled)]",
                         &state);
            }
            return rows.size() == 6;
        });
        lan->page->click("#search-button");
        QCOMPARE(rows, (QStringList{"LATE", "C", "B*", "A", "live", "sorted"}));
        QCOMPARE(state, QStringList{"true"}); // chosen during the window: adding waits
        QVERIFY(lan->page->wait_for("!document.getElementById('add-button').disabled"));
        QCOMPARE(lan->page->text("#device-table tbody tr[data-sn] td:nth-child(3)"), QString("LATE"));
    }

    // A search no switch answers leaves the shown project as it was.
    void aSearchNobodyAnswersKeepsTheProject()
    {
        QVERIFY(QDir().mkpath("config"));
        QVERIFY(write_file("config/site.json", R"({"ip":["10.0.0.9"],"sn":["S"],"mac":["m"],"model":["GS2408P"],)"
                                               R"("passwd":[""],"active":["active"]})"));
        QMetaObject::invokeMethod(lan->window.get(), "local_project_selected", Q_ARG(QAction*, new QAction("site", this)));
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("site"));
        lan->sim.reset(); // nobody answers from here on
        lan->window->findChild<QPushButton*>("search_button")->click();
        QCOMPARE(lan->status()->text(), QString("No switch answered on lo"));
        QCOMPARE(lan->tree()->topLevelItemCount(), 1);
        QCOMPARE(lan->tree()->topLevelItem(0)->text(0), QString("site"));
    }
};

QTEST_MAIN(TestLiveSearch)
#include "test_live_search.moc"
