// The web view shows the program's own page and nothing else, in the real
// window and web engine: the page tries to leave for another local file that
// would use the links, for a web address, and through new windows; files are
// dragged onto the view. The page stays, its links still answer, and the
// other documents never run.

#include "tests/support/test_files.h"
#include "tools/drive/window_fixture.h"

#include <QDesktopServices>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineView>

#include <memory>

class TestPageBoundary : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> lan;
    PageDriver* page = nullptr;
    QTcpServer web;             // 127.0.0.1: counts what reaches it
    int web_connections = 0;
    QList<QUrl> opened_outside; // what went to the system browser
    QUrl stranger;              // a local page that would use the links

    QString web_url(const QString& path) const { return QString("http://127.0.0.1:%1/%2").arg(web.serverPort()).arg(path); }

    // Writes a page that, if it ever ran, would reach the web server and
    // send the switches a command of its own through the device link.
    void write_stranger()
    {
        stranger = QUrl::fromLocalFile(lan->work->filePath("stranger.html"));
        QVERIFY(write_file(stranger.toLocalFile(),
                           QString("<html><head><script src=\"qrc:///qtwebchannel/qwebchannel.js\"></script><script>"
                                   "fetch('%1');"
                                   "new QWebChannel(qt.webChannelTransport, (c) =>"
                                   "  c.objects.conn2device.html2qt_udp('{\"callcmd\":\"stranger\"}', ''));"
                                   "</script></head><body>stranger</body></html>")
                               .arg(web_url("stranger-ran"))
                               .toUtf8()));
    }

    bool page_stayed() { return page->run("window.stayedHere === true && window.orbReady === true").toBool(); }

    // Whether any request of the stranger reached a switch.
    bool switches_heard_the_stranger() { return lan->sim->requests_with({"stranger"}) > 0; }

    QWidget* view_surface() { return lan->window->findChild<QWebEngineView*>("webviewer")->focusProxy(); }

public slots:
    void open_outside(const QUrl& url) { opened_outside.append(url); }

private slots:
    void initTestCase()
    {
        lan = std::make_unique<WindowFixture>();
        QVERIFY(lan->is_ready());
        page = lan->page.get();
        QVERIFY(web.listen(QHostAddress::LocalHost));
        connect(&web, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = web.nextPendingConnection()) {
                ++web_connections;
                socket->close();
            }
        });
        QDesktopServices::setUrlHandler("http", this, "open_outside");
        QDesktopServices::setUrlHandler("https", this, "open_outside");
        write_stranger();
        lan->choose_loopback();
        page->click("#search-button"); // opens the link's socket: a stranger's request would go out
        QVERIFY(page->wait_for("document.querySelectorAll('#device-table tbody tr').length === 7"));
        page->run("window.stayedHere = true");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
        lan.reset();
    }

    // Each navigation the page starts is refused; a reload of its own page is not.
    void thePageCannotLeave()
    {
        QSignalSpy refused(lan->window->findChild<QWebEnginePage*>(), SIGNAL(navigation_refused(QUrl, bool)));
        const QStringList targets = {stranger.toString(), web_url("elsewhere"), "data:text/html,<p>data</p>"};
        for (const QString& target : targets) {
            page->run("location.href = " + PageDriver::quoted(target));
            QTRY_COMPARE_WITH_TIMEOUT(refused.size(), targets.indexOf(target) + 1, 15000);
            QCOMPARE(refused.last()[0].toUrl(), QUrl(target));
            QVERIFY(page_stayed());
        }
        QVERIFY(page->run(QString("window.open('%1') === null && window.open('%2') === null")
                              .arg(stranger.toString(), web_url("window")))
                    .toBool());
        // Its links still answer.
        page->run("Bridge.request(JSON.stringify({callcmd: 'sysinfo', sn: 'ORB24080001'}))"
                  ".then((r) => window.answer = r.data.sn)");
        QVERIFY(page->wait_for("window.answer === 'ORB24080001'"));
        QVERIFY(page_stayed());
        QCOMPARE(web_connections, 0);
        QVERIFY(!switches_heard_the_stranger());
        QVERIFY(opened_outside.isEmpty()); // a script's navigation is nobody's click
    }

    // A link a person clicks: to the web, it opens in the system browser; to
    // a local file, nowhere.
    void aClickedLinkLeavesOnlyForTheWeb()
    {
        page->run(QString("for (const [id, href] of [['web-link', '%1'], ['file-link', '%2']]) {"
                          "  const a = document.createElement('a'); a.id = id; a.href = href; a.textContent = id;"
                          "  a.style = 'position:fixed; left:10px; top:' + (id === 'web-link' ? 10 : 60) + 'px;"
                          "  z-index:99; font-size:30px; background:white';"
                          "  document.body.appendChild(a); }")
                      .arg(web_url("help"), stranger.toString()));
        for (const char* id : {"web-link", "file-link"}) {
            const QVariantList box =
                page->run(QString("(() => { const r = document.getElementById('%1').getBoundingClientRect();"
                                  " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                              .arg(id))
                    .toList();
            QCOMPARE(box.size(), 2);
            QTest::mouseClick(view_surface(), Qt::LeftButton, {}, QPoint(box[0].toInt(), box[1].toInt()));
        }
        QTRY_COMPARE_WITH_TIMEOUT(opened_outside, QList<QUrl>({QUrl(web_url("help"))}), 15000);
        QTRY_VERIFY(lan->status()->text().contains("only its own page"));
        QVERIFY(page_stayed());
        QCOMPARE(web_connections, 0);
        QVERIFY(!switches_heard_the_stranger());
        page->run("for (const id of ['web-link', 'file-link']) document.getElementById(id).remove()");
    }

    // A drag that enters, moves and drops a file is refused before the
    // engine sees it, and the status line says why.
    void dropsAreRefused()
    {
        QSignalSpy refused(lan->window->findChild<QWebEnginePage*>(), SIGNAL(navigation_refused(QUrl, bool)));
        QMimeData dragged;
        dragged.setUrls({stranger});
        const QPoint middle = view_surface()->rect().center();
        const auto accepted = [this](QDropEvent&& event) {
            QApplication::sendEvent(view_surface(), &event);
            return event.isAccepted();
        };
        const Qt::DropActions actions = Qt::CopyAction | Qt::LinkAction;
        QVERIFY(!accepted(QDragEnterEvent(middle, actions, &dragged, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(!accepted(QDragMoveEvent(middle, actions, &dragged, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(!accepted(QDropEvent(middle, actions, &dragged, Qt::LeftButton, Qt::NoModifier)));
        QCOMPARE(lan->status()->text(),
                 QString("Nothing can be dropped on the page: import an address plan with its button"));
        // The page answers a script after the drop, and the view tried no navigation.
        QVERIFY(page_stayed());
        QCOMPARE(refused.size(), 0);
        QVERIFY(!switches_heard_the_stranger());
    }

    // The person's reload (the context menu's) shows the program's page anew.
    void aReloadShowsThePageAgain()
    {
        page->run("location.reload()");
        QVERIFY(page->wait_for("window.orbReady === true && window.stayedHere === undefined"));
        QVERIFY(page->wait_for("document.getElementById('nic-select').options.length > 0"));
    }
};

QTEST_MAIN(TestPageBoundary)
#include "test_page_boundary.moc"
