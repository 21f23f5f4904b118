#include "address_plan_check.h"

#include "codec/ipv4_text.h"

#include <QHash>

namespace {

// A mask is ones, then zeros; all zeros is none.
bool is_mask(quint32 mask)
{
    const quint32 hosts = ~mask;
    return mask != 0 && (hosts & (hosts + 1)) == 0;
}

} // namespace

QVector<ORB_AddressPlanCheck::Problem> ORB_AddressPlanCheck::check(const QVector<Entry>& plan,
                                                                   const QMultiHash<QString, QString>& listed)
{
    QHash<QString, int> serials, addresses;
    for (const Entry& entry : plan) {
        ++serials[entry.sn];
        ++addresses[entry.new_ip];
    }
    QVector<Problem> problems;
    problems.reserve(plan.size());
    for (const Entry& entry : plan)
        problems.append(problem_of(entry, serials.value(entry.sn), addresses.value(entry.new_ip), listed));
    return problems;
}

ORB_AddressPlanCheck::Problem ORB_AddressPlanCheck::problem_of(const Entry& entry, int times_planned,
                                                               int address_planned,
                                                               const QMultiHash<QString, QString>& listed)
{
    if (entry.sn.isEmpty())
        return {"invalidPlan", {}};
    if (times_planned > 1)
        return {"twice", {}};
    if (const QString problem = settings_problem(entry); !problem.isEmpty())
        return {problem, {}};
    if (address_planned > 1)
        return {"duplicate", {}};
    for (auto it = listed.find(entry.new_ip); it != listed.end() && it.key() == entry.new_ip; ++it)
        if (it.value() != entry.sn)
            return {"collides", it.value()};
    return {};
}

QString ORB_AddressPlanCheck::settings_problem(const Entry& entry)
{
    const std::optional<quint32> ip = ORB_Ipv4Text::value(entry.new_ip);
    const std::optional<quint32> mask = ORB_Ipv4Text::value(entry.mask);
    const std::optional<quint32> gateway = ORB_Ipv4Text::value(entry.gateway);
    if (!ip)
        return "badAddress";
    if (!mask || !is_mask(*mask))
        return "badMask";
    if (!gateway)
        return "badGateway";
    if (!ORB_Ipv4Text::is_valid(entry.dns))
        return "badDns";
    const quint32 host = *ip & ~*mask;
    // Neither the subnet's own address nor its broadcast address is a host's.
    if ((*ip & *mask) != (*gateway & *mask) || host == 0 || host == ~*mask)
        return "leavesSubnet";
    if (*ip == *gateway)
        return "isGateway";
    return QString();
}
