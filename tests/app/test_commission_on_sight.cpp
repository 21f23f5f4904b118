// Commission on sight, a site story in the real window against the switch
// simulator's control socket: twelve planned switches come up in two groups
// while watch runs, each set up as a round finds it and confirmed by the
// next; one switch outside the plan is never asked; one refuses the
// password, fails, and takes the password typed for the retry; a dialog
// holds set-up back, a stop ends it; another interface ends it.

#include "tests/support/test_files.h"
#include "tools/drive/second_hosts.h"
#include "tools/drive/window_fixture.h"
#include "device/address_plan_run.h"
#include "ui/search_watch.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTimer>
#include <QTest>
#include <QTreeWidget>

namespace {

QString planned(int i)
{
    return QString("P%1").arg(i, 2, 10, QChar('0'));
}

QString planned_ip(int i)
{
    return QString("192.168.1.%1").arg(100 + i);
}

QString switch_on(const QString& sn, const QString& ip, const QString& password = "admin123")
{
    const QJsonObject s{{"sn", sn}, {"ip", ip}, {"password", password}, {"active", true}};
    return "add " + QString::fromUtf8(QJsonDocument(s).toJson(QJsonDocument::Compact));
}

// P07 keeps a password of its own; the others take the plan's.
QString switch_on(int i)
{
    return switch_on(planned(i), QString("192.168.1.%1").arg(10 + i), i == 7 ? "own-pass" : "admin123");
}

// The serial numbers of the journal's late steps, written as a round confirms a switch.
QStringList journaled_confirmations()
{
    QStringList serials;
    for (const QByteArray& line : read_file(QDir::currentPath() + "/log/journal/no-project.jsonl").split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry["kind"] == QString("planStep") && entry["state"] == QString("confirmed") && entry["sight"].toBool())
            serials.append(entry["sn"].toString());
    }
    serials.sort();
    return serials;
}

} // namespace

class TestCommissionOnSight : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> lan;
    PageDriver* page = nullptr;

    QString mark_of(const QString& sn)
    {
        return page->text("#device-table tr[data-sn='" + sn + "'] .badge[class*='sight-']");
    }

    bool sight_says(const QString& text, int timeout_ms)
    {
        if (page->wait_for("document.getElementById('sight-status').textContent === " + PageDriver::quoted(text),
                           timeout_ms))
            return true;
        qWarning() << "the sight bar says" << page->text("#sight-status");
        return false;
    }

    // The serial numbers of the simulator's requests of a command, in order.
    QStringList asked(const QString& command)
    {
        QStringList serials;
        for (const QJsonObject& data : lan->sim->asked(command))
            serials.append(data["sn"].toString());
        return serials;
    }

    // Arms commission on sight for switches not listed yet, with watch on.
    void arm_for(const QList<QPair<QString, QString>>& serials_and_addresses)
    {
        if (!page->run("Discovery.watching()").toBool())
            page->click("#watch-button");
        QVERIFY(page->wait_for("!document.getElementById('plan-sight').disabled"));
        page->click("#plan-button");
        page->type("plan-gateway", "192.168.1.1");
        page->type("plan-password", "admin123");
        for (const auto& [sn, ip] : serials_and_addresses) {
            page->type("plan-add-sn", sn);
            page->type("plan-add-ip", ip);
            page->click("#plan-add");
        }
        page->click("#plan-sight");
        QVERIFY(sight_says(QString("Commission on sight on lo: %1 waiting, 0 setting up, 0 done, 0 failed.")
                               .arg(serials_and_addresses.size()),
                           5000));
    }

    void plan_the_twelve()
    {
        // The plan form opens between rounds.
        QVERIFY(page->wait_for("!document.getElementById('plan-button').disabled", 15000));
        page->click("#plan-button");
        QVERIFY(page->wait_for("!document.getElementById('plan-dialog').hidden"));
        page->type("plan-gateway", "192.168.1.1");
        page->type("plan-password", "admin123");
        // P12 first takes P11's address, and is refused for it though not seen yet.
        for (int i = 1; i <= 13; ++i) {
            page->type("plan-add-sn", planned(std::min(i, 12)));
            page->type("plan-add-ip", planned_ip(i == 12 ? 11 : std::min(i, 12)));
            page->click("#plan-add");
            if (i == 12)
                QCOMPARE(page->text("#plan-preview tr[data-sn='P12'] td:last-child"),
                         QString("given to more than one switch"));
        }
    }

