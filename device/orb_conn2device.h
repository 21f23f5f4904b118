#pragma once
// The device link: the one UDP multicast conversation with the switches on the
// LAN, and its face on the web channel ("conn2device"). Every request waits
// on the GUI thread for the reply that carries its tag, reading datagrams as
// they come inside an event loop, so the window keeps painting; a search
// collects for its whole window and reports its progress.

#include "codec/cjson_util.h"
#include "device/network_settings.h"
#include "device/request_journal.h"
#include "device/search_collection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class ORB_ChangeJournal;
class ORB_DatagramReader;
class QTimer;

class ORB_CONN2DEVICE : public QObject
{
    Q_OBJECT

public:
    explicit ORB_CONN2DEVICE(QObject* parent = nullptr);
    ~ORB_CONN2DEVICE() override;

    // Each leaves the switch's reply, or nothing, as the last reply. The ip is
    // not sent: every request goes to the group and names its switch by sn.
    void activate_device(QString ip, QString password, QString sn);
    void login_device(QString ip, QString password, QString sn);
    // The switch's new network settings. Quietly: a time-out opens no box,
    // as for the page's requests.
    void send_settings(QString ip, const ORB_NetworkSettings& settings, QString sn, bool quietly = false);
    // With a journal, activations and settings are made only once written
    // down in it, and the page's requests are written down as they go.
    void set_journal(ORB_ChangeJournal* journal) { journaling.set_journal(journal); }
    // The plan whose steps the next activations and settings are; empty: none.
    void set_journal_plan(const QString& plan_id) { journaling.set_plan(plan_id); }
    // Why the last activation or settings were not sent: the journal could
    // not be written. Empty when they were.
    QString journal_refusal() const { return journal_refused; }
    // Whether a time-out of the next logins and activations opens a box.
    void set_silent(bool quiet) { silent = quiet; }

    // Takes ownership of document, the local project's devices.
    void set_local_device(cJSON* document);

    // Both stay owned by the link; the last reply is valid until the next request.
    const cJSON* local_device_document() const;
    const cJSON* last_reply_document() const;
    // Whether a request is outstanding; others are refused meanwhile.
    bool waiting() const { return busy; }
    // Whether a search is collecting answers: its list is still growing.
    bool searching() const { return collection != nullptr; }
    // How many replies from further switches the last search had to leave
    // out of its full list (0: the list holds every switch that answered).
    int switches_left_out() const;
    // How many answers the last search lost: the PC could not read them in
    // time (0: none, or the system does not tell, as the architecture notes say).
    int answers_lost() const { return search_lost; }
    // Says so when the last search lost answers (translated); empty when not.
    QString lost_answers_text() const;
    // Why the last search could not be made (translated); empty when it was.
    QString search_problem() const { return last_search_problem; }
    // The "device" list of the last search; empty when it got no answer.
    QJsonArray last_search() const { return last_search_devices; }
    // The interface the last search was made on.
    QString last_search_interface() const { return last_search_nic; }

    // A round of a watch: a silent search whose result reaches the page as
    // any search's. What the page asks meanwhile waits for its end instead of
    // being refused.
    void search_round(const QString& nic);
    bool in_round() const { return round_running; }
    // A plan's search for its switches at their new addresses: quiet, and a
    // time-out is the plan's alone. Its result reaches the page as any search's.
    void confirming_search(const QString& nic);
    // Runs action now, or once the running round has ended.
    void after_round(std::function<void()> action);
    // No request outstanding and none waiting for a round.
    bool idle() const { return !busy && held.isEmpty(); }
    bool page_dialog_shown() const { return page_dialog_open; }

