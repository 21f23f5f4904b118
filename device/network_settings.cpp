#include "network_settings.h"

CJsonPtr ORB_NetworkSettings::request(const QString& sn) const
{
    CJsonPtr request(cJSON_CreateObject());
    cJSON_AddStringToObject(request.get(), "callcmd", "netcfg");
    cJSON_AddStringToObject(request.get(), "sn", sn.toUtf8().constData());
    cJSON* settings = cJSON_AddObjectToObject(request.get(), "calldata");
    cJSON_AddNumberToObject(settings, "dhcp", 0);
    cJSON_AddStringToObject(settings, "ip", ip.toUtf8().constData());
    cJSON_AddStringToObject(settings, "gw", gateway.toUtf8().constData());
    cJSON_AddStringToObject(settings, "mask", mask.toUtf8().constData());
    cJSON_AddStringToObject(settings, "dns", dns.toUtf8().constData());
    return request;
}

bool ORB_NetworkSettings::accepted(const cJSON* reply)
{
    const cJSON* calldata =
        cJSON_GetObjectItemCaseSensitive(cJSON_GetObjectItemCaseSensitive(reply, "data"), "calldata");
    const char* verdict = cjson_string_member(calldata, "netcfg");
    return verdict && QByteArray(verdict) == "ok";
}
