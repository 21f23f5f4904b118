#pragma once
// A dotted IPv4 address as the switches take it: exactly four decimal parts,
// each 0 to 255, with no leading zeros.

#include <QString>

#include <optional>

class ORB_Ipv4Text
{
public:
    static bool is_valid(const QString& text);
    // The address as a number, the first part highest; nothing when not valid.
    static std::optional<quint32> value(const QString& text);
};
