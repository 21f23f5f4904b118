#include "sim_switch.h"

#include "codec/payload_text.h"
#include "codec/payload_cipher.h"
#include "device/device_datagram.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {

// "未激活" ("not activated") in GBK, as older firmware reports it.
const char GBK_NOT_ACTIVE[] = "\xCE\xB4\xBC\xA4\xBB\xEE";
const char NOT_ACTIVATED[] = "Please activate the device first";

const struct
{
    const char* text;
    SimSwitch::Mode mode;
} MODE_NAMES[] = {
    {"normal", SimSwitch::Mode::Normal},         {"silent", SimSwitch::Mode::Silent},
    {"foreign_tag", SimSwitch::Mode::ForeignTag}, {"tag_7", SimSwitch::Mode::Tag7},
    {"long_tag", SimSwitch::Mode::LongTag},      {"garbage", SimSwitch::Mode::Garbage},
    {"undecodable", SimSwitch::Mode::Undecodable}, {"oversized", SimSwitch::Mode::Oversized},
    {"no_syn", SimSwitch::Mode::NoSyn},          {"no_data", SimSwitch::Mode::NoData},
    {"missing_fields", SimSwitch::Mode::MissingFields}, {"refuses_settings", SimSwitch::Mode::RefusesSettings},
};

const char* DEFAULT_MODELS[] = {"GS2408P", "GS2410M", "GS2426F", "GS5428X"};

QString text_of(const cJSON* item, const char* name, const QString& fallback)
{
    const char* value = cjson_string_member(item, name);
    return value ? QString::fromUtf8(value) : fallback;
}

int int_of(const cJSON* item, const char* name, int fallback)
{
    const cJSON* value = cJSON_GetObjectItemCaseSensitive(item, name);
    return cJSON_IsNumber(value) ? value->valueint : fallback;
}

bool is_ipv4(const QString& text)
{
    static const QRegularExpression dotted("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$");
    const QRegularExpressionMatch m = dotted.match(text);
    if (!m.hasMatch())
        return false;
    for (int i = 1; i <= 4; ++i)
        if (m.captured(i).toInt() > 255)
            return false;
    return true;
}

void add_text(cJSON* object, const char* name, const QString& value)
{
    cJSON_AddStringToObject(object, name, value.toUtf8().constData());
}

QByteArray noise_bytes(int count, unsigned seed)
{
    QByteArray bytes(count, '\0');
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = char(seed >> 16);
    }
    return bytes;
}

} // namespace

bool SimSwitch::parse_mode(const QString& text, Mode* mode)
{
    for (const auto& entry : MODE_NAMES) {
        if (text == entry.text) {
            *mode = entry.mode;
            return true;
        }
    }
    return false;
}

SimSwitch SimSwitch::generated(int index)
{
    SimSwitch s;
    s.sn = QString("SIM%1").arg(index + 1, 9, 10, QChar('0'));
    s.ip = QString("10.%1.%2.%3").arg(20 + index / 62500).arg(index / 250 % 250).arg(index % 250 + 1);
    s.mac = QString("02:4F:52:%1:%2:%3")
                .arg((index >> 16) & 0xFF, 2, 16, QChar('0'))
                .arg((index >> 8) & 0xFF, 2, 16, QChar('0'))
                .arg(index & 0xFF, 2, 16, QChar('0'))
                .toUpper();
    s.model = DEFAULT_MODELS[index % 4];
    s.version = "V2.1.7";
    s.name = QString("switch-%1").arg(index + 1);
    s.password = "admin123";
    s.mask = "255.0.0.0";
    s.gw = "10.0.0.1";
    s.dns = "10.0.0.1";
    s.uptime.start();
    return s;
}

SimSwitch SimSwitch::from_json(const cJSON* item, int index)
{
    SimSwitch s = generated(index);
    s.sn = text_of(item, "sn", s.sn);
    s.ip = text_of(item, "ip", s.ip);
    s.mac = text_of(item, "mac", s.mac);
    s.model = text_of(item, "model", s.model);
    s.version = text_of(item, "version", s.version);
    s.name = text_of(item, "name", s.name);
    s.password = text_of(item, "password", s.password);
    s.mask = text_of(item, "mask", s.mask);
    s.gw = text_of(item, "gw", s.gw);
    s.dns = text_of(item, "dns", s.dns);
    s.active = !cJSON_IsFalse(cJSON_GetObjectItemCaseSensitive(item, "active"));
    s.gbk_state = cJSON_IsTrue(cJSON_GetObjectItemCaseSensitive(item, "gbk_state"));
    s.ports = int_of(item, "ports", s.ports);
    s.delay_ms = int_of(item, "delay_ms", 0);
    parse_mode(text_of(item, "mode", "normal"), &s.mode);
    return s;
}

