// The marks a watch gives between rounds, along one site's story.

#include "device/watch_rounds.h"

#include <QTest>

namespace {

QJsonObject sw(const char* sn, const char* ip, const char* active = "active")
{
    return {{"sn", sn}, {"ip", ip}, {"active", active}, {"model", "GS2408P"}};
}

// "sn:mark" for every switch of the marked list, in its order.
QStringList marks(const ORB_WatchRounds& rounds)
{
    QStringList out;
    for (const QJsonValue& d : rounds.marked_list())
        out.append(d["sn"].toString() + ":" + d["watch"].toString());
    return out;
}

QString counts(const ORB_WatchRounds::Counts& c)
{
    return QString("%1 found %2 new %3 missing %4 changed").arg(c.found).arg(c.fresh).arg(c.missing).arg(c.changed);
}

} // namespace

class TestWatchRounds : public QObject
{
    Q_OBJECT

    const QDateTime t0{QDate(2026, 12, 7), QTime(9, 0, 0)};

private slots:
    void aSiteBeingPoweredUp()
    {
        ORB_WatchRounds rounds;
        // The first round sets the scene; a second answer of a switch is no other switch.
        QCOMPARE(counts(rounds.add_round({sw("A", "10.0.0.1"), sw("B", "10.0.0.2"), sw("A", "10.0.0.9")}, t0)),
                 QString("2 found 0 new 0 missing 0 changed"));
        QCOMPARE(marks(rounds), QStringList({"A:", "B:"}));

        // C comes up; B restarts at another address.
        QCOMPARE(counts(rounds.add_round({sw("C", "10.0.0.3"), sw("B", "10.0.0.20"), sw("A", "10.0.0.1")},
                                         t0.addSecs(15))),
                 QString("3 found 1 new 0 missing 1 changed"));
        QCOMPARE(marks(rounds), QStringList({"A:", "B:changed", "C:new"}));
        QCOMPARE(rounds.marked_list().at(1)["wasIp"].toString(), QString("10.0.0.2"));
        QCOMPARE(rounds.marked_list().at(1)["wasActive"].toBool(), true);
        QCOMPARE(rounds.marked_list().at(1)["ip"].toString(), QString("10.0.0.20"));

        // B goes quiet: kept, missing, with when it was last seen.
        QCOMPARE(counts(rounds.add_round({sw("A", "10.0.0.1"), sw("C", "10.0.0.3")}, t0.addSecs(30))),
                 QString("2 found 0 new 1 missing 0 changed"));
        QCOMPARE(marks(rounds), QStringList({"A:", "B:missing", "C:"}));
        QCOMPARE(rounds.marked_list().at(1)["lastSeen"].toString(), QString("09:00:15"));

        // Nobody answers: every switch is missing.
        QCOMPARE(counts(rounds.add_round({}, t0.addSecs(45))), QString("0 found 0 new 3 missing 0 changed"));
        QCOMPARE(marks(rounds), QStringList({"A:missing", "B:missing", "C:missing"}));

        // Found again: the missing mark goes, and a switch keeps its place.
        QCOMPARE(counts(rounds.add_round({sw("B", "10.0.0.20"), sw("A", "10.0.0.1", "not_active")}, t0.addSecs(60))),
                 QString("2 found 0 new 1 missing 1 changed"));
        QCOMPARE(marks(rounds), QStringList({"A:changed", "B:", "C:missing"}));

        // A round that lost answers marks nothing missing that was there; what
        // was missing stays so.
        QCOMPARE(counts(rounds.add_round({sw("A", "10.0.0.1", "not_active")}, t0.addSecs(75), false)),
                 QString("1 found 0 new 1 missing 0 changed"));
        QCOMPARE(marks(rounds), QStringList({"A:", "B:", "C:missing"}));

        rounds.reset();
        rounds.add_round({sw("D", "10.0.0.4")}, t0);
        QCOMPARE(marks(rounds), QStringList({"D:"}));
    }

    // A host that answers every round with new serial numbers: the rounds
    // keep their capacity, forgetting the switches missing the longest first.
    void theRoundsForgetTheLongestMissingFirst()
    {
        ORB_WatchRounds rounds(3);
        rounds.add_round({sw("A", "10.0.0.1"), sw("B", "10.0.0.2")}, t0);
        rounds.add_round({sw("B", "10.0.0.2"), sw("C", "10.0.0.3")}, t0.addSecs(10));
        ORB_WatchRounds::Counts c = rounds.add_round({sw("B", "10.0.0.2"), sw("D", "10.0.0.4")}, t0.addSecs(20));
        QCOMPARE(c.forgotten, 1); // A, last seen at t0, before C
        QCOMPARE(marks(rounds), QStringList({"B:", "C:missing", "D:new"}));
        c = rounds.add_round({sw("E", "10.0.0.5"), sw("F", "10.0.0.6"), sw("G", "10.0.0.7")}, t0.addSecs(30));
        QCOMPARE(c.forgotten, 3);
        QCOMPARE(counts(c), QString("3 found 3 new 0 missing 0 changed"));
        QCOMPARE(marks(rounds), QStringList({"E:new", "F:new", "G:new"}));
    }
};

QTEST_GUILESS_MAIN(TestWatchRounds)
#include "test_watch_rounds.moc"
