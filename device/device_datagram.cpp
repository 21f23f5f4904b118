#include "device_datagram.h"

#include "codec/base64.h"
#include "codec/payload_cipher.h"
#include "codec/payload_text.h"
#include "codec/text_prefix.h"


namespace {

constexpr std::size_t SYN_LENGTH = 8;
// The start of a datagram that shows_other_tag() reads: enough for a few
// short members, such as "cmd" and "syn".
constexpr uint32_t LEADING_BLOCKS = 8;
constexpr int LEADING_BASE64 = 88; // decodes to 66 bytes: the 8 blocks and a little

// Reads the plain JSON text of a member's string, without escapes; false at
// anything else, or at the end of the text.
bool read_plain_string(const char*& p, const char* end, QByteArray* text)
{
    if (p >= end || *p != '"')
        return false;
    const char* start = ++p;
    while (p < end && *p != '"' && *p != '\\')
        ++p;
    if (p >= end || *p != '"')
        return false;
    *text = QByteArray(start, int(p - start));
    ++p;
    return true;
}

void skip_space(const char*& p, const char* end)
{
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
        ++p;
}

// The "syn" among the leading members of a JSON object whose values are
// plain strings, if the text shows it before anything else.
bool leading_syn(const char* p, const char* end, QByteArray* syn)
{
    skip_space(p, end);
    if (p >= end || *p++ != '{')
        return false;
    for (;;) {
        QByteArray name, value;
        skip_space(p, end);
        if (!read_plain_string(p, end, &name))
            return false;
        skip_space(p, end);
        if (p >= end || *p++ != ':')
            return false;
        skip_space(p, end);
        if (!read_plain_string(p, end, &value))
            return false;
        if (name == "syn") {
            *syn = value;
            return true;
        }
        skip_space(p, end);
        if (p >= end || *p++ != ',')
            return false;
    }
}

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

bool ORB_DeviceDatagram::shows_other_tag(const QByteArray& datagram, const QByteArray& expected)
{
    if (datagram.size() <= LEADING_BASE64)
        return false;
    const QByteArray leading = datagram.left(LEADING_BASE64); // terminated, as the decoder wants
    unsigned char plain[LEADING_BASE64] = {};
    uint32_t length = 0;
    if (!base64_decode(leading.constData(), plain, &length) || length < LEADING_BLOCKS * 8)
        return false;
    payload_decrypt_leading_blocks(plain, LEADING_BLOCKS, DEVICE_PAYLOAD_KEY);
    const char* text = reinterpret_cast<const char*>(plain);
    QByteArray syn;
    return leading_syn(text, text + LEADING_BLOCKS * 8, &syn)
        && !agrees_over(syn.constData(), expected.constData(), SYN_LENGTH);
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
