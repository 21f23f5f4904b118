// Commission on sight's bookkeeping over watch rounds: which planned switch
// is due, which is done, which failed, and that none is tried twice an arming.

#include "device/sight_plan.h"

#include <QTest>

namespace {

QJsonObject listed(const QString& sn, const QString& ip)
{
    return {{"sn", sn}, {"ip", ip}, {"active", "active"}};
}

QStringList serials(const QList<ORB_SightPlan::Due>& due)
{
    QStringList list;
    for (const ORB_SightPlan::Due& d : due)
        list << d.planned.sn + " " + d.ip;
    return list;
}

} // namespace

class TestSightPlan : public QObject
{
    Q_OBJECT

    ORB_SightPlan plan;

private slots:
    void init()
    {
        plan = ORB_SightPlan();
        plan.arm({{"A", "10.0.0.101", "255.255.255.0", "10.0.0.1", "10.0.0.1"},
                  {"B", "10.0.0.102", "255.255.255.0", "10.0.0.1", "10.0.0.1"},
                  {"C", "10.0.0.103", "255.255.255.0", "10.0.0.1", "10.0.0.1"},
                  {"D", "10.0.0.104", "255.255.255.0", "10.0.0.1", "10.0.0.1"}});
    }

    void eachSwitchOnceAnArming()
    {
        // D is already where the plan wants it; OTHER is not planned.
        const QList<ORB_SightPlan::Due> due = plan.take_round(
            {listed("A", "10.0.0.11"), listed("B", "10.0.0.12"), listed("D", "10.0.0.104"), listed("OTHER", "10.0.0.9")},
            true);
        QCOMPARE(serials(due), (QStringList{"A 10.0.0.11", "B 10.0.0.12"}));
        QCOMPARE(plan.state_word("D"), QString("done"));
        QCOMPARE(plan.state_word("C"), QString("waiting"));
        QVERIFY(!plan.plans("OTHER"));
        plan.settings_taken("A");
        plan.failed("B", "passwordRefused");

        // The next round: A is confirmed, B is not tried again, C comes up.
        QCOMPARE(serials(plan.take_round({listed("A", "10.0.0.101"), listed("B", "10.0.0.12"),
                                          listed("C", "10.0.0.13"), listed("D", "10.0.0.104")},
                                         true)),
                 QStringList{"C 10.0.0.13"});
        QCOMPARE(plan.state_word("A"), QString("done"));
        QCOMPARE(plan.state_word("B"), QString("failed"));
        const ORB_SightPlan::Counts c = plan.counts();
        QCOMPARE((QList<int>{c.waiting, c.setting_up, c.done, c.failed}), (QList<int>{0, 1, 2, 1}));

        // Retried when the person asks, then done: the plan is all done.
        plan.retry_failed();
        plan.failed("C", "noAnswer");
        QCOMPARE(serials(plan.take_round({listed("B", "10.0.0.12")}, true)), QStringList{"B 10.0.0.12"});
        plan.settings_taken("B");
        plan.take_round({listed("B", "10.0.0.102")}, true);
        QCOMPARE(plan.state_word("B"), QString("done"));
        QVERIFY(!plan.all_done()); // C failed
    }

    // A switch that took its settings and the next round does not find at
    // its planned address fails; a round that lost answers decides nothing.
    void theNextRoundConfirms()
    {
        plan.take_round({listed("A", "10.0.0.11"), listed("B", "10.0.0.12")}, true);
        plan.settings_taken("A");
        plan.settings_taken("B");
        plan.take_round({listed("B", "10.0.0.12")}, false);
        QCOMPARE(plan.state_word("A"), QString("settingUp"));
        QCOMPARE(plan.state_word("B"), QString("failed"));
        plan.take_round({}, true);
        QCOMPARE(plan.state_word("A"), QString("failed"));
        QCOMPARE(plan.states()[0].toObject(),
                 (QJsonObject{{"sn", "A"}, {"newIp", "10.0.0.101"}, {"state", "failed"}, {"reason", "notFound"}}));
        QCOMPARE(plan.states()[1].toObject(), (QJsonObject{{"sn", "B"}, {"newIp", "10.0.0.102"}, {"state", "failed"},
                                                           {"reason", "elsewhere"}, {"at", "10.0.0.12"}}));
    }
};

QTEST_GUILESS_MAIN(TestSightPlan)
#include "test_sight_plan.moc"
