#pragma once
// What may go to the debug log of a cloud body: the signing key and passwords
// are replaced, at any depth, by "***".

#include <QByteArray>

QByteArray mask_secrets(const QByteArray& json_text);
