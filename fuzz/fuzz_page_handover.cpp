// Arbitrary texts from the page through the device link's two hand-overs.
// The first byte picks which: the switches to add to the local project
// (device2local, read as device records), or a raw request (html2qt_udp),
// which must come back whole from the datagram it is sent as.

#include "device/device_datagram.h"
#include "projects/device_records.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

void hand_over_devices(const QByteArray& text)
{
    const CJsonPtr document(cJSON_Parse(text.constData()));
    QVector<ORB_DeviceRecord> records;
    read_device_records(document.get(), &records);
}

void raw_request(const QByteArray& text)
{
    const CJsonPtr envelope = ORB_DeviceDatagram::envelope(CJsonPtr(cJSON_Parse(text.constData())), "AbCd1234");
    const QByteArray printed = cjson_print(envelope.get());
    const CJsonPtr received = ORB_DeviceDatagram::open(ORB_DeviceDatagram::frame(printed));
    if (cjson_print(received.get()) != printed)
        __builtin_trap(); // the switch would not read what the page sent
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // As the slot receives it: a QString from the page, sent on as UTF-8.
    const QByteArray text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), int(size - 1)).toUtf8();
    if (data[0] & 1)
        raw_request(text);
    else
        hand_over_devices(text);
    return 0;
}
