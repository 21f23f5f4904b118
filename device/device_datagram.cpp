#include "device_datagram.h"

#include "codec/payload_cipher.h"
#include "codec/payload_text.h"
#include "codec/text_prefix.h"


namespace {

constexpr std::size_t SYN_LENGTH = 8;

// A field of a search entry, cut to FIELD_BYTES at a character boundary: a
// host on the LAN may send fields of any length.
void add_text(cJSON* object, const char* name, const char* value, const char* fallback)
{
    QByteArray text(value ? value : fallback);
    if (text.size() > ORB_DeviceDatagram::FIELD_BYTES) {
        int end = ORB_DeviceDatagram::FIELD_BYTES;
        while (end > 0 && (uchar(text[end]) & 0xC0) == 0x80) // never inside a UTF-8 sequence
            --end;
        text.truncate(end);
    }
    cJSON_AddStringToObject(object, name, text.constData());
}

} // namespace

QByteArray ORB_DeviceDatagram::frame(const QByteArray& json_text)
{
    const QByteArray text = encrypt_to_base64(json_text, DEVICE_PAYLOAD_KEY);
    return text.isEmpty() ? text : text + "\r\n";
}

CJsonPtr ORB_DeviceDatagram::envelope(CJsonPtr data, const QByteArray& syn)
{
    CJsonPtr envelope(cJSON_CreateObject());
    cJSON_AddStringToObject(envelope.get(), "cmd", "calludp");
    cJSON_AddStringToObject(envelope.get(), "syn", syn.constData());
    if (data)
        cJSON_AddItemToObject(envelope.get(), "data", data.release());
    return envelope;
}

CJsonPtr ORB_DeviceDatagram::open(const QByteArray& datagram)
{
    const QByteArray plaintext = decrypt_from_base64(datagram, DEVICE_PAYLOAD_KEY);
    return CJsonPtr(cJSON_Parse(plaintext.constData()));
}

CJsonPtr ORB_DeviceDatagram::open_reply(const QByteArray& datagram, const QByteArray& expected, Verdict* verdict)
{
    CJsonPtr reply = open(datagram);
    if (!cJSON_IsObject(reply.get())) {
        *verdict = Verdict::NotJson;
        return nullptr;
    }
    const char* syn = cjson_string_member(reply.get(), "syn");
    if (!syn) {
        *verdict = Verdict::NoSyn;
        return nullptr;
    }
    if (!agrees_over(syn, expected.constData(), SYN_LENGTH)) {
        *verdict = Verdict::SynMismatch;
        return nullptr;
    }
    *verdict = Verdict::Matched;
    return reply;
}

CJsonPtr ORB_DeviceDatagram::search_entry(const cJSON* data)
{
    CJsonPtr entry(cJSON_CreateObject());
    // No line of its own when "Active_state" is missing: a flood would fill the log.
    const char* active = cjson_string_member(data, "Active_state");
    cJSON* e = entry.get();
    cJSON_AddStringToObject(e, "pid", "0");
    add_text(e, "ip", cjson_string_member(data, "ip"), "");
    add_text(e, "sn", cjson_string_member(data, "sn"), "");
    add_text(e, "mac", cjson_string_member(data, "mac"), "");
    add_text(e, "model", cjson_string_member(data, "model"), "");
    add_text(e, "active", active, "active");
    add_text(e, "V", cjson_string_member(data, "V"), "---");
    return entry;
}
