// Arbitrary reply bodies through everything the cloud link does with one:
// the result code, the sign-in pair, the project tree, the page's copy, and
// the masking of secrets before a body is logged.

#include "cloud/cloud_reply.h"
#include "cloud/project_tree.h"
#include "codec/secret_masking.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), int(size));
    qjson_object_from_text(body);
    mask_secrets(body);
    const ORB_CloudReply reply = ORB_CloudReply::parse(body);
    if (!reply.document)
        return 0;
    QString::fromUtf8(cjson_string_member(reply.document.get(), "secretId"));
    QString::fromUtf8(cjson_string_member(reply.document.get(), "secretKey"));
    cjson_to_qjson_object(reply.document.get());
    build_project_tree(reply.document.get());
    return 0;
}
