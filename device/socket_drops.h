#pragma once
// How many datagrams the system has dropped from a socket's receive queue
// because it was full: answers that came while the program could not read
// them in time.

#include <QtGlobal>

#include <optional>

class ORB_SocketDrops
{
public:
    // The socket's drop count since it was opened; nothing where the system
    // does not tell it.
    static std::optional<quint64> count(qintptr descriptor);
};
