// The window in the cloud mode with the reference cloud service and its page
// in the real web view: started signed out (as --cloud does) and signed in
// from the account bar; built signed in, the tree and the page's project
// list, a switch handed to the page; screenshots of the account windows and
// the tree in English and Chinese.

#include "tests/support/dialog_watcher.h"
#include "tests/support/window_fixture.h"
#include "ui/orb_change_mobile_window.h"
#include "ui/orb_change_passwd_window.h"
#include "ui/orb_login_window.h"
#include "ui/orb_register_window.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class TestCloudWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> fixture;
    QTreeWidget* tree = nullptr;

    QPushButton* button(const char* name) { return fixture->window->findChild<QPushButton*>(name); }

    // Shows a window over the main window, takes its picture, and closes it.
    void snap(QWidget* window, const QString& name)
    {
        window->move(fixture->window->geometry().center() - window->rect().center());
        window->show();
        QVERIFY(fixture->screenshot(name));
        window->close();
    }

private slots:
    void signedOutStartThenSignIn()
    {
        fixture = std::make_unique<WindowFixture>(QFINDTESTDATA("../cloud/seed.json"), "", "");
        QVERIFY(fixture->is_ready());
        tree = fixture->window->findChild<QTreeWidget*>("server_project_viewer");
        QCOMPARE(button("login_changepd_button")->text(), QString("login"));
        QVERIFY(!button("server_update_button")->isEnabled() && !button("server_new_project_button")->isEnabled());
        fixture->page->click(".tab[data-view='cloud']");
        fixture->page->click("#cloud-refresh");
        QTest::qWait(500);
        QVERIFY(fixture->cloud->log().filter(" -> ").isEmpty()); // nothing asked before sign-in

        for (const QString language : {"en", "zh"}) {
            snap(new ORB_Login_Window, "cloud-sign-in-window-" + language);
            snap(new ORB_Register_Window, "cloud-register-window-" + language);
            snap(new ORB_Change_Mobile_Window, "cloud-change-mobile-window-" + language);
            snap(new ORB_Change_Passwd_Window, "cloud-change-password-window-" + language);
            if (language == "en") {
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
            }
            tree->expandAll();
            QVERIFY(fixture->screenshot("cloud-signed-in-window-" + language));
            // The cloud mode has no language button: as if started in Chinese.
            QAction chinese("Chinese");
            QMetaObject::invokeMethod(fixture->window.get(), "language_changed", Q_ARG(QAction*, &chinese));
            button("server_update_button")->click();
        }
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
        tree->expandAll();
        QVERIFY(fixture->screenshot("cloud-window-tree"));
    }
};

QTEST_MAIN(TestCloudWindow)
#include "test_cloud_window.moc"
