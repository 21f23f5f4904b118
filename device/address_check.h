#pragma once
// Addresses checked on the wire before they are given to switches: for the
// page's preview of a plan, and again before a plan, an undo, a resume or
// the tree changes a switch. What a probe found stays known for a minute, so
// applying a plan just previewed probes only what was not checked meanwhile.
//
// The page asks {"nic","id","addresses":[…],"subnets":[{"ip","mask"}]} and
// hears {"command":"addressCheck","id","nic","results":[{"ip","state"
// ("inUse", "silent", "notChecked")[,"mac"],"at"}][,"unavailable","detail"],
// "unheld":["10.1.0.0/24",…]}: the plan's subnets in which the PC holds no
// address on that interface.

#include "device/address_probe.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

class ORB_CONN2DEVICE;

class ORB_AddressCheck : public QObject
{
    Q_OBJECT

public:
    // How long a probe's finding is taken as it stands.
    static constexpr int FRESH_MS = 60000;

    struct Findings
    {
        QHash<QString, ORB_AddressProbe::Result> by_address;
        ORB_AddressProbe::Unavailable unavailable = ORB_AddressProbe::Unavailable::None;
        QString detail;
    };

    ORB_AddressCheck(ORB_CONN2DEVICE* device_link, QObject* parent);

    // The page's preview: answered when the probe ends. A newer request
    // replaces one that has not.
    void check_for_page(const QString& request_text);
    // Waits, with the window answering, until each address has a finding
    // of the last minute.
    Findings check_before_change(const QString& interface_name, const QStringList& addresses);
    // Whether a check is waiting on the wire for a change.
    bool is_checking() const { return waiting > 0; }

    // "192.168.1.41 is in use by 00:11:22:33:44:55", translated.
    static QString in_use_text(const QString& address, const QString& mac);
    static QString unavailable_text(ORB_AddressProbe::Unavailable why, const QString& detail);
    static const char* word(ORB_AddressProbe::Unavailable why);
    // The plan's subnets ({"ip","mask"}, one address of each) that no subnet
    // of the PC's on the interface covers, as "10.1.0.0/24".
    static QStringList unheld_subnets(const QString& interface_name, const QJsonArray& subnets);

private:
    void answer_page();
    void remember(const QString& interface_name, const QHash<quint32, ORB_AddressProbe::Result>& results);

    ORB_CONN2DEVICE* device_link;
    ORB_AddressProbe page_probe;
    QJsonObject page_request;
    // Findings by interface, then by address.
    QHash<QString, QHash<quint32, ORB_AddressProbe::Result>> known;
    int waiting = 0;
};
