#pragma once
// A reply body of the cloud service as the link reads it: a JSON object that
// carries either an "error" object with a numeric "code", or the answer.

#include "codec/cjson_util.h"

#include <QByteArray>

struct ORB_CloudReply
{
    // 0 for an answer; the error's "code", or -1 where the body is no JSON or
    // the code is no number.
    int result_code = -1;
    // The parsed body, for an answer only.
    CJsonPtr document;

    static ORB_CloudReply parse(const QByteArray& body);
};
