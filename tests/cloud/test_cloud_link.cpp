// The cloud link against the reference cloud service over real HTTPS on
// 127.0.0.1, and against a capturing endpoint where the exact bytes on the
// wire matter.

#include "cloud/orb_conn2server.h"
#include "codec/request_signature.h"
#include "tests/support/capture_server.h"
#include "tests/support/test_files.h"
#include "tools/drive/cloud_simulator.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestCloudLink : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    QString certs;
    std::unique_ptr<CloudSimulator> cloud;
    std::unique_ptr<CaptureServer> capture;

    static QString md5(const QString& text)
    {
        return QCryptographicHash::hash(text.toLatin1(), QCryptographicHash::Md5).toHex();
    }

    // A link whose Settings.ini points at host; with trust = false the test CA
    // is not trusted.
    std::unique_ptr<ORB_CONN2SERVER> link_to(const QString& host, bool trust = true)
    {
        {
            QSettings settings("./Settings.ini", QSettings::IniFormat);
            settings.clear();
            settings.setValue("cloud_host", host);
            if (trust)
                settings.setValue("cloud_ca_file", certs + "/ca.pem");
        }
        return std::make_unique<ORB_CONN2SERVER>();
    }

    // Signs in as ana by code (a fresh pair from the service).
    std::unique_ptr<ORB_CONN2SERVER> signed_in_link()
    {
        auto link = link_to(cloud->host());
        link->send_sms_code("13800000001");
        link->mobile_login_by_code("13800000001", cloud->code_for("13800000001"));
        return link;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        QDir::setCurrent(work.path());
        certs = work.filePath("certs");
        QVERIFY(CloudSimulator::make_certificates(certs));
        cloud = std::make_unique<CloudSimulator>(certs, QFINDTESTDATA("seed.json"));
        QVERIFY(cloud->is_ready());
        capture = std::make_unique<CaptureServer>(certs);
        QVERIFY(capture->isListening());
    }

    void init() { capture->captures.clear(); }

    // Every action's body as the service reads it, and the headers that sign it.
    void requestsOnTheWire()
    {
        auto link = link_to(capture->host());
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        link->mobile_login("13800000001", "Secret-1");
        link->email_login("ana@example.com", "Pässwörd");
        link->mobile_login_by_code("13800000001", "123456");
        link->email_login_by_code("ana@example.com", "654321");
        link->mobile_register("13800000003", "111111", "");
        link->email_register("cy@example.com", "222222", "pw");
        link->send_sms_code("13800000003");
        link->send_email_code("cy@example.com");
        link->change_password("new");
        link->change_mobile("13800000004", "333333");
        link->delete_account();
        link->query_device();
        link->project_create("P", {"S1", "S2"}, {"n1", "n2"}, {"p1", "p2"});
        link->project_add_device("100", {}, {}, {});
        link->project_delete("100");
        link->project_delete_recv("200");
        link->project_name_modify("100", "Renamed");
        link->unbind_device("100", "S1");
        link->rename_device("100", "S1", "Name");
        link->html2qt_tcp("https://" + capture->host() + "/page/path", "v9", "PageAction", "");
        // One access manager serves every request.
        QVERIFY(link->findChildren<QNetworkAccessManager*>().size() <= 1);

        const QString latin1_digest = md5(QString::fromUtf8("Pässwörd"));
        // JSON with single quotes, for legibility.
        QStringList expected = {
            "MobileLogin {'appid':'tGvBnHyUjM','mobile':'13800000001','password':'" + md5("Secret-1") + "'}",
            "EmailLogin {'appid':'tGvBnHyUjM','email':'ana@example.com','password':'" + latin1_digest + "'}",
            "MobileLogin {'appid':'tGvBnHyUjM','mobile':'13800000001','code':'123456'}",
            "EmailLogin {'appid':'tGvBnHyUjM','email':'ana@example.com','code':'654321'}",
            "MobileRegister {'appid':'tGvBnHyUjM','nickname':'NICK','mobile':'13800000003','code':'111111','password':'"
                + md5("") + "'}",
            "EmailRegister {'appid':'tGvBnHyUjM','email':'cy@example.com','code':'222222','password':'" + md5("pw")
                + "','nickname':'NICK'}",
            "SMSCode {'appid':'tGvBnHyUjM','mobile':'13800000003'}",
            "EmailCode {'appid':'tGvBnHyUjM','email':'cy@example.com'}",
            "ChangePassword {'password':'" + md5("new") + "'}",
            "ChangeMobile {'mobile':'13800000004','code':'333333'}",
            "DeleteAccount ",
            "QueryDevice {'productId':'Lx8PqZr2Vk'}",
            "ProjectCreate {'productId':'Lx8PqZr2Vk','name':'P','devices':[{'sn':'S1','name':'n1','password':'p1'},{'sn':'S2','name':'n2','password':'p2'}]}",
            "ProjectAddDevice {'productId':'Lx8PqZr2Vk','pid':'100','devices':[]}",
            "ProjectDelete {'pid':'100','unbind':1}",
            "ProjectDeleteRecv {'pid':'200'}",
            "ProjectNameModify {'pid':'100','name':'Renamed'}",
            "DeviceUnbind {'sn':'S1'}",
            "DeviceRename {'sn':'S1','name':'Name'}",
            "PageAction null",
        };
        for (QString& line : expected)
            line.replace('\'', '"');
        QCOMPARE(capture->captures.size(), expected.size());
        QStringList nicknames;
        for (int i = 0; i < expected.size(); ++i) {
            const CaptureServer::Capture& c = capture->captures[i];
            QCOMPARE(c.header("Content-Type"), QByteArray("application/json;charset=UTF-8"));
            QString actual = c.header("Action") + " " + QString::fromUtf8(c.body);
            const QRegularExpressionMatch nick = QRegularExpression("\"nickname\":\"([0-9a-zA-Z]{10})\"").match(actual);
            if (nick.hasMatch()) {
                nicknames.append(nick.captured(1));
                actual.replace(nick.captured(1), "NICK");
            }
            QCOMPARE(actual, expected[i]);
        }
        QVERIFY(nicknames.size() == 2 && nicknames[0] != nicknames[1]);

        const CaptureServer::Capture& login = capture->captures.first();
        QCOMPARE(login.header_lines[0], QByteArray("POST / HTTP/1.1"));
        const QStringList ours = {"Content-Type", "Authorization", "Action", "Version", "Timestamp"};
        QStringList order;
        for (const QByteArray& line : login.header_lines)
            if (ours.contains(line.left(line.indexOf(':'))))
                order.append(line.left(line.indexOf(':')));
        QCOMPARE(order, ours);
        QCOMPARE(login.header("Version"), QByteArray("20240220"));
        QVERIFY(qAbs(login.header("Timestamp").toLongLong() - now) <= 2);

        const CaptureServer::Capture& page = capture->captures.last();
        QCOMPARE(page.header_lines[0], QByteArray("POST /page/path HTTP/1.1"));
        QCOMPARE(page.header("Version"), QByteArray("v9"));
        QVERIFY(page.header("Authorization").startsWith("Type=ORB1-HMAC-SHA256,Credential=,Nonce="));
    }

    void heldPairAndFallback()
    {
        auto link = link_to(capture->host());
        const std::pair<QString, QString> pairs[] = {{"ID-ONLY", ""}, {"", "KEY-ONLY"}, {"ID", "KEY"}};
        for (const auto& pair : pairs) {
            link->set_uid(pair.first);
            link->set_key(pair.second);
            link->query_device();
        }
        QStringList credentials;
        for (const auto& c : capture->captures)
            credentials.append(QRegularExpression("Credential=([^,]*),").match(c.header("Authorization")).captured(1));
        QCOMPARE(credentials, (QStringList{BUILTIN_CREDENTIAL_ID, BUILTIN_CREDENTIAL_ID, "ID"}));

        // A sign-in reply with only "secretId" replaces only that half.
        capture->queue_reply(R"({"secretId":"NEW-ID"})");
        link->mobile_login("13800000001", "x");
        QCOMPARE(link->uid(), QString("NEW-ID"));
        QCOMPARE(link->key(), QString("KEY"));
        // A refused sign-in leaves the pair in force.
        capture->queue_reply(R"({"error":{"code":20004}})");
        link->mobile_login("13800000001", "x");
        QCOMPARE(link->result_code(), 20004);
        QCOMPARE(link->uid(), QString("NEW-ID"));
        capture->queue_reply(R"({"error":{"code":"20004"}})");
        link->query_device();
        QCOMPARE(link->result_code(), -1);
    }

    void signInAgainstTheService()
    {
        auto link = link_to(cloud->host());
        QSignalSpy notices(link.get(), &ORB_CONN2SERVER::qt2html_device_tcp);
        link->mobile_login("13800000001", "wrong");
        QCOMPARE(link->result_code(), 20004);
        QCOMPARE(notices.size(), 0);

        link->mobile_login("13800000001", "Secret-1");
        QCOMPARE(notices.size(), 1);
        const QJsonObject notice = notices[0][0].toJsonObject();
        QCOMPARE(notice["command"].toString(), QString("login"));
        QCOMPARE(notice["secretId"].toString(), link->uid());
        QCOMPARE(notice["secretKey"].toString(), link->key());

        link->email_login("ana@example.com", "Secret-1");
        QCOMPARE(notices.size(), 2);
    }
    void unusableAnswers()
    {
        const QString page_url = cloud->url() + "api";
        // Before sign-in the page's request carries the empty pair; the service
        // says so, and the page gets its answer unchanged.
        auto signed_out = link_to(cloud->host());
        QSignalSpy signed_out_replies(signed_out.get(), &ORB_CONN2SERVER::qt2html_tcp);
        signed_out->html2qt_tcp(page_url, "20240220", "QueryDevice", R"({"productId":"Lx8PqZr2Vk"})");
        QCOMPARE(signed_out_replies[0][0].toJsonObject()["error"].toObject()["code"].toInt(), 10004);

        auto link = signed_in_link();
        QSignalSpy replies(link.get(), &ORB_CONN2SERVER::qt2html_tcp);
        const auto page_request = [&] {
            link->html2qt_tcp(page_url, "20240220", "QueryDevice", R"({"productId":"Lx8PqZr2Vk"})");
        };
        page_request();
        QCOMPARE(replies.takeFirst()[0].toJsonObject()["projects"].toArray()[0].toObject()["name"].toString(),
                 QString("Head office"));

        // An unreadable body reaches the page as an empty object, a network-level failure as nothing.
        for (const QString failure : {"not_json", "http500", "drop"}) {
            QVERIFY(cloud->set_knob({{"reply", failure}, {"count", 2}}));
            link->query_device();
            QCOMPARE(link->result_code(), -1);
            page_request();
            if (failure == "not_json")
                QCOMPARE(replies.takeFirst()[0].toJsonObject(), QJsonObject());
            else
                QCOMPARE(replies.size(), 0);
        }
        link->query_device();
        QCOMPARE(link->result_code(), 0);
    }
    void timeouts()
    {
        auto link = signed_in_link();
        QSignalSpy replies(link.get(), &ORB_CONN2SERVER::qt2html_tcp);

        // The service logs each answer as it sends it.
        const auto answered = [this] { return cloud->log().filter("QueryDevice ").filter(" -> ").size(); };
        const int late_reply = answered() + 1;
        QVERIFY(cloud->set_knob({{"delay_ms", 6500}}));
        QElapsedTimer clock;
        clock.start();
        link->query_device();
        QVERIFY2(clock.elapsed() >= 4900 && clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(link->result_code(), -1);
        // The next request's outcome stands, whatever the late reply would say.
        link->project_name_modify("nope", "x");
        QCOMPARE(link->result_code(), 20005);
        const QByteArray tree = cjson_print(link->project_tree());
        QTRY_COMPARE_WITH_TIMEOUT(answered(), late_reply, 5000);
        QVERIFY(cloud->set_knob({})); // a round trip begun after the late reply was sent
        QCOMPARE(link->result_code(), 20005);
        QCOMPARE(cjson_print(link->project_tree()), tree);

        QVERIFY(cloud->set_knob({{"delay_ms", 6500}}));
        link->html2qt_tcp(cloud->url() + "api", "20240220", "QueryDevice", R"({"productId":"Lx8PqZr2Vk"})");
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies[0][0].toJsonObject(), (QJsonObject{{"errcode", 10002}}));
        QTRY_COMPARE_WITH_TIMEOUT(answered(), late_reply + 1, 5000);
        link->html2qt_tcp(cloud->url() + "api", "20240220", "ProjectNameModify", R"({"pid":"nope","name":"z"})");
        QCOMPARE(replies.size(), 2); // the page heard the next answer only
        QCOMPARE(replies[1][0].toJsonObject()["error"].toObject()["code"].toInt(), 20005);
    }

    void untrustedCertificate()
    {
        auto link = link_to(cloud->host(), false);
        QSignalSpy replies(link.get(), &ORB_CONN2SERVER::qt2html_tcp);
        link->send_sms_code("13800000001");
        QCOMPARE(link->result_code(), -1);
        link->html2qt_tcp(cloud->url(), "20240220", "SMSCode", "");
        QCOMPARE(replies.size(), 0);
    }

    void noSecretsInTheLog()
    {
        auto link = link_to(cloud->host());
        DebugCapture log;
        link->mobile_login("13800000001", "Secret-1");
        const QString page_login = R"({"appid":"tGvBnHyUjM","mobile":"13800000001","password":"%1"})";
        link->html2qt_tcp(cloud->url(), "20240220", "MobileLogin", page_login.arg(md5("Secret-1")));
        QVERIFY(log.text().contains("Response Body:"));
        // A failed sign-in leaves the key empty, which any text contains.
        QVERIFY2(!log.text().contains(link->key()), qPrintable(log.text()));
        QVERIFY(!log.text().contains(md5("Secret-1")));
    }
    void bridgeSlots()
    {
        auto link = link_to(capture->host());
        QSignalSpy messages_to_page(link.get(), &ORB_CONN2SERVER::qt2html_device_tcp);
        QSignalSpy refresh(link.get(), &ORB_CONN2SERVER::refresh_server_project_data_singal);
        link->set_nic_names({"lo", "eth0"});
        link->getLogin_uid_key();
        QCOMPARE(messages_to_page.takeFirst()[0].toJsonObject(),
                 (QJsonObject{{"command", "login"}, {"uid", ""}, {"key", ""},
                              {"NICNames", QJsonArray{"lo", "eth0"}}, {"errcode", 20000}}));
        link->set_key("only-key");
        link->getLogin_uid_key();
        QCOMPARE(messages_to_page.takeFirst()[0].toJsonObject()["errcode"].toInt(), 20000);
        link->set_uid("id");
        link->getLogin_uid_key();
        QCOMPARE(messages_to_page.takeFirst()[0].toJsonObject()["errcode"].toInt(), 0);

        link->getProject_switch_info();
        QCOMPARE(messages_to_page.takeFirst()[0].toJsonObject(), QJsonObject());
        link->project_switch_info_slot({{"pid", "7"}});
        link->project_switch_info_slot({{"pid", "8"}});
        link->getProject_switch_info();
        QCOMPARE(messages_to_page.takeFirst()[0].toJsonObject(), (QJsonObject{{"pid", "8"}}));

        int refreshes_before_answer = -1;
        connect(link.get(), &ORB_CONN2SERVER::qt2html_device_tcp, this,
                [&] { refreshes_before_answer = refresh.size(); });
        link->emitRefreshServerProjectDataSignal();
        QCOMPARE(refreshes_before_answer, 1);
        QCOMPARE(messages_to_page.takeFirst()[0].toJsonObject(), (QJsonObject{{"errcode", 0}}));
    }
};

QTEST_GUILESS_MAIN(TestCloudLink)
#include "test_cloud_link.moc"
