#include "ipv4_text.h"

#include <QRegularExpression>

bool ORB_Ipv4Text::is_valid(const QString& text)
{
    static const QRegularExpression part(QRegularExpression::anchoredPattern("0|[1-9][0-9]{0,2}"));
    const QStringList parts = text.split('.');
    if (parts.size() != 4)
        return false;
    for (const QString& p : parts)
        if (!part.match(p).hasMatch() || p.toInt() > 255)
            return false;
    return true;
}

std::optional<quint32> ORB_Ipv4Text::value(const QString& text)
{
    if (!is_valid(text))
        return std::nullopt;
    quint32 number = 0;
    for (const QString& p : text.split('.'))
        number = number << 8 | quint32(p.toUInt());
    return number;
}
