#pragma once
// What may go to the debug log of a JSON text (a cloud body, a device list,
// the page's hand-over): the values of "secretKey", "password" and "passwd"
// are replaced by "***" at any depth, inside arrays and objects too.

#include <QByteArray>

// The masked text, printed compactly; for a text that is no JSON only its size.
QByteArray mask_secrets(const QByteArray& json_text);
