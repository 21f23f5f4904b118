// A plan's preview checks its addresses on the wire: on a bridge with two
// other hosts (a camera that answers pings, a printer that answers only
// address resolution), in the page of the real window. So does commission
// on sight.

#include "tools/drive/second_hosts.h"
#include "tools/drive/window_fixture.h"

#include <QJsonArray>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString BRIDGE = "orbtbr";
const QString CAMERA = "10.1.0.41", PRINTER = "10.1.0.42";

QJsonArray site()
{
    QJsonArray fleet;
    for (int i = 1; i <= 4; ++i)
        fleet.append(QJsonObject{{"sn", QString("SW%1").arg(i)}, {"ip", QString("10.1.0.%1").arg(10 + i)},
                                 {"password", "admin123"}, {"active", true}});
    return fleet;
}

} // namespace

class TestAddressConflicts : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SecondHosts> hosts;
    std::unique_ptr<WindowFixture> lan;
    PageDriver* page = nullptr;

    QString result_of(const QString& sn)
    {
        return page->text("#plan-preview tr[data-sn='" + sn + "'] td:last-child");
    }

    // Types the plan's first address and waits for the check on the wire.
    bool preview_from(const QString& first)
    {
        const QString before = page->run("String(document.getElementById('plan-wire').dataset.checked)").toString();
        page->type("plan-first", first);
        return page->wait_for("String(document.getElementById('plan-wire').dataset.checked) !== "
                                  + PageDriver::quoted(before),
                              10000);
    }

