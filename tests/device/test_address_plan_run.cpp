// An address plan against the switch simulator, without a window: every way
// a switch can fail a plan, the words the page translates for each, a plan
// sent while one runs, a plan that waits for the page's request, and a plan
// the program refuses before any switch is asked.

#include "device/address_plan_run.h"
#include "device/orb_conn2device.h"
#include "tests/support/plan_text.h"
#include "tools/drive/switch_simulator.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QJsonObject sw(const QString& sn, const QString& ip, const QVariantMap& extra = {})
{
    QVariantMap s{{"sn", sn}, {"ip", ip}, {"password", "admin123"}, {"model", "GS2408P"}, {"active", true}};
    s.insert(extra);
    return QJsonObject::fromVariantMap(s);
}

} // namespace

class TestAddressPlanRun : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SwitchSimulator> sim;
    ORB_CONN2DEVICE* link = nullptr;
    ORB_AddressPlanRun* run = nullptr;
    QList<QJsonObject> told; // everything the page was told, in order

    QList<QJsonObject> told_of(const QString& command) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject& m : told)
            if (m["command"] == command)
                found.append(m);
        return found;
    }

    // Each switch's last planStep: state, and reason with its detail, as one
    // text: "failed noAnswer".
    QHash<QString, QString> outcomes() const
    {
        QHash<QString, QString> texts;
        for (const QJsonObject& m : told_of("planStep")) {
            QString text = m["state"].toString();
            for (const char* detail : {"reason", "at", "other"})
                if (m.contains(detail))
                    text += " " + m[detail].toString();
            texts.insert(m["sn"].toString(), text);
        }
        return texts;
    }

