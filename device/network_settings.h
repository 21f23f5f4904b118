#pragma once
// A switch's network settings as the configuration request carries them,
// and the switch's verdict on them.

#include "codec/cjson_util.h"

#include <QString>

struct ORB_NetworkSettings
{
    QString ip, gateway, mask, dns;

    // {"callcmd":"netcfg","sn":sn,"calldata":{"dhcp":0,"ip","gw","mask","dns"}}
    CJsonPtr request(const QString& sn) const;
    // Whether a reply's "data"."calldata"."netcfg" is exactly "ok": the switch
    // took the settings and restarts.
    static bool accepted(const cJSON* reply);
};
