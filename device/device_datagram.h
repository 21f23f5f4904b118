#pragma once
// The datagram format shared with the switches: a JSON text, encrypted with
// the device key, carried as Base64 and ended by CR LF. The same functions
// serve the device link, the switch simulator and the fuzz target.

#include "codec/cjson_util.h"

#include <QByteArray>

class ORB_DeviceDatagram
{
public:
    // The longest field a search entry keeps; longer ones are cut.
    static constexpr int FIELD_BYTES = 64;

    enum class Verdict { Matched, NotJson, NoSyn, SynMismatch };

    // The datagram for a JSON text: Base64 of the cipher text plus CR LF;
    // empty when the text is empty.
    static QByteArray frame(const QByteArray& json_text);

    // The request envelope {"cmd":"calludp","syn":syn[,"data":data]}; data,
    // taken over, is left out when null.
    static CJsonPtr envelope(CJsonPtr data, const QByteArray& syn);

    // Decrypts and parses a received datagram (its bytes as read, the count
    // readDatagram returned). Returns the parsed object, whatever its tag, or
    // null when it does not parse.
    static CJsonPtr open(const QByteArray& datagram);

    // Opens a datagram and checks that its "syn" agrees with expected over 8
    // characters. The document is returned only for a match.
    static CJsonPtr open_reply(const QByteArray& datagram, const QByteArray& expected, Verdict* verdict);

    // Whether the start of a datagram shows, among its leading members, a
    // "syn" that does not agree with expected: a look at the first blocks
    // only, which spares decoding the rest of a flood's datagrams. False
    // whenever the start does not tell (open_reply decides then).
    static bool shows_other_tag(const QByteArray& datagram, const QByteArray& expected);

    // One "device" element of a search result from a reply's "data" object:
    // {"pid":"0","ip","sn","mac","model","active","V"}, missing fields filled
    // with "", "active" and "---" as the switches' older firmware expects,
    // each cut to FIELD_BYTES.
    static CJsonPtr search_entry(const cJSON* data);
};
