#include "cloud_reply.h"

ORB_CloudReply ORB_CloudReply::parse(const QByteArray& body)
{
    ORB_CloudReply reply;
    CJsonPtr document(cJSON_Parse(body.constData()));
    if (!document)
        return reply;
    if (const cJSON* error = cJSON_GetObjectItemCaseSensitive(document.get(), "error")) {
        const cJSON* code = cJSON_GetObjectItemCaseSensitive(error, "code");
        reply.result_code = cJSON_IsNumber(code) ? code->valueint : -1;
        return reply;
    }
    reply.result_code = 0;
    reply.document = std::move(document);
    return reply;
}