    // For the program's other parts: a message to the page on its device
    // channel (qt2html_device_udp), and an answer to the page's own request
    // (qt2html_udp). Not slots: the page cannot call them.
    void tell_page(const QJsonObject& message) { emit qt2html_device_udp(message); }
    void answer_page(const QJsonObject& answer) { emit qt2html_udp(answer); }

signals:
    void qt2html_udp(QJsonObject json_data);
    void qt2html_device_udp(QJsonObject json_data);
    void update_local_project();
    void get_local_project();
    // The "device" array of a search, valid only while the signal is delivered.
    void searchdevice_RespDatas_signals(cJSON* datas);
    // How many switches the running search has listed so far, several times a second.
    void search_progress(int found);
    // The switches the running search listed since its last report, in the
    // order they answered, as "device" entries valid only while the signal is
    // delivered; before each count that has grown, so the last batch comes
    // before the search's result.
    void search_rows(const cJSON* devices);
    // What the page asks of the program's windows: a CSV file of the
    // discovery list ("discovery") or of the open local project ("project"),
    // an address plan read from a CSV file, an address plan to apply.
    void csv_export_requested(QString which, QString changes);
    void plan_import_requested();
    void address_plan_requested(QString plan);
    // Whether other hosts answer at a plan's addresses, for its preview.
    void address_check_requested(QString request);
    // Commission on sight armed, disarmed, its failed switches retried, or
    // its state asked for.
    void sight_requested(QString request);
    // The page's watch toggle and interval, for the window's watch.
    void watch_requested(bool on, QString nic);
    void watch_interval_requested(int seconds);
    // The page's site report: its snapshot, the lines typed on it, and its
    // output ("pdf" or "print").
    void site_report_requested();
    void site_report_lines_changed(QString site, QString installer);
    void site_report_output_requested(QString how);
    // The page's History view and its offer to resume a plan that did not end.
    void history_requested();
    void interrupted_plan_requested();
    void plan_dismissal_requested(QString plan_id);

public slots:
    void html2qt_udp(QString send_data, QString send_address);
    void search_device(bool webCall, QString selectedText);
    void device2local(QString device_data);
    // A silent search that starts once the page's call has returned: what a
    // slot does while the page waits for it reaches the page only when it
    // returns, and a search's progress would come all at once at its end.
    void start_search(QString selectedText);
    // changes: the journal's changes as the page words them, JSON text, or empty.
    void export_csv(QString which, QString changes) { emit csv_export_requested(which, changes); }
    void import_address_plan() { emit plan_import_requested(); }
    void watch(bool on, QString nic) { emit watch_requested(on, nic); }
    // Whether one of the page's dialogs (passwords, a plan, a question) is open.
    void page_dialog(bool open) { page_dialog_open = open; }
    void set_watch_interval(int seconds) { emit watch_interval_requested(seconds); }
    void site_report() { emit site_report_requested(); }
    void site_report_lines(QString site, QString installer) { emit site_report_lines_changed(site, installer); }
    void output_site_report(QString how) { emit site_report_output_requested(how); }
    void journal_history() { emit history_requested(); }
    void interrupted_plan() { emit interrupted_plan_requested(); }
    void dismiss_plan(QString plan_id) { emit plan_dismissal_requested(plan_id); }
    void check_addresses(QString request) { emit address_check_requested(request); }
    void commission_on_sight(QString request) { emit sight_requested(request); }
    void apply_address_plan(QString plan)
    {
        if (!held_for_round([=] { apply_address_plan(plan); }))
            emit address_plan_requested(plan);
    }

private slots:
    void readingLogin();
    void readingDatagrams();
    void readingSearch();
    void default_timeout();

private:
    using ReceiveSlot = void (ORB_CONN2DEVICE::*)();
    // Who made a request: a refusal or time-out reaches the page only when
    // it asked, so it never settles a request of its own with another's.
    enum class Asker { Page, Program };

    // What the current request's receive slot found; reported once the
    // request has ended, so a receiver may open a box or start a new request.
    struct Outcome
    {
        bool answered = false;
        CJsonPtr reply;       // readingLogin
        CJsonPtr devices;     // readingSearch
        QJsonObject result;   // readingDatagrams, readingSearch
    };

