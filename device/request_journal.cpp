#include "request_journal.h"

#include "codec/text_prefix.h"
#include "device/change_journal.h"

namespace {

// The longest reason taken from a switch's reply.
constexpr int REASON_LENGTH = 200;

QString data_text(const cJSON* reply, const char* name)
{
    return QString::fromUtf8(cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"), name))
        .left(REASON_LENGTH);
}

QString settings_verdict(const cJSON* reply)
{
    const cJSON* calldata =
        cJSON_GetObjectItemCaseSensitive(cJSON_GetObjectItemCaseSensitive(reply, "data"), "calldata");
    return QString::fromUtf8(cjson_string_member(calldata, "netcfg")).left(REASON_LENGTH);
}

} // namespace

QString ORB_RequestJournal::problem() const
{
    return change_journal ? change_journal->problem() : QString();
}

ORB_RequestJournal::Asked ORB_RequestJournal::activation(const QString& sn, const QString& ip, const Target& target)
{
    return ask({{"kind", "activate"}, {"ip", ip}}, sn, target);
}

ORB_RequestJournal::Asked ORB_RequestJournal::settings(const QString& sn, const QString& ip, const ORB_NetworkSettings& settings,
                                  const Target& target)
{
    // No switch tells its mask, gateway or DNS: only its old address is known.
    return ask({{"kind", "address"},
                {"oldIp", ip},
                {"newIp", settings.ip},
                {"mask", settings.mask},
                {"gateway", settings.gateway},
                {"dns", settings.dns}},
               sn, target);
}

ORB_RequestJournal::Asked ORB_RequestJournal::page_request(const cJSON* request, const Target& target)
{
    const QString sn = QString::fromUtf8(cjson_string_member(request, "sn"));
    return ask({{"kind", "request"}, {"callcmd", QString::fromUtf8(cjson_string_member(request, "callcmd"))}}, sn, target);
}

ORB_RequestJournal::Asked ORB_RequestJournal::ask(QJsonObject entry, const QString& sn, const Target& target)
{
    if (!change_journal)
        return {};
    entry.insert("sn", sn);
    entry.insert("mac", target.listed["mac"].toString());
    entry.insert("nic", target.nic);
    if (!plan.isEmpty())
        entry.insert("plan", plan);
    const QString id = change_journal->asked(entry);
    if (id.isEmpty())
        return {QJsonObject(), true};
    QJsonObject names{{"kind", entry["kind"]}, {"id", id}, {"sn", sn}};
    if (!plan.isEmpty())
        names.insert("plan", plan);
    return {names};
}

void ORB_RequestJournal::outcome(const Asked& asked, bool sent, const cJSON* reply)
{
    if (asked.names.isEmpty())
        return;
    const QString asked_kind = asked.names["kind"].toString();
    if (!sent) {
        change_journal->answered(asked.names, "refused", "notSent");
    } else if (!reply) {
        change_journal->answered(asked.names, "noAnswer");
    } else if (asked_kind == "activate" && !begins_with_word(
                   cjson_string_member(cJSON_GetObjectItemCaseSensitive(reply, "data"), "activate"), "success")) {
        change_journal->answered(asked.names, "refused", data_text(reply, "activate"));
    } else if (asked_kind == "address" && !ORB_NetworkSettings::accepted(reply)) {
        change_journal->answered(asked.names, "refused", settings_verdict(reply));
    } else {
        change_journal->answered(asked.names, "answered");
    }
}
