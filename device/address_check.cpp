#include "address_check.h"

#include "codec/cjson_util.h"
#include "codec/ipv4_text.h"
#include "device/orb_conn2device.h"

#include <QEventLoop>

namespace {

// What the page shows of an answer's time: the wording says when no host
// answered, never that an address is free.
constexpr char TIME_FORMAT[] = "HH:mm";

const char* state_word(ORB_AddressProbe::State state)
{
    switch (state) {
    case ORB_AddressProbe::State::InUse:
        return "inUse";
    case ORB_AddressProbe::State::Silent:
        return "silent";
    default:
        return "notChecked";
    }
}

QString address_text(quint32 address)
{
    return QHostAddress(address).toString();
}

} // namespace

ORB_AddressCheck::ORB_AddressCheck(ORB_CONN2DEVICE* device_link, QObject* parent)
    : QObject(parent)
    , device_link(device_link)
{
    connect(&page_probe, &ORB_AddressProbe::finished, this, &ORB_AddressCheck::answer_page);
}

void ORB_AddressCheck::check_for_page(const QString& request_text)
{
    page_request = qjson_object_from_text(request_text.toUtf8());
    QVector<quint32> addresses;
    for (const QJsonValue& address : page_request["addresses"].toArray())
        if (const std::optional<quint32> value = ORB_Ipv4Text::value(address.toString()))
            addresses.append(*value);
    page_probe.start(page_request["nic"].toString(), addresses);
}

void ORB_AddressCheck::answer_page()
{
    const QString nic = page_request["nic"].toString();
    const QHash<quint32, ORB_AddressProbe::Result> results = page_probe.results();
    remember(nic, results);
    QJsonArray listed;
    for (auto it = results.begin(); it != results.end(); ++it) {
        QJsonObject result{{"ip", address_text(it.key())}, {"state", state_word(it->state)},
                           {"at", it->at.toString(TIME_FORMAT)}};
        if (!it->mac.isEmpty())
            result.insert("mac", it->mac);
        listed.append(result);
    }
    QJsonObject answer{{"command", "addressCheck"}, {"id", page_request["id"]}, {"nic", nic}, {"results", listed},
                       {"unheld", QJsonArray::fromStringList(unheld_subnets(nic, page_request["subnets"].toArray()))}};
    if (page_probe.unavailable() != ORB_AddressProbe::Unavailable::None) {
        answer.insert("unavailable", word(page_probe.unavailable()));
        answer.insert("detail", page_probe.unavailable_detail());
    }
    device_link->tell_page(answer);
}

ORB_AddressCheck::Findings ORB_AddressCheck::check_before_change(const QString& nic, const QStringList& addresses)
{
    Findings findings;
    QVector<quint32> stale;
    const QDateTime fresh_since = QDateTime::currentDateTime().addMSecs(-FRESH_MS);
    const QHash<quint32, ORB_AddressProbe::Result>& found = known[nic];
    for (const QString& text : addresses) {
        const std::optional<quint32> address = ORB_Ipv4Text::value(text);
        if (!address)
            continue;
        const auto it = found.constFind(*address);
        if (it != found.constEnd() && it->at >= fresh_since)
            findings.by_address.insert(text, *it);
        else if (!stale.contains(*address))
            stale.append(*address);
    }
    if (stale.isEmpty())
        return findings;
    // A probe of its own: a change asked meanwhile (the tree's, beside a
    // plan's) waits on its own.
    ORB_AddressProbe probe;
    QEventLoop loop;
    connect(&probe, &ORB_AddressProbe::finished, &loop, &QEventLoop::quit);
    ++waiting;
    probe.start(nic, stale);
    loop.exec();
    --waiting;
    const QHash<quint32, ORB_AddressProbe::Result> results = probe.results();
    remember(nic, results);
    for (auto it = results.begin(); it != results.end(); ++it)
        findings.by_address.insert(address_text(it.key()), *it);
    findings.unavailable = probe.unavailable();
    findings.detail = probe.unavailable_detail();
    return findings;
}

void ORB_AddressCheck::remember(const QString& nic, const QHash<quint32, ORB_AddressProbe::Result>& results)
{
    QHash<quint32, ORB_AddressProbe::Result>& found = known[nic];
    for (auto it = results.begin(); it != results.end(); ++it) {
        if (it->state == ORB_AddressProbe::State::NotChecked)
            found.remove(it.key()); // probed again next time: the reason may be gone
        else
            found.insert(it.key(), *it);
    }
}

QStringList ORB_AddressCheck::unheld_subnets(const QString& nic, const QJsonArray& subnets)
{
    const QList<QNetworkAddressEntry> held = ORB_AddressProbe::ipv4_subnets(nic);
    QStringList unheld;
    for (const QJsonValue& subnet : subnets) {
        const std::optional<quint32> ip = ORB_Ipv4Text::value(subnet["ip"].toString());
        const std::optional<quint32> mask = ORB_Ipv4Text::value(subnet["mask"].toString());
        if (!ip || !mask)
            continue;
        // The PC reaches the whole plan subnet when one of its own subnets covers it.
        bool holds = false;
        for (const QNetworkAddressEntry& entry : held) {
            const quint32 own_mask = entry.netmask().toIPv4Address();
            holds = holds
                || (entry.prefixLength() <= int(qPopulationCount(*mask))
                    && (entry.ip().toIPv4Address() & own_mask) == (*ip & own_mask));
        }
        const QString text = QString("%1/%2").arg(address_text(*ip & *mask)).arg(qPopulationCount(*mask));
        if (!holds && !unheld.contains(text))
            unheld.append(text);
    }
    return unheld;
}

QString ORB_AddressCheck::in_use_text(const QString& address, const QString& mac)
{
    return mac.isEmpty() ? tr("%1 is in use by a host that did not give its hardware address").arg(address)
                         : tr("%1 is in use by %2").arg(address, mac);
}

QString ORB_AddressCheck::unavailable_text(ORB_AddressProbe::Unavailable why, const QString& detail)
{
    switch (why) {
    case ORB_AddressProbe::Unavailable::NoPing:
        return tr("The addresses could not be checked: this system allows no unprivileged ping "
                  "(net.ipv4.ping_group_range).");
    case ORB_AddressProbe::Unavailable::OtherPlatform:
        return tr("The addresses could not be checked: this program cannot probe addresses on this system.");
    case ORB_AddressProbe::Unavailable::NoInterface:
        return tr("The addresses could not be checked: the interface has no IPv4 address.");
    case ORB_AddressProbe::Unavailable::Failed:
        return tr("The addresses could not be checked: %1.").arg(detail);
    default:
        return QString();
    }
}

const char* ORB_AddressCheck::word(ORB_AddressProbe::Unavailable why)
{
    switch (why) {
    case ORB_AddressProbe::Unavailable::NoPing:
        return "noPing";
    case ORB_AddressProbe::Unavailable::OtherPlatform:
        return "otherPlatform";
    case ORB_AddressProbe::Unavailable::NoInterface:
        return "noInterface";
    case ORB_AddressProbe::Unavailable::Failed:
        return "failed";
    default:
        return "";
    }
}