    QByteArray make_syn();
    void run_search(bool webCall, const QString& selectedText, Asker asker);
    // Keeps request for the end of the running round; false when none runs.
    bool held_for_round(std::function<void()> request);
    void run_held();
    // A watch round's result, time-out and end carry "round": true, so the
    // page does not take them for the answer to a request of its own.
    QJsonObject round_marked(QJsonObject message) const;
    // Empty, or why no socket could be opened on the interface (translated).
    QString open_socket(const QString& interface_name);
    // Says once in the log when the system gave a smaller receive buffer than asked.
    static void note_receive_buffer(int asked, int given);
    static QNetworkInterface interface_named(const QString& name);
    // False when the request was refused and not sent.
    bool send_and_wait(CJsonPtr request, ReceiveSlot receive, std::optional<bool> silence, Asker asker,
                       bool log_envelope = false);
    // Sends a change of the program's once the journal holds it.
    void send_change(const ORB_RequestJournal::Asked& asked, CJsonPtr request, std::optional<bool> silence, bool log_envelope);
    ORB_RequestJournal::Target journal_target(const QString& sn) const;
    void wait_for_reply(const QByteArray& datagram, ReceiveSlot receive);
    void wait_for_search(const QByteArray& datagram);
    // Tells the result, or the time-out, and hands back the reply for the
    // caller; what a box or a receiver of the result runs cannot replace it.
    CJsonPtr report_outcome(Asker asker);
    void refuse_request(Asker asker);
    // {"errcode":10002} to the page when it made the request.
    void tell_page_timed_out(Asker asker);
    // The request's receive slot hears of what the reader reads while it waits.
    QMetaObject::Connection start_reading(ReceiveSlot receive);
    void stop_reading(const QMetaObject::Connection& reading);
    // The oldest datagram read for the request; false when none waits.
    bool take_datagram(QByteArray* datagram);
    // The first reply read that carries the request's tag, taking at most a
    // slice's time (the rest follows in receive, queued); the first datagram
    // of a wait also opens its reply window.
    CJsonPtr take_matching_reply(ReceiveSlot receive);
    void take_rest_later(ReceiveSlot receive);
    // Takes what was read until until_ms on the search window's clock; false
    // when some is left for later.
    bool collect_search_replies(qint64 until_ms);
    void search_deadline_reached();
    bool burst_under_way();
    // Tells the progress unless a burst is under way.
    void report_search_progress();
    void tell_search_progress();
    void finish_search();
    CJsonPtr local_device_summary() const;

    ORB_DatagramReader* reader; // holds the socket, on a thread of its own
    bool round_running = false;
    bool page_dialog_open = false;
    QString last_search_problem;
    QString last_search_nic;
    QList<std::function<void()>> held;
    quint16 send_port = 10086;
    QHostAddress peer_address;
    quint16 peer_port = 0;
    QMutex mutex;
    QEventLoop wait_loop;
    QByteArray expected_syn;
    CJsonPtr local_project;
    CJsonPtr last_reply;
    bool local_ready = true;
    bool replied = false;
    bool silent = false;
    bool busy = false; // a request is outstanding
    int search_left_out = 0;
    int search_lost = 0;
    quint64 lost_before = 0; // the reader's loss count when the search was sent
    QJsonArray last_search_devices;
    // The running search: what it has collected, its clock from the first
    // answer, and the timer that ends its wait.
    std::unique_ptr<ORB_SearchCollection> collection;
    QElapsedTimer* search_window = nullptr;
    QTimer* search_deadline = nullptr;
    // The running request's time-out, and whether any datagram came for it.
    QTimer* reply_deadline = nullptr;
    bool first_datagram_seen = false;
    bool rows_reported = false; // the running search has told its first rows
    QElapsedTimer burst_wait;   // since when the search waits for a burst to end
    Outcome outcome;
    ORB_RequestJournal journaling;
    QString journal_refused;
};
