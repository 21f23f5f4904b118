#pragma once
// A fleet of simulated switches behind one UDP socket on the multicast group:
// it reads requests on port 10086 and answers each switch's share of them to
// the group on port 10088, after that switch's delay.

#include "sim_switch.h"

#include <QHash>
#include <QObject>
#include <QVector>

class QUdpSocket;

class SimFleet : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        int restart_ms = 8000;
        int search_spread_ms = 300; // search answers spread evenly over this time; 0: one burst
        bool log_requests = false;  // one JSON line per request on stdout
        int flood_switches = 0;     // >0: searches are answered by a flood instead
        int flood_seconds = 8;
        bool flood_tag_last = false; // the flood's tag after its data
    };

    SimFleet(QVector<SimSwitch> switches, Settings settings, QObject* parent = nullptr);

    // Binds and joins the group on the named interface.
    bool start(const QString& interface_name, QString* error);
    int size() const { return switches.size(); }
    // Changes the fleet while it runs, for a site being powered up: "add
    // {switch as in a fleet file}", "mute SN", "unmute SN", "move SN IP";
    // and for a test that needs an answer during a wait, "hold SN" (its
    // answers are kept) and "release SN" (the kept answers go out now).
    // Answers "ok", or "error: " and why.
    QString control(const QString& command);

private slots:
    void read_requests();

private:
    void handle(const QByteArray& datagram);
    void log_request(const QByteArray& datagram, const cJSON* request) const;
    void send_later(int delay_ms, const QByteArray& datagram, int changed_switch = -1);
    SimSwitch* find(const QString& sn);
    QString release(int index);

    QVector<SimSwitch> switches;
    Settings settings;
    QUdpSocket* socket;
    // The answers of held switches, by index in the fleet.
    QHash<int, QVector<QByteArray>> held;
};
