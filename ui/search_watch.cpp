#include "search_watch.h"

#include "device/orb_conn2device.h"
#include "projects/private_files.h"
#include "ui/local_device_tree.h"
#include "ui/window_state.h"

#include <QApplication>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

ORB_SearchWatch::ORB_SearchWatch(Widgets widgets, ORB_CONN2DEVICE* device_link, ORB_LocalDeviceTree* device_tree,
                                 ORB_WindowState& shared, std::function<bool()> change_running, QObject* parent)
    : QObject(parent)
    , ui(widgets)
    , device_link(device_link)
    , device_tree(device_tree)
    , shared(shared)
    , change_running(std::move(change_running))
{
    shared.watch_interval_s = qBound(
        MIN_INTERVAL_S, program_settings().value("watch_interval", shared.watch_interval_s).toInt(), MAX_INTERVAL_S);
    ui.button->setStyleSheet("QPushButton:checked { background-color: #0a7a2f; color: white; }");
    next_round.setSingleShot(true);
    connect(&next_round, &QTimer::timeout, this, &ORB_SearchWatch::run_round);
    // A round's switches go to the tree as they answer, whoever filled it before.
    connect(device_link, &ORB_CONN2DEVICE::search_rows, this, [this](const cJSON* rows) {
        if (this->device_link->in_round() && this->shared.watching)
            this->device_tree->add_watch_rows(rows);
    });
}

void ORB_SearchWatch::set_on(bool on, const QString& nic)
{
    if (on && nic.isEmpty()) {
        ui.state_text->setText(tr("Please select network"));
        on = false;
    }
    const bool was_on = shared.watching;
    shared.watching = on;
    ++start_count;
    {
        const QSignalBlocker quiet(ui.button);
        ui.button->setChecked(on);
    }
    if (on) {
        shared.watch_nic = nic;
        rounds.reset();
        forgetting_told = false;
        ui.state_text->setText(tr("Watching %1: a search every %n second(s)", nullptr, shared.watch_interval_s).arg(nic));
        next_round.start(0);
    } else {
        next_round.stop();
        if (was_on)
            ui.state_text->setText(tr("Watch stopped"));
    }
    tell_page_state();
    emit switched(on, shared.watch_nic);
}

void ORB_SearchWatch::stop()
{
    if (shared.watching)
        set_on(false, QString());
}

void ORB_SearchWatch::set_interval(int seconds)
{
    shared.watch_interval_s = qBound(MIN_INTERVAL_S, seconds, MAX_INTERVAL_S);
    program_settings().setValue("watch_interval", shared.watch_interval_s);
    if (shared.watching && next_round.isActive())
        next_round.start(shared.watch_interval_s * 1000);
    tell_page_state();
}

QJsonArray ORB_SearchWatch::marked_list() const
{
    return shared.watching ? rounds.marked_list() : QJsonArray();
}

void ORB_SearchWatch::tell_page_state()
{
    device_link->tell_page(QJsonObject{{"command", "watchState"},
                                       {"on", shared.watching},
                                       {"nic", shared.watch_nic},
                                       {"interval", shared.watch_interval_s}});
}

// A plan, a request of a person's, a prompt or a question comes first.
bool ORB_SearchWatch::must_wait() const
{
    return !device_link->idle() || device_link->page_dialog_shown() || change_running()
        || QApplication::activeModalWidget();
}

void ORB_SearchWatch::run_round()
{
    if (!shared.watching)
        return;
    if (must_wait()) {
        next_round.start(RETRY_MS);
        return;
    }
    const QDateTime start = QDateTime::currentDateTime();
    const int started_under = start_count;
    device_link->search_round(shared.watch_nic);
    if (started_under != start_count) { // stopped, or started again, meanwhile: the round does not count
        if (!shared.watching) // its progress took the status line after the stop said so
            ui.state_text->setText(tr("Watch stopped"));
        return;
    }
    const ORB_WatchRounds::Counts counts =
        rounds.add_round(device_link->last_search(), start, device_link->answers_lost() == 0);
    device_tree->show_watch_round(rounds.marked_list());
    show_round(counts, start.toString("HH:mm:ss"));
    next_round.start(shared.watch_interval_s * 1000);
    emit round_done(device_link->last_search(), device_link->answers_lost() == 0, shared.watch_nic);
}

void ORB_SearchWatch::show_round(const ORB_WatchRounds::Counts& counts, const QString& time)
{
    QString text = tr("Watch round %1 at %2: %3 found, %4 new, %5 missing, %6 changed")
                       .arg(rounds.rounds())
                       .arg(time)
                       .arg(counts.found)
                       .arg(counts.fresh)
                       .arg(counts.missing)
                       .arg(counts.changed);
    if (const QString lost = device_link->lost_answers_text(); !lost.isEmpty())
        text += "; " + lost;
    if (counts.forgotten > 0 && !forgetting_told) {
        forgetting_told = true;
        text += "; "
            + tr("watch keeps at most %L1 switches: the %n missing the longest were forgotten", nullptr,
                 counts.forgotten)
                  .arg(rounds.capacity());
    }
    ui.state_text->setText(text);
    device_link->tell_page(QJsonObject{{"command", "watchRound"},
                                       {"round", rounds.rounds()},
                                       {"time", time},
                                       {"found", counts.found},
                                       {"new", counts.fresh},
                                       {"missing", counts.missing},
                                       {"changed", counts.changed},
                                       {"lost", device_link->answers_lost()},
                                       {"device", rounds.marked_list()}});
}