private slots:
    void initTestCase()
    {
        qputenv("ORB_PLAN_RESTART_WAIT_MS", "1000");
        const QJsonArray fleet{QJsonObject{{"sn", "OTHER"}, {"ip", "192.168.1.5"}, {"password", "admin123"},
                                           {"active", true}}};
        lan = std::make_unique<WindowFixture>(fleet, 300);
        QVERIFY(lan->is_ready());
        page = lan->page.get();
        lan->choose_loopback();
        page->type("watch-interval", "5", "change");
    }

    void aSiteComesUpInTwoGroups()
    {
        plan_the_twelve();
        QCOMPARE(page->text("#plan-preview tr[data-sn='P12'] td:nth-child(3)"), planned_ip(12));
        // Their addresses are checked before they are seen: this PC holds none of theirs.
        QVERIFY(page->wait_for("document.getElementById('plan-wire').dataset.checked !== undefined", 10000));
        QCOMPARE(page->text("#plan-wire"),
                 QString("This PC has no address in 192.168.1.0/24 on lo: after the plan it cannot reach the "
                         "switches' new addresses, and the system browser cannot open them."));
        QCOMPARE(page->text("#plan-summary"),
                 QString("Switches not listed yet: 12. Commission on sight sets each up when watch finds it; "
                         "Apply needs them listed."));
        QVERIFY(page->run("document.getElementById('plan-sight').disabled").toBool()); // watch is off
        page->click("#watch-button");
        QVERIFY(page->wait_for("!document.getElementById('plan-sight').disabled"));
        page->click("#plan-sight");
        QVERIFY(sight_says("Commission on sight on lo: 12 waiting, 0 setting up, 0 done, 0 failed.", 5000));
        QVERIFY(page->run("document.getElementById('plan-dialog').hidden").toBool());

        QElapsedTimer story;
        story.start();
        const int rounds_before = asked("search").size();
        for (int i = 1; i <= 6; ++i)
            QVERIFY(lan->sim->tell(switch_on(i)));
        QVERIFY(sight_says("Commission on sight on lo: 6 waiting, 0 setting up, 6 done, 0 failed.", 30000));
        QCOMPARE(mark_of("P03"), QString("done"));
        QCOMPARE(page->run("Discovery.devices().find((d) => d.sn === 'P03').ip").toString(), planned_ip(3));
        QCOMPARE(lan->tree()->findItems(planned_ip(3), Qt::MatchExactly).value(0)->text(1), QString("done"));

        // Three rounds after the first, the second group.
        QVERIFY(QTest::qWaitFor([&] { return asked("search").size() >= rounds_before + 3; }, 40000));
        for (int i = 7; i <= 12; ++i)
            QVERIFY(lan->sim->tell(switch_on(i)));
        QVERIFY(sight_says("Commission on sight on lo: 0 waiting, 0 setting up, 11 done, 1 failed.", 30000));
        QCOMPARE(mark_of("P07"), QString("failed: the password was refused"));
        QVERIFY(lan->status()->text().startsWith("Commission on sight on lo: "));

        // Tried once an arming: P07 failed when it was set up, the round
        // after that confirmed the others and did not ask it again; the
        // person retries it with its own password.
        QCOMPARE(asked("Security verification").count("P07"), 1);
        page->type("sight-password", "own-pass");
        page->click("#sight-retry");
        QVERIFY(sight_says("Commission on sight ended: every planned switch is done (0 waiting, 0 setting up, 12 done, "
                           "0 failed).",
                           30000));
        QVERIFY2(story.elapsed() < 90000, qPrintable(QString::number(story.elapsed())));
        QCOMPARE(lan->tree()->findItems(planned_ip(3), Qt::MatchExactly).value(0)->text(1), QString()); // marks gone

        // Each planned switch changed once, P07 too; the one outside the plan never asked.
        QStringList changed = asked("netcfg");
        changed.sort();
        QStringList expected;
        for (int i = 1; i <= 12; ++i)
            expected << planned(i);
        QCOMPARE(changed, expected);
        QCOMPARE(lan->sim->requests_with({"OTHER"}), 0);
        QCOMPARE(journaled_confirmations(), expected);
    }

    // A round that finds planned switches while a dialog is open leaves
    // them be until it closes (watch runs no round meanwhile, so the test
    // hands one over). Stopped during their set-up, it asks no switch more.
    void aDialogHoldsItBackAndAStopEndsIt()
    {
        arm_for({{"P96", "192.168.1.196"}, {"P97", "192.168.1.197"}});
        QDialog dialog(lan->window.get());
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QApplication::activeModalWidget() == &dialog);
        QVERIFY(lan->sim->tell(switch_on("P96", "192.168.1.96")));
        QVERIFY(lan->sim->tell(switch_on("P97", "192.168.1.97")));
        QVERIFY(lan->sim->tell("hold P96"));
        emit lan->window->findChild<ORB_SearchWatch*>()->round_done(
            QJsonArray{QJsonObject{{"sn", "P96"}, {"ip", "192.168.1.96"}, {"active", "active"}},
                       QJsonObject{{"sn", "P97"}, {"ip", "192.168.1.97"}, {"active", "active"}}},
            true, "lo");
        QVERIFY(sight_says("Commission on sight on lo: 0 waiting, 2 setting up, 0 done, 0 failed.", 5000));
        QTest::qWait(2000);
        QCOMPARE(lan->sim->requests_with({"P96"}) + lan->sim->requests_with({"P97"}), 0);

        // The set-up waits on P96 in a loop of its own: the stop comes from within.
        QTimer stopper;
        connect(&stopper, &QTimer::timeout, this, [&] {
            if (lan->sim->requests_with({"P96"}) > 0) {
                stopper.stop();
                page->click("#sight-stop");
            }
        });
        stopper.start(50);
        dialog.close();
        QVERIFY(sight_says("Commission on sight was stopped (0 waiting, 2 setting up, 0 done, 0 failed).", 30000));
        const auto* run = lan->window->findChild<ORB_AddressPlanRun*>();
        QVERIFY(QTest::qWaitFor([&] { return !run->is_running(); }, 30000));
        QVERIFY(lan->sim->tell("release P96"));
        QCOMPARE(lan->sim->requests_with({"P97"}), 0);
    }

    // Watch moved to another interface ends it before any switch is touched.
    void anotherInterfaceDisarmsIt()
    {
        SecondHosts bridge("orbtbr", "10.1.0.1/24", {});
        QVERIFY(bridge.is_ready());
        arm_for({{"P99", "192.168.1.199"}});
        page->run("Bridge.watch(true, 'orbtbr')");
        QVERIFY(sight_says("Commission on sight ended: another interface was chosen (1 waiting, 0 setting up, 0 done, "
                           "0 failed).",
                           5000));
        page->run("Bridge.watch(false, 'orbtbr')");
    }
};

QTEST_MAIN(TestCommissionOnSight)

#include "test_commission_on_sight.moc"
