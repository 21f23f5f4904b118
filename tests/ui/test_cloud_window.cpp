// The window in the cloud mode with the reference cloud service and its page
// in the real web view: started signed out (as --cloud does) and signed in
// from the account bar; built signed in, the tree and the page's project
// list, a switch handed to the page.

#include "cloud/orb_conn2server.h"
#include "tools/drive/dialog_watcher.h"
#include "tools/drive/window_fixture.h"
#include "ui/orb_login_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestCloudWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;
    QTreeWidget* tree = nullptr;

    QPushButton* button(const char* name) { return fixture->window->findChild<QPushButton*>(name); }

private slots:
    void signedOutStartThenSignIn()
    {
        fixture = std::make_unique<WindowFixture>(QFINDTESTDATA("../cloud/seed.json"), "", "");
        QVERIFY(fixture->is_ready());
        tree = fixture->window->findChild<QTreeWidget*>("server_project_viewer");
        QCOMPARE(button("login_changepd_button")->text(), QString("login"));
        QVERIFY(!button("server_update_button")->isEnabled() && !button("server_new_project_button")->isEnabled());
        fixture->page->click(".tab[data-view='cloud']");
        // The link's answer to the page's refresh comes once the refresh is handled.
        QSignalSpy to_page(fixture->window->findChild<ORB_CONN2SERVER*>(), &ORB_CONN2SERVER::qt2html_device_tcp);
        fixture->page->click("#cloud-refresh");
        QTRY_VERIFY(to_page.contains({QJsonObject{{"errcode", 0}}}));

        button("login_changepd_button")->click();
        auto* login = shown_window<ORB_Login_Window>();
        QVERIFY(login);
        login->findChild<QLineEdit*>("mobile_text")->setText("13800000001");
        login->findChild<QLineEdit*>("passwd_text")->setText("Secret-1");
        login->findChild<QPushButton*>("login_confirm_button")->click();
        QCOMPARE(fixture->window->findChild<QLabel*>("usr_name_text")->text(), QString("13800000001"));
        QCOMPARE(tree->topLevelItemCount(), 2);
        QVERIFY(button("server_update_button")->isEnabled());
        QCOMPARE(button("login_changepd_button")->text(), QString("Change Password"));
        // The refresh asked nothing: the sign-in was the service's first request.
        QVERIFY(fixture->cloud->log().filter(" -> ").value(0).startsWith("MobileLogin "));
        fixture.reset();
    }

    void cleanupTestCase() { fixture.reset(); }

    // Started signed in: the tree, the page's project list, a switch opened.
    void treeAndPageAfterSignIn()
    {
        fixture = std::make_unique<WindowFixture>(QFINDTESTDATA("../cloud/seed.json"), "13800000001", "Secret-1");
        QVERIFY(fixture->is_ready());
        tree = fixture->window->findChild<QTreeWidget*>("server_project_viewer");
        QVERIFY(tree->isVisible());
        QCOMPARE(tree->topLevelItem(0)->text(3), QString("Owned"));
        QVERIFY(button("server_update_button")->isEnabled() && button("server_new_project_button")->isEnabled());

        // The page asks for a refresh; the redraw tells it the projects.
        fixture->page->click(".tab[data-view='cloud']");
        fixture->page->click("#cloud-refresh");
        QVERIFY(fixture->page->wait_for("document.querySelectorAll('#cloud-projects .project').length === 2"));
        QCOMPARE(fixture->page->text("#cloud-projects .project h3"), QString("Head office"));

        emit tree->itemDoubleClicked(tree->topLevelItem(0)->child(0), 1);
        QVERIFY(fixture->page->wait_for("document.getElementById('switch-title').textContent === 'Gate · CLD0001'"));
    }
};

QTEST_MAIN(TestCloudWindow)
#include "test_cloud_window.moc"
