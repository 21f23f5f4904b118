// Arbitrary datagrams through the receive path of the device link: decrypt,
// parse, tag check and the extraction of a search entry. The first byte picks
// whether the rest is a datagram as received, or a plaintext that is framed
// first, so the fuzzer also reaches the JSON side with texts of its choosing.

#include "device/device_datagram.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), int(size - 1));
    const QByteArray datagram = data[0] & 1 ? ORB_DeviceDatagram::frame(rest) : rest;
    ORB_DeviceDatagram::Verdict verdict;
    const CJsonPtr reply = ORB_DeviceDatagram::open_reply(datagram, "AbCd1234", &verdict);
    if (reply) {
        const CJsonPtr entry =
            ORB_DeviceDatagram::search_entry(cJSON_GetObjectItemCaseSensitive(reply.get(), "data"));
        if (cJSON_GetArraySize(entry.get()) != 7)
            __builtin_trap();
        const cJSON* field = nullptr;
        cJSON_ArrayForEach(field, entry.get())
        {
            if (std::strlen(field->valuestring) > size_t(ORB_DeviceDatagram::FIELD_BYTES))
                __builtin_trap(); // a search entry keeps no longer field
        }
        cjson_to_qjson_object(reply.get());
    }
    return 0;
}