private slots:
    void initTestCase()
    {
        qputenv("ORB_PLAN_RESTART_WAIT_MS", "1000");
        QVERIFY(SecondHosts::allow_ping(true));
        hosts = std::make_unique<SecondHosts>(BRIDGE, "10.1.0.1/24",
                                              QStringList{CAMERA + "/24", PRINTER + "/24:silent"});
        QVERIFY(hosts->is_ready());
        lan = std::make_unique<WindowFixture>(
            QStringList{"--fleet", SwitchSimulator::write_fleet(dir, site(), 300), "--interface", BRIDGE});
        QVERIFY(lan->is_ready());
        page = lan->page.get();
        lan->choose_interface(BRIDGE);
        page->click("#search-button");
        QVERIFY(page->wait_for("Discovery.devices().length === 4", 20000));
        page->run("for (const row of document.querySelectorAll('#device-table tbody tr')) row.querySelector('input').click()");
        page->click("#plan-button");
        page->type("plan-gateway", "10.1.0.1");
    }

    // SW1 to SW4 from .40: the camera's and the printer's addresses are
    // refused with what answered there; the others say when nothing did.
    void hostsThatAnswerAreRefused()
    {
        QVERIFY(preview_from("10.1.0.40"));
        QCOMPARE(result_of("SW2"), CAMERA + " is in use by " + hosts->mac(CAMERA));
        QCOMPARE(result_of("SW3"), PRINTER + " is in use by " + hosts->mac(PRINTER));
        const QString at = result_of("SW1").section(' ', -1);
        QCOMPARE(result_of("SW1"), "no host answered at 10.1.0.40 at " + at);
        QCOMPARE(result_of("SW4"), "no host answered at 10.1.0.43 at " + at);
        QCOMPARE(page->text("#plan-summary"), QString("2 addresses cannot be used; the plan cannot be applied as it is."));
        QVERIFY(page->run("document.getElementById('plan-apply').disabled").toBool());
        QCOMPARE(page->text("#plan-wire"), QString()); // the gateway is the PC: it answers
    }

    // The program checks again what a page sends, and changes no switch.
    void theProgramRefusesThemToo()
    {
        const int before = lan->sim->requests_with({"netcfg"});
        page->run("Bridge.applyPlan({nic: 'orbtbr', password: 'admin123', switches: [{sn: 'SW1', ip: '10.1.0.11', "
                  "newIp: '10.1.0.42', mask: '255.255.255.0', gateway: '10.1.0.1', dns: '10.1.0.1', active: true}]})");
        QVERIFY(page->wait_for("document.getElementById('plan-summary').textContent.startsWith('The program refused')",
                               10000));
        QCOMPARE(lan->sim->requests_with({"netcfg"}), before);
    }

    // Another subnet: the PC holds no address in it, so nothing there is
    // probed, and the preview says what that means after the plan.
    void aSubnetThePcDoesNotHold()
    {
        page->type("plan-gateway", "10.2.0.1");
        QVERIFY(preview_from("10.2.0.10"));
        QCOMPARE(page->text("#plan-wire"),
                 QString("This PC has no address in 10.2.0.0/24 on orbtbr: after the plan it cannot reach the switches' "
                         "new addresses, and the system browser cannot open them."));
        QCOMPARE(result_of("SW1"), QString());
        QCOMPARE(page->text("#plan-summary"), QString("4 switches: check the new addresses, then apply."));
    }

    // Where the system grants no ping socket, the preview says the addresses
    // could not be checked and why, and refuses nothing for it.
    void noPingAllowed()
    {
        QVERIFY(SecondHosts::allow_ping(false));
        const auto allow_again = qScopeGuard([] { SecondHosts::allow_ping(true); });
        page->type("plan-gateway", "10.1.0.1");
        QVERIFY(preview_from("10.1.0.41"));
        QCOMPARE(page->text("#plan-wire"),
                 QString("The addresses could not be checked: this system allows no unprivileged ping "
                         "(net.ipv4.ping_group_range). The plan can still be applied."));
        QCOMPARE(page->text("#plan-summary"), QString("4 switches: check the new addresses, then apply."));
    }

    // From .44 every address is silent: the plan goes, and no switch takes
    // either host's address. A silent gateway is a warning, not a refusal.
    void aPlanAroundThemIsApplied()
    {
        page->type("plan-gateway", "10.1.0.60");
        QVERIFY(preview_from("10.1.0.44"));
        const QString at = result_of("SW1").section(' ', -1);
        QCOMPARE(page->text("#plan-wire"),
                 "No host answered at the gateway 10.1.0.60 at " + at
                     + ": the switches may not reach other networks through it.");
        QCOMPARE(page->text("#plan-summary"), QString("4 switches: check the new addresses, then apply."));
        page->type("plan-password", "admin123");
        page->click("#plan-apply");
        QVERIFY(page->wait_for("document.getElementById('plan-summary').textContent.startsWith('4 of 4')", 30000));
        QCOMPARE(page->run("Discovery.devices().map((d) => d.ip).sort()").toStringList(),
                 (QStringList{"10.1.0.44", "10.1.0.45", "10.1.0.46", "10.1.0.47"}));
    }

    // A host at one switch's planned address fails that switch alone, with
    // what answered; the other one of the round is set up all the same.
    void onSightOnlyTheSwitchOfATakenAddressFails()
    {
        const int sw1_changes = lan->sim->requests_with({"netcfg", "SW1"});
        page->type("watch-interval", "5", "change");
        page->click("#watch-button");
        QVERIFY(page->wait_for("Discovery.watching()"));
        page->run("Bridge.commissionOnSight({on: true, nic: 'orbtbr', password: 'admin123', switches: ["
                  "{sn: 'SW1', newIp: '10.1.0.41', mask: '255.255.255.0', gateway: '10.1.0.1', dns: '10.1.0.1'},"
                  "{sn: 'SW2', newIp: '10.1.0.50', mask: '255.255.255.0', gateway: '10.1.0.1', dns: '10.1.0.1'}]})");
        QVERIFY(page->wait_for("document.getElementById('sight-status').textContent === 'Commission on sight on "
                               "orbtbr: 0 waiting, 0 setting up, 1 done, 1 failed.'",
                               40000));
        QCOMPARE(page->text("#device-table tr[data-sn='SW1'] .badge[class*='sight-']"),
                 "failed: " + CAMERA + " is in use by " + hosts->mac(CAMERA));
        QCOMPARE(lan->sim->requests_with({"netcfg", "SW1"}), sw1_changes);
        QCOMPARE(page->run("Discovery.devices().find((d) => d.sn === 'SW2').ip").toString(), QString("10.1.0.50"));
    }
};

QTEST_MAIN(TestAddressConflicts)

#include "test_address_conflicts.moc"
