// The device link against the switch simulator over real UDP multicast, inside
// the isolated network namespace.

#include "device/device_alert.h"
#include "device/orb_conn2device.h"
#include "tests/support/switch_simulator.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject sw(const QString& sn, const QString& ip, const QJsonObject& extra = {})
{
    QJsonObject s{{"sn", sn}, {"ip", ip}, {"password", "admin123"}, {"model", "GS2408P"}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        s.insert(it.key(), it.value());
    return s;
}

QString request_text(const QString& command, const QString& sn)
{
    return QString(R"({"callcmd":"%1","sn":"%2"})").arg(command, sn);
}

CJsonPtr netcfg_request(const QString& sn, const QString& ip)
{
    CJsonPtr request(cJSON_Parse(QString(R"({"callcmd":"netcfg","sn":"%1","calldata":{"dhcp":0,"ip":"%2",)"
                                         R"("gw":"192.168.1.1","mask":"255.255.255.0","dns":"8.8.8.8"}})")
                                     .arg(sn, ip)
                                     .toUtf8()
                                     .constData()));
    return request;
}

QString reply_member(const cJSON* reply, const char* name)
{
    return QString::fromUtf8(cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"), name));
}

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

    ORB_CONN2DEVICE* link = nullptr;
    QList<QJsonObject> results;   // everything qt2html_udp carried
    QList<QByteArray> device_lists; // every searchdevice_RespDatas_signals array, printed
    int alerts = 0;
    std::function<void()> during_alert; // runs while the "box" is open
    bool searched = false;
    QTemporaryDir dir;

    // Elapsed ms of a call, with results and alerts counted from zero.
    template <typename Call> qint64 timed(Call call)
    {
        results.clear();
        device_lists.clear();
        alerts = 0;
        QElapsedTimer clock;
        clock.start();
        call();
        return clock.elapsed();
    }

    // The link has a socket only after its first search.
    void ensure_socket()
    {
        if (!searched)
            link->search_device(true, "lo");
        searched = true;
    }

    static bool is_timeout(const QJsonObject& o) { return o == QJsonObject{{"errcode", 10002}}; }

private slots:
    void initTestCase()
    {
        set_device_alert_handler([this](const QString& title, const QString& text) {
            QCOMPARE(title, QString("Error"));
            QCOMPARE(text, QString("Timeout,Please try again!"));
            ++alerts;
            if (during_alert)
                during_alert();
        });
        link = new ORB_CONN2DEVICE(this);
        connect(link, &ORB_CONN2DEVICE::qt2html_udp, this, [this](const QJsonObject& o) { results.append(o); });
        connect(link, &ORB_CONN2DEVICE::searchdevice_RespDatas_signals, this,
                [this](cJSON* devices) { device_lists.append(cjson_print(devices)); });
    }

    void requestBeforeFirstSearch()
    {
        const qint64 ms = timed([&] { link->login_device("", "admin123", "ORB24080001"); });
        QVERIFY(ms < 500);
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QVERIFY(!link->last_reply_document());
        QCOMPARE(alerts, 0);
    }

    void searchWithoutAnswer()
    {
        const qint64 ms = timed([&] { link->search_device(false, "lo"); });
        QVERIFY2(ms >= 3100 && ms < 3800, qPrintable(QString::number(ms)));
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QVERIFY(device_lists.isEmpty());
        QCOMPARE(alerts, 1);

        timed([&] { link->search_device(true, "no-such-interface"); });
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QCOMPARE(alerts, 0); // a page's search never opens a box
        searched = true;
    }

    void wireFormatAndDefaultFleet()
    {
        ensure_socket();
        SwitchSimulator sim({"--restart-ms", "1500"});
        QVERIFY(sim.is_ready());
        const qint64 search_ms = timed([&] { link->search_device(false, "lo"); });
        QVERIFY2(search_ms >= 5000 && search_ms < 6500, qPrintable(QString::number(search_ms)));
        QCOMPARE(results.size(), 1);
        const QJsonObject result = results[0];
        QCOMPARE(result["command"].toString(), QString("search"));
        QCOMPARE(result["errcode"].toInt(-1), 0);
        QCOMPARE(result["device"].toArray().size(), 7);
        QCOMPARE(result["local_device"].toArray().size(), 0); // nobody handed a list over
        QCOMPARE(device_lists.size(), 1);
        QVERIFY(device_lists[0].startsWith(R"([{"pid":"0","ip":"192.168.1.11","sn":"ORB24080001",)"
                                           R"("mac":"02:4F:52:00:00:11","model":"GS2408P","active":"active",)"
                                           R"("V":"V2.1.7"},)"));

        timed([&] { link->login_device("192.168.1.11", "admin123", "ORB24080001"); });
        QCOMPARE(reply_member(link->last_reply_document(), "login"), QString("success"));
        QVERIFY(results.isEmpty());
        link->login_device("192.168.1.11", "wrong", "ORB24080001");
        QVERIFY(reply_member(link->last_reply_document(), "login").startsWith("fail"));
        link->login_device("192.168.1.15", "admin123", "ORB24080005");
        QCOMPARE(reply_member(link->last_reply_document(), "login"), QString("Please activate the device first"));
        link->activate_device("192.168.1.15", "Pässwörd1", "ORB24080005");
        QCOMPARE(reply_member(link->last_reply_document(), "activate"), QString("success"));
        link->login_device("192.168.1.15", "Pässwörd1", "ORB24080005");
        QCOMPARE(reply_member(link->last_reply_document(), "login"), QString("success"));

        // The address change is answered, then the switch restarts and says nothing.
        link->send_request("192.168.1.11", netcfg_request("ORB24080001", "192.168.1.111").release());
        const cJSON* calldata = cJSON_GetObjectItemCaseSensitive(
            cJSON_GetObjectItemCaseSensitive(link->last_reply_document(), "data"), "calldata");
        QCOMPARE(QString(cjson_string_member(calldata, "netcfg")), QString("ok"));
        timed([&] { link->login_device("192.168.1.111", "admin123", "ORB24080001"); });
        QVERIFY(!link->last_reply_document());
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QCOMPARE(alerts, 1); // the configuration request cleared the silent flag

        timed([&] { link->html2qt_udp("this is not JSON", "10.9.9.9"); });
        QVERIFY(is_timeout(results.value(0)));
        QCOMPARE(alerts, 0);
        timed([&] { link->html2qt_udp(request_text("sysinfo", "ORB24080001"), "10.9.9.9"); });
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0]["data"].toObject()["ip"].toString(), QString("192.168.1.111"));

        const QList<QJsonObject> wire = sim.requests();
        const QString syn = R"("syn":"[0-9a-zA-Z]{8}")";
        const QStringList expected = {
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"search"}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"Security verification","password":"admin123","sn":"ORB24080001","command":"login"}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"Security verification","password":"wrong","sn":"ORB24080001","command":"login"}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"Security verification","password":"admin123","sn":"ORB24080005","command":"login"}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"Security verification","password":"Pässwörd1","sn":"ORB24080005","command":"activate"}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"Security verification","password":"Pässwörd1","sn":"ORB24080005","command":"login"}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"netcfg","sn":"ORB24080001","calldata":{"dhcp":0,"ip":"192.168.1.111","gw":"192.168.1.1","mask":"255.255.255.0","dns":"8.8.8.8"}}})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"Security verification","password":"admin123","sn":"ORB24080001","command":"login"}})",
            R"({"cmd":"calludp",SYN})",
            R"({"cmd":"calludp",SYN,"data":{"callcmd":"sysinfo","sn":"ORB24080001"}})",
        };
        QCOMPARE(wire.size(), expected.size());
        QSet<QString> tags;
        for (int i = 0; i < wire.size(); ++i) {
            const QString text = wire[i]["text"].toString();
            QString pattern = QRegularExpression::escape(expected[i]);
            pattern.replace(QRegularExpression::escape("SYN"), syn);
            QVERIFY2(QRegularExpression("^" + pattern + "$").match(text).hasMatch(), qPrintable(text));
            QVERIFY(wire[i]["crlf"].toBool());
            const int base64_length = 4 * ((text.toUtf8().size() + 2) / 3);
            QCOMPARE(wire[i]["bytes"].toInt(), base64_length + 2);
            tags.insert(text.mid(text.indexOf("\"syn\":") + 7, 8));
        }
        QCOMPARE(tags.size(), wire.size()); // a fresh tag for every request
    }

    void tagPrefixRule()
    {
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, {sw("LONG", "10.0.0.1", {{"mode", "long_tag"}}),
                                                                          sw("SEVEN", "10.0.0.2", {{"mode", "tag_7"}})})});
        QVERIFY(sim.is_ready());
        ensure_socket();
        timed([&] { link->login_device("", "admin123", "LONG"); });
        QCOMPARE(reply_member(link->last_reply_document(), "login"), QString("success"));
        QVERIFY(results.isEmpty());

        const qint64 ms = timed([&] { link->login_device("", "admin123", "SEVEN"); });
        QVERIFY(!link->last_reply_document());
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QVERIFY(ms >= 3000);
    }

    void timeoutAndSilentFlag()
    {
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, {sw("MUTE", "10.0.0.3", {{"mode", "silent"}})})});
        QVERIFY(sim.is_ready());
        ensure_socket();
        qint64 ms = timed([&] { link->send_request("", netcfg_request("MUTE", "10.0.0.30").release()); });
        QVERIFY2(ms >= 3150 && ms < 3700, qPrintable(QString::number(ms)));
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QCOMPARE(alerts, 1);
        QVERIFY(!link->last_reply_document());

        ms = timed([&] { link->html2qt_udp(request_text("sysinfo", "MUTE"), ""); });
        QVERIFY(ms >= 3150 && ms < 3700);
        QCOMPARE(results.size(), 1);
        QVERIFY(is_timeout(results[0]));
        QCOMPARE(alerts, 0);
    }

    void secondRequestDuringWait()
    {
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, {sw("LATE", "10.0.0.4", {{"delay_ms", 3100}})})});
        QVERIFY(sim.is_ready());
        ensure_socket();
        QList<QJsonObject> at_inner_return;
        bool inner_reply_seen = true;
        QTimer::singleShot(3050, Qt::PreciseTimer, this, [&] {
            link->html2qt_udp(request_text("portstatus", "LATE"), "");
            link->search_device(true, "lo");
            link->login_device("", "admin123", "LATE");
            at_inner_return = results;
            inner_reply_seen = link->last_reply_document() != nullptr;
        });
        const qint64 ms = timed([&] { link->login_device("", "admin123", "LATE"); });
        QVERIFY(ms < 4000);
        QCOMPARE(at_inner_return.size(), 3);
        for (const QJsonObject& o : at_inner_return)
            QVERIFY(is_timeout(o));
        QVERIFY(!inner_reply_seen);
        // The outstanding request finished normally, on its own socket and tag.
        QCOMPARE(reply_member(link->last_reply_document(), "login"), QString("success"));
        QCOMPARE(results.size(), 3);
        QCOMPARE(alerts, 0);

        timed([&] { link->html2qt_udp(request_text("sysinfo", "LATE"), ""); });
        QCOMPARE(results.size(), 1);
        QVERIFY2(results[0]["data"].toObject()["sn"].toString() == "LATE", QJsonDocument(results[0]).toJson());
    }

    void requestsWorkWhileABoxIsOpen()
    {
        const QJsonArray fleet = {sw("MUTE", "10.0.0.3", {{"mode", "silent"}}), sw("A", "10.0.0.5")};
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, fleet)});
        QVERIFY(sim.is_ready());
        ensure_socket();
        // A time-out box, and a receiver of a result, may both start a request.
        QString inner_login;
        during_alert = [&] {
            link->login_device("", "admin123", "A");
            inner_login = reply_member(link->last_reply_document(), "login");
        };
        const auto receiver = connect(link, &ORB_CONN2DEVICE::qt2html_udp, this, [&](const QJsonObject& o) {
            if (o["data"].toObject()["ports"].isDouble()) // the sysinfo answer
                link->html2qt_udp(request_text("portstatus", "A"), "");
        });
        timed([&] { link->send_request("", netcfg_request("MUTE", "10.0.0.30").release()); });
        during_alert = nullptr;
        QCOMPARE(alerts, 1);
        QCOMPARE(inner_login, QString("success"));

        timed([&] { link->html2qt_udp(request_text("sysinfo", "A"), ""); });
        disconnect(receiver);
        QCOMPARE(results.size(), 2);
        QCOMPARE(results[1]["data"].toObject()["ports"].toArray().size(), 10);
    }

    // Amid noise (garbage, oversized, undecodable, foreign tags, no tag, no
    // data) the answer is found. Switches are told apart by serial number:
    // several on one address are all listed, one switch answering twice is
    // listed once (its first answer), and answers without a serial number
    // are told apart by address.
    void noiseIsSkippedAndEverySwitchListedOnce()
    {
        const QJsonArray fleet = {sw("G", "10.0.1.1", {{"mode", "garbage"}, {"delay_ms", 50}}),
                                  sw("O", "10.0.1.2", {{"mode", "oversized"}, {"delay_ms", 100}}),
                                  sw("U", "10.0.1.3", {{"mode", "undecodable"}, {"delay_ms", 150}}),
                                  sw("F", "10.0.1.4", {{"mode", "foreign_tag"}, {"delay_ms", 200}}),
                                  sw("S", "10.0.1.5", {{"mode", "no_syn"}, {"delay_ms", 250}}),
                                  sw("D", "10.0.1.6", {{"mode", "no_data"}, {"delay_ms", 300}}),
                                  sw("FIRST", "10.0.2.1", {{"delay_ms", 900}}), sw("SAME_IP", "10.0.2.1"),
                                  sw("FIRST", "10.0.2.2", {{"delay_ms", 950}}),
                                  sw("BARE", "10.0.2.3", {{"mode", "missing_fields"}}), sw("", "10.0.2.4"),
                                  sw("", "10.0.2.4"), sw("", "10.0.2.5")};
        SwitchSimulator sim({"--fleet", SwitchSimulator::write_fleet(dir, fleet)});
        QVERIFY(sim.is_ready());
        ensure_socket();
        timed([&] { link->html2qt_udp(request_text("sysinfo", "FIRST"), ""); });
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0]["data"].toObject()["ip"].toString(), QString("10.0.2.1"));
        timed([&] { link->login_device("", "admin123", "FIRST"); });
        QCOMPARE(reply_member(link->last_reply_document(), "login"), QString("success"));

        const auto handover = connect(link, &ORB_CONN2DEVICE::get_local_project, this, [this] {
            link->set_local_device(cJSON_Parse(R"({"local_device":[)"
                                               R"({"ip":"10.0.2.1","sn":"FIRST","active":"active","x":1},)"
                                               R"({"ip":"10.0.2.9","active":"active"},)"
                                               R"({"ip":"10.0.2.3","sn":"BARE","active":"active"}]})"));
        });
        QList<int> progress;
        const auto counting = connect(link, &ORB_CONN2DEVICE::search_progress, this, [&](int n) { progress.append(n); });
        timed([&] { link->search_device(true, "lo"); });
        disconnect(handover);
        disconnect(counting);
        QCOMPARE(results.size(), 1);
        const QJsonArray devices = results[0]["device"].toArray();
        QStringList listed;
        for (const QJsonValue& d : devices)
            listed.append(d["sn"].toString() + "@" + d["ip"].toString());
        QCOMPARE(listed, (QStringList{"SAME_IP@10.0.2.1", "BARE@10.0.2.3", "@10.0.2.4", "@10.0.2.5", "FIRST@10.0.2.1"}));
        QCOMPARE(devices[1].toObject(), (QJsonObject{{"pid", "0"}, {"ip", "10.0.2.3"}, {"sn", "BARE"}, {"mac", ""},
                                                     {"model", "GS2408P"}, {"active", "active"}, {"V", "---"}}));
        QCOMPARE(results[0]["local_device"].toArray(),
                 (QJsonArray{QJsonObject{{"ip", "10.0.2.1"}, {"sn", "FIRST"}, {"active", "active"}}}));
        QCOMPARE(device_lists.size(), 1);
        QCOMPARE(QJsonDocument::fromJson(device_lists[0]).array(), devices);
        // Progress came while the search collected, and reached the final count.
        QVERIFY(progress.size() >= 20);
        QCOMPARE(progress.last(), 5);
    }

    // A host that answers a search with a flood of tag-correct replies from
    // 50,000 made-up switches, oversized and endless-field ones among them.
    void aFloodedSearchStaysBounded()
    {
        SwitchSimulator flood({"--count", "0", "--flood", "50000", "--flood-seconds", "8"});
        QVERIFY(flood.is_ready());
        ensure_socket();
        const qint64 ms = timed([&] { link->search_device(true, "lo"); });
#ifndef __SANITIZE_ADDRESS__ // the sanitizer build checks memory, not speed
        QVERIFY2(ms < 5000 + 5000, qPrintable(QString::number(ms)));
#endif
        QCOMPARE(results.size(), 1);
        const QJsonArray devices = results[0]["device"].toArray();
        QVERIFY(devices.size() > 0 && devices.size() <= 10000);
        QVERIFY(link->switches_left_out() > 0 || devices.size() < 10000);
        for (const QJsonValue& device : devices) {
            for (const QJsonValue& field : device.toObject())
                QVERIFY(field.toString().toUtf8().size() <= 64);
            // Every fiftieth switch answers with over 4 KiB: never listed.
            QVERIFY(device.toObject()["sn"].toString().mid(5, 6).toInt() % 50 != 0); // FLOOD<number>
        }
    }

    void deviceHandover()
    {
        QSignalSpy updates(link, &ORB_CONN2DEVICE::update_local_project);
        link->device2local(R"({"ip":["10.0.0.1"],"sn":["A"],"mac":["m"],"model":["GS2408P"],)"
                           R"("passwd":["p"],"active":["active"]})");
        QCOMPARE(updates.size(), 1);
        QVERIFY(cJSON_IsArray(cJSON_GetObjectItemCaseSensitive(link->local_device_document(), "passwd")));
        link->device2local("{not json");
        QCOMPARE(updates.size(), 2);
        QVERIFY(!link->local_device_document());
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_device_link.moc"
