// Commission on sight on a busy site, in the real window: 400 switches
// outside the plan answer every watch round, and 100 planned switches are
// powered up at once. From the planned switches' first answer (the round
// that finds them): when the first and the last of them is asked for its new
// settings, and when the page shows the last one done. The PC holds the
// plan's subnet on the watched bridge, so every set-up first checks its
// addresses on the wire, as on site.
//
// Run under Xvfb inside the isolated network:
//   QTWEBENGINE_DISABLE_SANDBOX=1 tools/isolated-lan.sh xvfb-run -a build/release/bench/bench_commission_on_sight

#include "bench/first_reply_watch.h"
#include "tools/drive/second_hosts.h"
#include "tools/drive/window_fixture.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <cstdio>

namespace {

constexpr int OTHERS = 400, PLANNED = 100;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QString planned(int i)
{
    return QString("PLAN%1").arg(i, 3, 10, QChar('0'));
}

QString planned_ip(int i)
{
    return QString("10.60.%1.%2").arg(i / 200).arg(10 + i % 200);
}

// When each switch was asked for its new settings, in milliseconds since the epoch.
QList<double> settings_asked(SwitchSimulator& sim)
{
    QList<double> asked;
    for (const QJsonObject& request : sim.requests())
        if (request["text"].toString().contains("\"netcfg\""))
            asked.append(request["ms"].toDouble());
    return asked;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qInstallMessageHandler(quiet);
    qputenv("ORB_PLAN_RESTART_WAIT_MS", "1000");
    if (!SecondHosts::allow_ping(true))
        return 1;
    SecondHosts bridge("orbtbr", "10.60.0.1/16", {});
    QJsonArray others;
    for (int i = 0; i < OTHERS; ++i)
        others.append(QJsonObject{{"sn", QString("SITE%1").arg(i, 3, 10, QChar('0'))},
                                  {"ip", QString("10.50.%1.%2").arg(i / 200).arg(10 + i % 200)},
                                  {"password", "admin123"}, {"active", true}});
    WindowFixture lan(others, 300, {"--interface", "orbtbr"});
    if (!bridge.is_ready() || !lan.is_ready())
        return 1;
    PageDriver& page = *lan.page;
    lan.choose_interface("orbtbr");
    page.type("watch-interval", "5", "change");
    page.click("#watch-button");
    page.wait_for("!document.getElementById('plan-button').disabled", 20000);
    page.click("#plan-button");
    page.type("plan-mask", "255.255.0.0");
    page.type("plan-gateway", "10.60.255.254");
    page.type("plan-password", "admin123");
    for (int i = 0; i < PLANNED; ++i) {
        page.type("plan-add-sn", planned(i));
        page.type("plan-add-ip", planned_ip(i));
        page.click("#plan-add");
    }
    page.click("#plan-sight");
    page.wait_for("document.getElementById('sight-status').textContent.includes('100 waiting')");

    FirstReplyWatch first_answer;
    for (int i = 0; i < PLANNED; ++i)
        lan.sim->tell("add " + QJsonDocument(QJsonObject{{"sn", planned(i)}, {"ip", QString("10.70.0.%1").arg(10 + i)},
                                                          {"password", "admin123"}, {"active", true}})
                                    .toJson(QJsonDocument::Compact));
    first_answer.arm();
    const bool done = page.wait_for(
        "document.getElementById('sight-status').textContent.includes('every planned switch is done')", 120000);
    const double all_done = first_answer.seconds_after_first();
    const QList<double> asked = settings_asked(*lan.sim);
    if (!done || asked.size() != PLANNED)
        return 1;
    std::printf("%d planned switches among %d others, from their first answer:\n", PLANNED, OTHERS);
    std::printf("  first asked for its settings  %.2f s\n", first_answer.ms_after_first(asked.first()) / 1000);
    std::printf("  last asked for its settings   %.2f s\n", first_answer.ms_after_first(asked.last()) / 1000);
    std::printf("  the page shows every one done %.2f s\n", all_done);
    return 0;
}
