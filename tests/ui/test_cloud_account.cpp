// Signing in, registering and the account settings against the reference
// cloud service over HTTPS, through the windows a person types into: what is
// checked before anything is sent, what each answer shows, and what is kept
// in ./Settings.ini. No web view here, so these also run under the sanitizers.

#include "tests/support/cloud_bench.h"
#include "ui/orb_change_mobile_window.h"
#include "ui/orb_change_passwd_window.h"
#include "ui/orb_login_window.h"
#include "ui/orb_register_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestCloudAccount : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<CloudBench> bench;
    ORB_CloudAccount* account = nullptr;

    static QSettings settings() { return QSettings("./Settings.ini", QSettings::IniFormat); }
    static void type(QWidget* window, const char* field, const QString& text)
    {
        window->findChild<QLineEdit*>(field)->setText(text);
    }
    int requests(const QString& action) { return bench->requests(action); }
    QString state() { return bench->state_text->text(); }
    void expect_box(const QString& text) { QCOMPARE(bench->watcher.take_box(), text); }

    void sign_in(const QString& mobile, const QString& password, bool remember)
    {
        account->open_account_window();
        auto* login = shown_window<ORB_Login_Window>();
        QVERIFY(login);
        type(login, "mobile_text", mobile);
        type(login, "passwd_text", password);
        login->findChild<QCheckBox*>("remember_checkbox")->setChecked(remember);
        login->findChild<QPushButton*>("login_confirm_button")->click();
    }