bool SimSwitch::is_noise() const
{
    return mode == Mode::ForeignTag || mode == Mode::Garbage || mode == Mode::Undecodable
        || mode == Mode::Oversized || mode == Mode::NoSyn;
}

bool SimSwitch::is_restarting() const
{
    return restart_clock.isValid() && restart_clock.elapsed() < restart_for_ms;
}

CJsonPtr SimSwitch::base_data() const
{
    CJsonPtr data(cJSON_CreateObject());
    add_text(data.get(), "sn", sn);
    return data;
}

CJsonPtr SimSwitch::answer(const cJSON* request_data)
{
    const QString command = text_of(request_data, "callcmd", "");
    if (command == "search")
        return search_data();
    if (text_of(request_data, "sn", "") != sn)
        return nullptr;
    if (command == "Security verification")
        return security_answer(request_data);
    if (mode == Mode::MissingFields)
        return base_data();
    CJsonPtr data = base_data();
    if (!active && command != "sysinfo") {
        add_text(data.get(), "errmsg", NOT_ACTIVATED);
        return data;
    }
    if (command == "netcfg")
        return netcfg_answer(request_data);
    if (command == "sysinfo")
        return sysinfo_answer();
    if (command == "portstatus")
        return portstatus_answer();
    if (command == "reboot") {
        add_text(data.get(), "reboot", "ok");
        pending.restart = true;
        return data;
    }
    add_text(data.get(), "errmsg", "unknown command");
    return data;
}

CJsonPtr SimSwitch::search_data() const
{
    CJsonPtr data(cJSON_CreateObject());
    add_text(data.get(), "ip", ip);
    add_text(data.get(), "sn", sn);
    add_text(data.get(), "model", model);
    add_text(data.get(), "name", name);
    if (mode == Mode::MissingFields)
        return data;
    add_text(data.get(), "mac", mac);
    if (active)
        add_text(data.get(), "Active_state", "active");
    else if (gbk_state)
        cJSON_AddStringToObject(data.get(), "Active_state", GBK_NOT_ACTIVE);
    else
        add_text(data.get(), "Active_state", "not_active");
    add_text(data.get(), "V", version);
    return data;
}

CJsonPtr SimSwitch::security_answer(const cJSON* request_data)
{
    CJsonPtr data = base_data();
    if (mode == Mode::MissingFields)
        return data;
    const QString command = text_of(request_data, "command", "");
    const QString given = text_of(request_data, "password", "");
    if (command == "activate") {
        if (active) {
            add_text(data.get(), "activate", "fail: device already activated");
        } else if (given.size() < 6) {
            add_text(data.get(), "activate", "fail: password shorter than 6 characters");
        } else {
            active = true;
            password = given;
            add_text(data.get(), "activate", "success");
        }
    } else if (command == "login") {
        if (!active)
            add_text(data.get(), "login", NOT_ACTIVATED);
        else if (given == password)
            add_text(data.get(), "login", "success");
        else
            add_text(data.get(), "login", "fail: wrong password");
    } else {
        add_text(data.get(), "errmsg", "unknown command");
    }
    return data;
}

CJsonPtr SimSwitch::netcfg_answer(const cJSON* request_data)
{
    const cJSON* settings = cJSON_GetObjectItemCaseSensitive(request_data, "calldata");
    const QString new_ip = text_of(settings, "ip", "");
    QString verdict = "ok";
    if (mode == Mode::RefusesSettings)
        verdict = "fail: settings are locked";
    else if (!is_ipv4(new_ip))
        verdict = "fail: invalid address";
    else if (!is_ipv4(text_of(settings, "mask", "")) || !is_ipv4(text_of(settings, "gw", "")))
        verdict = "fail: invalid mask or gateway";
    if (verdict == "ok") {
        pending = {true, new_ip, text_of(settings, "gw", ""), text_of(settings, "mask", ""),
                   text_of(settings, "dns", "")};
    }
    CJsonPtr data = base_data();
    cJSON* calldata = cJSON_AddObjectToObject(data.get(), "calldata");
    add_text(calldata, "netcfg", verdict);
    return data;
}

