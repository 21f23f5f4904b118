// switch-sim: a fleet of simulated switches on a private loopback network.
// It refuses to run where a real network interface is present: only
// loopback, or a test's own bridge and veth pairs inside the isolated namespace.

#include "sim_control.h"
#include "sim_fleet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QNetworkInterface>

#include <cstdio>

#ifdef Q_OS_LINUX
#include <cstring>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// The kernel driver behind an interface: "veth", "bridge", "e1000e"…
QString driver_of(const QString& name)
{
#ifdef Q_OS_LINUX
    ethtool_drvinfo info{};
    info.cmd = ETHTOOL_GDRVINFO;
    ifreq request{};
    std::strncpy(request.ifr_name, name.toUtf8().constData(), IFNAMSIZ - 1);
    request.ifr_data = reinterpret_cast<char*>(&info);
    const int descriptor = ::socket(AF_INET, SOCK_DGRAM, 0);
    const bool known = descriptor >= 0 && ::ioctl(descriptor, SIOCETHTOOL, &request) == 0;
    if (descriptor >= 0)
        ::close(descriptor);
    return known ? QString::fromUtf8(info.driver) : QString();
#else
    Q_UNUSED(name);
    return QString();
#endif
}

// Loopback, and the bridge and veth ends a test makes inside the isolated
// namespace to reach further ones (named with its prefix): a container's
// own eth0 is a veth too, and it leads out.
bool only_isolated_interfaces()
{
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const QString driver = driver_of(nic.name());
        const bool test_made = nic.name().startsWith("orbt") && (driver == "veth" || driver == "bridge");
        if (!(nic.flags() & QNetworkInterface::IsLoopBack) && !test_made)
            return false;
    }
    return true;
}

bool load_fleet(const QString& path, QVector<SimSwitch>* switches, SimFleet::Settings* settings, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    const CJsonPtr fleet(cJSON_Parse(file.readAll().constData()));
    const cJSON* list = cJSON_GetObjectItemCaseSensitive(fleet.get(), "switches");
    if (!cJSON_IsArray(list)) {
        *error = path + ": no \"switches\" array";
        return false;
    }
    const cJSON* restart = cJSON_GetObjectItemCaseSensitive(fleet.get(), "restart_ms");
    if (cJSON_IsNumber(restart))
        settings->restart_ms = restart->valueint;
    const cJSON* spread = cJSON_GetObjectItemCaseSensitive(fleet.get(), "search_spread_ms");
    if (cJSON_IsNumber(spread))
        settings->search_spread_ms = spread->valueint;
    const cJSON* item = nullptr;
    cJSON_ArrayForEach(item, list)
    {
        const char* mode = cjson_string_member(item, "mode");
        SimSwitch::Mode parsed;
        if (mode && !SimSwitch::parse_mode(mode, &parsed)) {
            *error = QString("unknown mode \"%1\"").arg(mode);
            return false;
        }
        switches->append(SimSwitch::from_json(item, switches->size()));
    }
    return true;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "switch-sim: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("A fleet of simulated switches on a private loopback network.");
    parser.addHelpOption();
    parser.addOptions({
        {"fleet", "Fleet file (JSON); the built-in default fleet otherwise.", "file"},
        {"count", "Generate a fleet of n ordinary switches instead.", "n"},
        {"not-activated", "With --count: the switches are new, not activated yet."},
        {"interface", "Interface to join the group on (default lo).", "name", "lo"},
        {"spread-ms", "Spread search answers evenly over this many ms.", "ms"},
        {"restart-ms", "How long a switch stays silent after a restart.", "ms"},
        {"log", "Print every request received as a JSON line."},
        {"flood", "Answer searches like a hostile host: a flood of replies from n made-up switches.", "n"},
        {"flood-seconds", "How long a flood lasts (default 8).", "s"},
        {"flood-tag-last", "The flood's replies carry their tag after their data."},
        {"control", "Take commands that change the fleet on a local socket at this path.", "path"},
        {"send", "Send one command to the simulator listening at this path, and exit.", "path"},
    });
    parser.addPositionalArgument("command", "With --send: add JSON, mute SN, unmute SN, move SN IP, hold SN or release SN.");
    parser.process(app);
    if (parser.isSet("send"))
        return SimControl::send(parser.value("send"), parser.positionalArguments().join(' '));

    if (!only_isolated_interfaces())
        return fail("a real network interface is present; run me inside tools/isolated-lan.sh");

    QVector<SimSwitch> switches;
    SimFleet::Settings settings;
    QString error;
    if (parser.isSet("count")) {
        const int count = parser.value("count").toInt();
        for (int i = 0; i < count; ++i) {
            switches.append(SimSwitch::generated(i));
            switches.last().active = !parser.isSet("not-activated");
        }
    } else if (!load_fleet(parser.isSet("fleet") ? parser.value("fleet") : ":/fleets/default.json", &switches,
                           &settings, &error)) {
        return fail(error);
    }
    if (parser.isSet("spread-ms"))
        settings.search_spread_ms = parser.value("spread-ms").toInt();
    if (parser.isSet("restart-ms"))
        settings.restart_ms = parser.value("restart-ms").toInt();
    settings.log_requests = parser.isSet("log");
    settings.flood_switches = parser.value("flood").toInt();
    if (parser.isSet("flood-seconds"))
        settings.flood_seconds = parser.value("flood-seconds").toInt();
    settings.flood_tag_last = parser.isSet("flood-tag-last");

    SimFleet fleet(switches, settings);
    if (!fleet.start(parser.value("interface"), &error))
        return fail(error);
    SimControl control(&fleet);
    if (parser.isSet("control") && !control.listen(parser.value("control"), &error))
        return fail(error);
    std::printf("switch-sim: %d switches on %s, ready\n", fleet.size(), qPrintable(parser.value("interface")));
    std::fflush(stdout);
    return app.exec();
}