private slots:
    void initTestCase() { QVERIFY(CloudBench::enter(work)); }

    void init()
    {
        bench = std::make_unique<CloudBench>(work.filePath("certs"), QFINDTESTDATA("../cloud/seed.json"));
        QVERIFY(bench->cloud->is_ready());
        account = bench->account.get();
    }

    void cleanup()
    {
        QVERIFY2(bench->watcher.boxes.isEmpty(), qPrintable(bench->watcher.boxes.join(" | ")));
        bench.reset();
    }

    void signInAndRememberIt()
    {
        // Refused in the window, which stays open: nothing is sent.
        for (const char* bad : {"12800000001", "1380000000", "+8613800000001"}) {
            sign_in(bad, "Secret-1", false);
            expect_box("Invalid Mobile: Please enter valid mobile number.");
            QVERIFY(shown_window<ORB_Login_Window>());
            shown_window<ORB_Login_Window>()->close();
        }
        sign_in("13800000001", "", false);
        expect_box("Invalid Password: Please enter password.");
        QVERIFY(shown_window<ORB_Login_Window>());
        QCOMPARE(requests("MobileLogin"), 0);
        shown_window<ORB_Login_Window>()->close();

        sign_in("13800000001", "Secret-1", true);
        QCOMPARE(state(), QString("Login successful"));
        QCOMPARE(settings().value("user").toString(), QString("13800000001"));
        // Stored with the password key, as the independent implementation of the codec computes it.
        QCOMPARE(settings().value("passwd").toString(), QString("ay9dtWgpQdc="));

        // The next sign-in window is filled in from what was remembered.
        ORB_Login_Window again;
        QCOMPARE(again.findChild<QLineEdit*>("passwd_text")->text(), QString("Secret-1"));
        QVERIFY(again.findChild<QCheckBox*>("remember_checkbox")->isChecked());

        // Signed in, the account button changes the password instead.
        account->open_account_window();
        QVERIFY(shown_window<ORB_Change_Passwd_Window>() && !shown_window<ORB_Login_Window>());
        shown_window<ORB_Change_Passwd_Window>()->close();

        // Without "remember" the password is forgotten.
        bench->shared.login_done = false;
        sign_in("13800000001", "Secret-1", false);
        QCOMPARE(settings().value("passwd").toString(), QString());
        QCOMPARE(settings().value("remember").toBool(), false);
        ORB_Login_Window empty;
        QCOMPARE(empty.findChild<QLineEdit*>("mobile_text")->text(), QString("13800000001"));
        QCOMPARE(empty.findChild<QLineEdit*>("passwd_text")->text(), QString());
    }

    void failedSignInsChangeNothing()
    {
        const struct
        {
            QString mobile, password;
            QJsonObject knob;
            QString state;
            int requests;
        } cases[] = {
            {"13800000404", "whatever", {}, "Login failed unknown user", 1},
            {"13800000001", "wrong", {}, "Login failed password error", 1},
            {"13800000009", "Secret-9", {}, "Login Timeout!", 1},
            {"13800000001", "Secret-1", {{"reply", "drop"}, {"count", 3}}, "Login failed unknown reason", 3},
            // A "success" without a whole pair is no sign-in.
            {"13800000001", "Secret-1", {{"reply", "body"}, {"body", QJsonObject{{"secretId", "HALF"}}}},
             "Login failed unknown reason", 1},
        };
        int sent = 0;
        for (const auto& c : cases) {
            if (!c.knob.isEmpty())
                bench->cloud->set_knob(c.knob);
            account->login_repeatedly(ORB_CloudAccount::Id::Mobile, c.mobile, c.password, true);
            QCOMPARE(state(), c.state);
            sent += c.requests;
            QCOMPARE(requests("MobileLogin"), sent);
            QVERIFY(!bench->shared.login_done);
            QVERIFY(bench->link->uid().isEmpty() && bench->link->key().isEmpty());
        }
        QVERIFY(!settings().contains("user"));
    }

    void oneSignInAtATime()
    {
        bench->cloud->set_knob({{"action", "MobileLogin"}, {"delay_ms", 2000}});
        const auto in_time = bench->while_held("MobileLogin", [this] {
            account->open_account_window();
            account->login_repeatedly(ORB_CloudAccount::Id::Mobile, "13800000001", "Secret-1", true);
        });
        account->login_repeatedly(ORB_CloudAccount::Id::Mobile, "13800000001", "Secret-1", true);
        QVERIFY(*in_time);
        QVERIFY(bench->shared.login_done);
        QVERIFY(!shown_window<ORB_Login_Window>());
        QCOMPARE(requests("MobileLogin"), 1);
    }

    void registerThenSignIn()
    {
        account->open_account_window();
        shown_window<ORB_Login_Window>()->findChild<QPushButton*>("register_button")->click();
        auto* form = shown_window<ORB_Register_Window>();
        QVERIFY(form && !shown_window<ORB_Login_Window>());
        QCOMPARE(form->findChild<QLineEdit*>("re_passwd_text")->echoMode(), QLineEdit::Password);
        type(form, "mobile_text", "13900000001");
        form->findChild<QPushButton*>("verify_code_button")->click();
        QCOMPARE(state(), QString("sending verify code successful"));
        type(form, "passwd_text", "1234567890123");
        form->findChild<QPushButton*>("confirm_button")->click();
        expect_box("Invalid Password: Please enter 6~12 digit password.");
        type(form, "passwd_text", "abcdef");
        type(form, "re_passwd_text", "abcdeg");
        form->findChild<QPushButton*>("confirm_button")->click();
        expect_box("Password Inconsistency: The two passwords you entered did not match.");
        type(form, "re_passwd_text", "abcdef");
        form->findChild<QPushButton*>("confirm_button")->click();
        expect_box("Tips: VerifyCode can not be empty.");
        type(form, "verify_code_text", bench->cloud->code_for("13900000001"));
        form->findChild<QPushButton*>("confirm_button")->click();
        QCOMPARE(state(), QString("register successful"));
        sign_in("13900000001", "abcdef", false);
        QCOMPARE(state(), QString("Login successful"));
    }

    void changeTheMobileNumber()
    {
        sign_in("13800000001", "Secret-1", true);
        const auto change = [this](const QString& mobile, const QString& code, const QString& box) {
            account->open_change_mobile_window();
            auto* form = shown_window<ORB_Change_Mobile_Window>();
            type(form, "mobile_text", mobile);
            form->findChild<QPushButton*>("verify_code_button")->click();
            type(form, "verify_code_text", code.isEmpty() ? bench->cloud->code_for(mobile) : code);
            form->findChild<QPushButton*>("confirm_button")->click();
            if (!box.isEmpty())
                expect_box(box);
        };
        change("1390000000", "123456", ""); // ten digits: nothing is sent
        QVERIFY(shown_window<ORB_Change_Mobile_Window>());
        shown_window<ORB_Change_Mobile_Window>()->close();
        QCOMPARE(requests("SMSCode") + requests("ChangeMobile"), 0);
        change("13800000001", "123456", "Tips: changing mobile fail, same mobile number");
        change("13900000002", "000000", "Tips: VerifyCode Error.");
        change("13800000002", "", "Tips: phone mobile has been bound");
        QCOMPARE(requests("ChangeMobile"), 2);
        change("13900000002", "", "Tips: changing mobile successful");
        QCOMPARE(bench->account_label->text(), QString("13900000002"));
        QCOMPARE(settings().value("user").toString(), QString("13900000002"));
        QCOMPARE(requests("QueryDevice"), 2); // the tree is drawn again
    }

    void changeThePassword()
    {
        sign_in("13800000001", "Secret-1", true);
        account->open_account_window();
        auto* form = shown_window<ORB_Change_Passwd_Window>();
        QSignalSpy confirmed(form, &ORB_Change_Passwd_Window::confirm_change_passwd);
        type(form, "passwd_text", "Secret-2b");
        type(form, "re_passwd_text", "Secret-2c");
        form->findChild<QPushButton*>("confirm_button")->click();
        QVERIFY(confirmed.isEmpty() && form->isVisible());
        type(form, "re_passwd_text", "Secret-2b");
        form->findChild<QPushButton*>("confirm_button")->click();
        expect_box("Tips: changing password successful");
        QCOMPARE(settings().value("passwd").toString(), QString());
        QCOMPARE(settings().value("remember").toBool(), false);
        account->login(ORB_CloudAccount::Id::Mobile, "13800000001", "Secret-2b", false);
        QCOMPARE(state(), QString("Login successful"));
    }

    void deleteTheAccount()
    {
        sign_in("13800000001", "Secret-1", true);
        bench->watcher.answers = {QMessageBox::No};
        account->delete_account();
        bench->watcher.boxes.removeFirst();
        QCOMPARE(requests("DeleteAccount"), 0);

        // Yes: the program ends, and the remembered password with the account.
        bench->watcher.answers = {QMessageBox::Yes};
        QEventLoop program;
        QTimer::singleShot(0, this, [this] { account->delete_account(); });
        QTimer::singleShot(20000, &program, [&] { program.exit(1); });
        QCOMPARE(program.exec(), 0);
        bench->watcher.boxes.removeFirst();
        expect_box("Tips: Account delete successful");
        QCOMPARE(requests("DeleteAccount"), 1);
        QVERIFY(!settings().contains("passwd") && !settings().contains("remember"));
    }
};

QTEST_MAIN(TestCloudAccount)
#include "test_cloud_account.moc"
