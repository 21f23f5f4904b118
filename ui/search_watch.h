#pragma once
// Watching a site being powered up: while on, the search repeats by itself
// on the interface chosen when watch started, and the tree and the page mark
// the switches that are new, missing or changed since the round before.
// Rounds are silent; the status line and the page say what each found. A
// round waits while a plan runs or a prompt or question is open, and what a
// person asks during a round waits for its end. The window's button and the
// page's toggle show the one state, kept in the window's shared state.

#include "device/watch_rounds.h"

#include <QObject>
#include <QTimer>

#include <functional>

class ORB_CONN2DEVICE;
class ORB_LocalDeviceTree;
class QLineEdit;
class QPushButton;
struct ORB_WindowState;

class ORB_SearchWatch : public QObject
{
    Q_OBJECT

public:
    static constexpr int MIN_INTERVAL_S = 5;
    static constexpr int MAX_INTERVAL_S = 300;
    // How soon a round that had to wait looks again.
    static constexpr int RETRY_MS = 500;

    struct Widgets
    {
        QPushButton* button;
        QLineEdit* state_text;
    };

    ORB_SearchWatch(Widgets widgets, ORB_CONN2DEVICE* device_link, ORB_LocalDeviceTree* device_tree,
                    ORB_WindowState& shared, std::function<bool()> change_running, QObject* parent);
    // change_running: a plan, or a change waiting on its check on the wire.

    // On: the first round starts now, on nic. Off: no round follows.
    void set_on(bool on, const QString& nic);
    // Nothing to do, and nothing to tell, while watch is off.
    void stop();
    // Clamped to 5…300 s and kept in ./Settings.ini.
    void set_interval(int seconds);
    // Tells the page whether watch is on, and its interval.
    void tell_page_state();
    // Every switch seen since watch started, marked; empty while watch is off.
    QJsonArray marked_list() const;
    // A plan, a request of a person's, a prompt or a question is under way:
    // nothing of watch's own may run now.
    bool must_wait() const;

signals:
    // Watch started (on the interface) or stopped.
    void switched(bool on, QString nic);
    // A round ended: its "device" list, whether it lost no answer, and where it ran.
    void round_done(QJsonArray devices, bool whole, QString nic);

private:
    void run_round();
    void show_round(const ORB_WatchRounds::Counts& counts, const QString& time);

    Widgets ui;
    ORB_CONN2DEVICE* device_link;
    ORB_LocalDeviceTree* device_tree;
    ORB_WindowState& shared;
    std::function<bool()> change_running;
    ORB_WatchRounds rounds;
    QTimer next_round;
    // Counts each start: a round that began under an earlier start is not counted.
    int start_count = 0;
    bool forgetting_told = false; // the status line said once that watch forgets
};