CJsonPtr SimSwitch::sysinfo_answer() const
{
    CJsonPtr data = base_data();
    add_text(data.get(), "name", name);
    add_text(data.get(), "model", model);
    add_text(data.get(), "V", version);
    add_text(data.get(), "mac", mac);
    add_text(data.get(), "ip", ip);
    add_text(data.get(), "mask", mask);
    add_text(data.get(), "gw", gw);
    add_text(data.get(), "dns", dns);
    cJSON_AddNumberToObject(data.get(), "uptime", double(uptime.elapsed() / 1000));
    cJSON_AddNumberToObject(data.get(), "ports", ports);
    add_text(data.get(), "active", active ? "active" : "not_active");
    return data;
}

CJsonPtr SimSwitch::portstatus_answer() const
{
    CJsonPtr data = base_data();
    cJSON* list = cJSON_AddArrayToObject(data.get(), "ports");
    const uint pattern = qHash(sn);
    for (int port = 1; port <= ports; ++port) {
        const bool up = (pattern >> (port % 16)) & 1;
        cJSON* entry = cJSON_CreateObject();
        cJSON_AddNumberToObject(entry, "port", port);
        cJSON_AddStringToObject(entry, "link", up ? "up" : "down");
        cJSON_AddStringToObject(entry, "speed", up ? (port > ports - 2 ? "10G" : "1000M") : "");
        cJSON_AddStringToObject(entry, "duplex", up ? "full" : "");
        cJSON_AddItemToArray(list, entry);
    }
    return data;
}

QByteArray SimSwitch::reply_datagram(const QByteArray& syn, const cJSON* data) const
{
    CJsonPtr reply(cJSON_CreateObject());
    cJSON_AddStringToObject(reply.get(), "cmd", "replyudp");
    QByteArray tag = syn;
    if (mode == Mode::LongTag)
        tag += "X9";
    else if (mode == Mode::Tag7)
        tag = syn.left(7) + (syn.endsWith('Z') ? "Y" : "Z");
    cJSON_AddStringToObject(reply.get(), "syn", tag.constData());
    if (mode != Mode::NoData)
        cJSON_AddItemToObject(reply.get(), "data", cJSON_Duplicate(data, true));
    return ORB_DeviceDatagram::frame(cjson_print(reply.get()));
}

QByteArray SimSwitch::noise_datagram(const QByteArray& syn) const
{
    const unsigned seed = qHash(syn) ^ qHash(sn);
    switch (mode) {
    case Mode::Garbage:
        return "** not base64 ** " + noise_bytes(40, seed) + "\r\n";
    case Mode::Undecodable:
        return encrypt_to_base64(noise_bytes(120, seed), DEVICE_PAYLOAD_KEY) + "\r\n";
    case Mode::Oversized:
        return encrypt_to_base64(QByteArray(48000, 'x'), DEVICE_PAYLOAD_KEY).left(64998) + "\r\n";
    case Mode::NoSyn:
        return ORB_DeviceDatagram::frame(R"({"cmd":"replyudp","data":{"login":"success"}})");
    case Mode::ForeignTag: {
        CJsonPtr data = search_data();
        add_text(data.get(), "login", "success");
        const QByteArray other = syn.startsWith('q') ? "zzzzzzzz" : "qqqqqqqq";
        CJsonPtr reply(cJSON_CreateObject());
        cJSON_AddStringToObject(reply.get(), "cmd", "replyudp");
        cJSON_AddStringToObject(reply.get(), "syn", other.constData());
        cJSON_AddItemToObject(reply.get(), "data", data.release());
        return ORB_DeviceDatagram::frame(cjson_print(reply.get()));
    }
    default:
        return QByteArray();
    }
}

void SimSwitch::apply_pending_change(int restart_ms)
{
    if (!pending.ip.isEmpty()) {
        ip = pending.ip;
        gw = pending.gw;
        mask = pending.mask;
        dns = pending.dns;
    }
    if (pending.restart) {
        restart_for_ms = restart_ms;
        restart_clock.start();
        uptime.start();
    }
    pending = PendingChange();
}
