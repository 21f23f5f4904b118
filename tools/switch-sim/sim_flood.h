#pragma once
// A hostile host's answer to a search: tag-correct replies from many made-up
// switches, each with an address of its own, one in fifty oversized and one
// in fifty with endless fields, sent round and round as fast as the socket
// takes them for a while. It answers from the event loop's thread and holds
// it for that while, as a flooding host would not care either. With tag_last
// the replies carry their tag after their data, so a reader must decode each
// one whole to know it is not the reply it waits for.

#include <QByteArray>

class QUdpSocket;

class SimFlood
{
public:
    SimFlood(int switches, int seconds, bool tag_last = false);

    bool enabled() const { return switches > 0; }
    void answer(QUdpSocket* socket, const QByteArray& syn);

private:
    int switches;
    int seconds;
    bool tag_last;
};
