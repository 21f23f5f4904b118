#pragma once
// One simulated switch: its identity, its state, and how it answers each
// command. Misbehaving modes let tests put faulty switches on the LAN.

#include "codec/cjson_util.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

class SimSwitch
{
public:
    enum class Mode {
        Normal,
        Silent,        // never answers
        ForeignTag,    // answers every request under another tag
        Tag7,          // echoes only the first 7 characters of the tag
        LongTag,       // echoes the tag with extra characters after it
        Garbage,       // answers every request with bytes that are not Base64
        Undecodable,   // answers every request with Base64 of random bytes
        Oversized,     // answers every request with a 65000-byte datagram
        NoSyn,         // answers every request with JSON that has no "syn"
        NoData,        // answers without "data"
        MissingFields, // leaves out optional reply fields
        RefusesSettings, // refuses every network configuration
    };

    static SimSwitch from_json(const cJSON* item, int index);
    static SimSwitch generated(int index);
    static bool parse_mode(const QString& text, Mode* mode);

    // Noise sources answer every request, whoever it is for.
    bool is_noise() const;
    bool is_restarting() const;
    // The "data" of this switch's answer to a request, or null when it has none.
    CJsonPtr answer(const cJSON* request_data);
    // The whole datagram of a reply carrying data, shaped by the mode.
    QByteArray reply_datagram(const QByteArray& syn, const cJSON* data) const;
    // A noise datagram for noise modes.
    QByteArray noise_datagram(const QByteArray& syn) const;
    // Takes settings that an accepted command changed, and restarts when asked.
    void apply_pending_change(int restart_ms);

    QString sn, ip, mac, model, version, name, password, mask, gw, dns;
    bool active = true;
    bool gbk_state = false; // an inactive switch that reports its state in GBK
    int ports = 10;
    int delay_ms = 0;
    Mode mode = Mode::Normal;
    bool muted = false; // powered off, as the control says: answers nothing

private:
    CJsonPtr search_data() const;
    CJsonPtr security_answer(const cJSON* request_data);
    CJsonPtr netcfg_answer(const cJSON* request_data);
    CJsonPtr sysinfo_answer() const;
    CJsonPtr portstatus_answer() const;
    CJsonPtr base_data() const;

    struct PendingChange
    {
        bool restart = false;
        QString ip, gw, mask, dns;
    } pending;
    QElapsedTimer uptime;
    QElapsedTimer restart_clock;
    int restart_for_ms = 0;
};