private slots:
    void initTestCase()
    {
        // The simulated switches restart in a second.
        qputenv("ORB_PLAN_RESTART_WAIT_MS", "2500");
        const QJsonArray fleet{sw("NEW1", "10.7.0.21", {{"active", false}, {"password", ""}}),
                               sw("NOPW", "10.7.0.22", {{"password", "nobody-knows"}}), sw("GONE", "10.7.0.23"),
                               sw("KEEP", "10.7.0.24"), sw("LOCKED", "10.7.0.25", {{"mode", "refuses_settings"}}),
                               sw("ACT", "10.7.0.26"), sw("LOST", "10.7.0.27"), sw("STAYS", "10.7.0.28"),
                               sw("WRONG", "10.7.0.29", {{"password", "other-pass"}}), sw("PAGE", "10.7.0.30")};
        sim = std::make_unique<SwitchSimulator>(
            QStringList{"--fleet", SwitchSimulator::write_fleet(dir, fleet, 1000), "--control", dir.filePath("control")});
        QVERIFY(sim->is_ready());
        link = new ORB_CONN2DEVICE(this);
        run = new ORB_AddressPlanRun(
            link, [] { return QHash<QString, QString>{{"GONE", "admin123"}, {"KEEP", "admin123"}, {"LOCKED", "admin123"}}; },
            nullptr, this);
        connect(link, &ORB_CONN2DEVICE::qt2html_device_udp, this, [this](const QJsonObject& m) { told.append(m); });
        link->search_device(false, "lo");
        QCOMPARE(link->last_search().size(), fleet.size());
    }

    void init() { told.clear(); }

    // Without a typed password: a new switch cannot be activated, a switch
    // whose password the project does not store cannot be logged in to, one
    // that went quiet does not answer, one refuses its settings; the one
    // that takes them is confirmed by the search.
    void withoutATypedPassword()
    {
        QVERIFY(sim->tell("mute GONE"));
        run->run(plan_text({plan_step("NEW1", "10.7.0.21", "10.7.0.121", false), plan_step("NOPW", "10.7.0.22", "10.7.0.122"),
                           plan_step("GONE", "10.7.0.23", "10.7.0.123"), plan_step("KEEP", "10.7.0.24", "10.7.0.124"),
                           plan_step("LOCKED", "10.7.0.25", "10.7.0.125")}, ""));
        QVERIFY(sim->tell("unmute GONE"));
        QCOMPARE(outcomes(), (QHash<QString, QString>{{"NEW1", "failed needsPassword"}, {"NOPW", "failed noPassword"},
                                                      {"GONE", "failed noAnswer"}, {"KEEP", "confirmed"},
                                                      {"LOCKED", "failed settingsRefused"}}));
        QCOMPARE(told_of("planDone"), (QList<QJsonObject>{{{"command", "planDone"}, {"total", 5}}}));
        QCOMPARE(run->outcome_text(), QString("Address plan done: 1 of 5 switches answer at their new addresses."));
        QCOMPARE(run->outcomes().value("KEEP")["oldIp"].toString(), QString("10.7.0.24"));
    }

    // With a typed password: an activation the switch refuses, a password it
    // refuses, and two switches the confirming search does not find at their
    // new address (one is gone, one still answers at its old one). A second
    // plan sent meanwhile is not run, and the plan waits for the page's
    // request that is under way when it comes.
    void withATypedPassword()
    {
        const QString second = plan_text({plan_step("PAGE", "10.7.0.30", "10.7.0.130")}, "admin123");
        bool second_sent = false;
        const auto reactions = connect(link, &ORB_CONN2DEVICE::qt2html_device_udp, this, [&](const QJsonObject& m) {
            if (m["state"] == QString("restarting") && m["sn"] == QString("LOST"))
                QVERIFY(sim->tell("mute LOST"));
            if (m["state"] == QString("restarting") && m["sn"] == QString("STAYS"))
                QVERIFY(sim->tell("move STAYS 10.7.0.28"));
            if (m["command"] == QString("planStep") && !second_sent) {
                second_sent = true;
                run->run(second);
            }
        });
        QVERIFY(sim->tell("hold PAGE"));
        QSignalSpy answers(link, &ORB_CONN2DEVICE::qt2html_udp);
        const QString first =
            plan_text({plan_step("ACT", "10.7.0.26", "10.7.0.126", false), plan_step("WRONG", "10.7.0.29", "10.7.0.129"),
                              plan_step("LOST", "10.7.0.27", "10.7.0.127"), plan_step("STAYS", "10.7.0.28", "10.7.0.128")}, "admin123");
        QTimer::singleShot(0, this, [&] {
            run->run(first); // the page's request waits: the plan follows it
            QVERIFY(told.isEmpty());
            QVERIFY(sim->tell("release PAGE"));
        });
        link->html2qt_udp(R"({"callcmd":"sysinfo","sn":"PAGE"})", "");
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers[0][0].toJsonObject()["data"].toObject()["sn"].toString(), QString("PAGE"));
        QTRY_VERIFY_WITH_TIMEOUT(!told_of("planDone").isEmpty(), 30000);
        disconnect(reactions);
        QVERIFY(sim->tell("unmute LOST"));

        QVERIFY(second_sent);
        QCOMPARE(outcomes(), (QHash<QString, QString>{{"ACT", "failed activationRefused"},
                                                      {"WRONG", "failed passwordRefused"},
                                                      {"LOST", "unconfirmed notFound"},
                                                      {"STAYS", "unconfirmed elsewhere 10.7.0.28"}}));
        QCOMPARE(told_of("planDone"), (QList<QJsonObject>{{{"command", "planDone"}, {"total", 4}}}));
    }

    // A step with no serial number, or two switches planned on one address,
    // make the whole plan unsound: no switch is asked anything, and each is
    // told why.
    void aPlanTheProgramRefuses()
    {
        const int requests_before = sim->requests().size();
        run->run(plan_text({plan_step("", "10.7.0.24", "10.7.0.150"), plan_step("KEEP", "10.7.0.124", "10.7.0.151"),
                                   plan_step("PAGE", "10.7.0.30", "10.7.0.152"), plan_step("ACT", "10.7.0.26", "10.7.0.152")}, "admin123"));
        QCOMPARE(outcomes(), (QHash<QString, QString>{{"", "failed invalidPlan"}, {"KEEP", "failed planRefused"},
                                                      {"PAGE", "failed duplicate"}, {"ACT", "failed duplicate"}}));
        QCOMPARE(told_of("planDone"), (QList<QJsonObject>{{{"command", "planDone"}, {"total", 4}, {"refused", 3}}}));
        QCOMPARE(sim->requests().size(), requests_before);
    }
};

QTEST_GUILESS_MAIN(TestAddressPlanRun)
#include "test_address_plan_run.moc"
