#include "orb_conn2device.h"

#include "codec/request_signature.h"
#include "codec/secret_masking.h"
#include "device/datagram_reader.h"
#include "device/device_alert.h"
#include "device/device_datagram.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QSet>
#include <QTimer>

#include <atomic>

namespace {

const QHostAddress GROUP(QStringLiteral("239.0.0.100"));
constexpr quint16 REPLY_PORT = 10088;
constexpr int FIRST_WAIT_MS = 3000;
constexpr int TIMEOUT_TIMER_MS = 200;
constexpr int REPLY_WINDOW_MS = 3000;
constexpr int SEARCH_WINDOW_MS = 5000;
// A request takes what was read at most this long at a time, so the window
// paints and the timers fire between slices even under a flood.
constexpr int DRAIN_SLICE_MS = 20;
constexpr int PROGRESS_INTERVAL_MS = 200;
constexpr int ROWS_PER_BATCH = 1000;
// A burst is over once the reader has read nothing for this long; a search
// waits for its end at most MAX_BURST_WAIT_MS at a time.
constexpr int BURST_QUIET_MS = 5;
constexpr int MAX_BURST_WAIT_MS = 250;
constexpr int RECEIVE_BUFFER_BYTES = 8 * 1024 * 1024;
// For tests and benchmarks: a smaller receive buffer, as some systems give.
constexpr char RECEIVE_BUFFER_VARIABLE[] = "ORB_RECEIVE_BUFFER_BYTES";
// What a search takes from the LAN, whatever a host sends: replies up to this
// size, and no more than this long after its window.
constexpr int MAX_SEARCH_DATAGRAM = 4096;
constexpr int FINAL_DRAIN_MS = 20;

QJsonArray device_array(const cJSON* devices)
{
    QJsonArray array;
    const cJSON* device = nullptr;
    cJSON_ArrayForEach(device, devices)
    array.append(cjson_to_qjson_object(device));
    return array;
}

QJsonObject timeout_result()
{
    return QJsonObject{{"errcode", 10002}};
}

CJsonPtr security_request(const QString& password, const QString& sn, const char* command)
{
    CJsonPtr request(cJSON_CreateObject());
    cJSON_AddStringToObject(request.get(), "callcmd", "Security verification");
    cJSON_AddStringToObject(request.get(), "password", password.toUtf8().constData());
    cJSON_AddStringToObject(request.get(), "sn", sn.toUtf8().constData());
    cJSON_AddStringToObject(request.get(), "command", command);
    return request;
}

} // namespace

ORB_CONN2DEVICE::ORB_CONN2DEVICE(QObject* parent)
    : QObject(parent)
    , reader(new ORB_DatagramReader(this))
{
}

ORB_CONN2DEVICE::~ORB_CONN2DEVICE() = default;

const cJSON* ORB_CONN2DEVICE::local_device_document() const
{
    return local_project.get();
}

const cJSON* ORB_CONN2DEVICE::last_reply_document() const
{
    return last_reply.get();
}

void ORB_CONN2DEVICE::set_local_device(cJSON* document)
{
    local_project.reset(document);
    local_ready = true;
}

QByteArray ORB_CONN2DEVICE::make_syn()
{
    return random_text(8).toLatin1();
}

void ORB_CONN2DEVICE::activate_device(QString ip, QString password, QString sn)
{
    send_change(journaling.activation(sn, ip, journal_target(sn)), security_request(password, sn, "activate"),
                std::nullopt, false);
}

void ORB_CONN2DEVICE::login_device(QString ip, QString password, QString sn)
{
    Q_UNUSED(ip);
    send_and_wait(security_request(password, sn, "login"), &ORB_CONN2DEVICE::readingLogin, std::nullopt,
                  Asker::Program);
}

void ORB_CONN2DEVICE::send_settings(QString ip, const ORB_NetworkSettings& settings, QString sn, bool quietly)
{
    send_change(journaling.settings(sn, ip, settings, journal_target(sn)), settings.request(sn), quietly, true);
}

// The ip is not sent: the request names its switch by sn.
void ORB_CONN2DEVICE::send_change(const ORB_RequestJournal::Asked& asked, CJsonPtr request,
                                  std::optional<bool> silence, bool log_envelope)
{
    journal_refused = asked.refused ? journaling.problem() : QString();
    if (asked.refused) { // a change that cannot be written down is not made
        last_reply.reset();
        return;
    }
    const bool sent =
        send_and_wait(std::move(request), &ORB_CONN2DEVICE::readingLogin, silence, Asker::Program, log_envelope);
    journaling.outcome(asked, sent, last_reply.get());
}

ORB_RequestJournal::Target ORB_CONN2DEVICE::journal_target(const QString& sn) const
{
    ORB_RequestJournal::Target target{last_search_nic, {}};
    if (!journaling.enabled())
        return target;
    for (const QJsonValue& device : last_search_devices)
        if (device["sn"].toString() == sn)
            target.listed = device.toObject();
    return target;
}

bool ORB_CONN2DEVICE::held_for_round(std::function<void()> request)
{
    if (!round_running)
        return false;
    after_round(std::move(request));
    return true;
}

void ORB_CONN2DEVICE::after_round(std::function<void()> action)
{
    if (!round_running) {
        action();
        return;
    }
    held.append(std::move(action));
}

void ORB_CONN2DEVICE::search_round(const QString& nic)
{
    const bool was_silent = silent; // the round's silence is its own
    round_running = true;
    run_search(true, nic, Asker::Program);
    round_running = false;
    silent = was_silent;
    // Once the round's frame has returned: what waited may open boxes and
    // start requests of its own.
    if (!held.isEmpty())
        QTimer::singleShot(0, this, &ORB_CONN2DEVICE::run_held);
}

QJsonObject ORB_CONN2DEVICE::round_marked(QJsonObject message) const
{
    if (round_running)
        message.insert("round", true);
    return message;
}

void ORB_CONN2DEVICE::run_held()
{
    while (!held.isEmpty() && !round_running)
        held.takeFirst()();
}

void ORB_CONN2DEVICE::html2qt_udp(QString send_data, QString send_address)
{
    if (held_for_round([=] { html2qt_udp(send_data, send_address); }))
        return;
    // A text that is not JSON leaves "data" out of the envelope.
    CJsonPtr request(cJSON_Parse(send_data.toUtf8().constData()));
    const ORB_RequestJournal::Asked asked =
        journaling.page_request(request.get(), journal_target(cjson_string_member(request.get(), "sn")));
    const bool sent = send_and_wait(std::move(request), &ORB_CONN2DEVICE::readingDatagrams, true, Asker::Page);
    journaling.outcome(asked, sent, last_reply.get());
}

void ORB_CONN2DEVICE::device2local(QString device_data)
{
    if (held_for_round([=] { device2local(device_data); }))
        return;
    local_project.reset(cJSON_Parse(device_data.toUtf8().constData()));
    qDebug() << "curr_device" << mask_secrets(cjson_print(local_project.get()));
    emit update_local_project();
}

void ORB_CONN2DEVICE::search_device(bool webCall, QString selectedText)
{
    // The window's own search opens boxes; the page's does not.
    const Asker asker = webCall ? Asker::Page : Asker::Program;
    if (!held_for_round([=] { search_device(webCall, selectedText); }))
        run_search(webCall, selectedText, asker);
}

void ORB_CONN2DEVICE::confirming_search(const QString& nic)
{
    run_search(true, nic, Asker::Program);
}

void ORB_CONN2DEVICE::run_search(bool webCall, const QString& selectedText, Asker asker)
{
    // The socket and the local list belong to the outstanding request until it ends.
    if (busy) {
        refuse_request(asker);
        return;
    }
    local_project.reset();
    last_search_devices = QJsonArray(); // a search without answer leaves no old list behind
    search_lost = 0;
    last_search_nic = selectedText;
    last_search_problem = open_socket(selectedText);
    if (const QString& problem = last_search_problem; !problem.isEmpty()) {
        qWarning().noquote() << problem;
        silent = webCall;
        if (!silent)
            show_device_alert("Error", problem);
        tell_page_timed_out(asker);
        return;
    }
    local_ready = false;
    replied = false;
    emit get_local_project();
    if (!local_ready)
        qDebug() << "no local devices handed over";

    CJsonPtr request(cJSON_CreateObject());
    cJSON_AddStringToObject(request.get(), "callcmd", "search");
    send_and_wait(std::move(request), &ORB_CONN2DEVICE::readingSearch, webCall, asker);
    qDebug() << "socket_udp.info:" << reader->error_text();
}

void ORB_CONN2DEVICE::start_search(QString selectedText)
{
    QTimer::singleShot(0, this, [this, selectedText] { search_device(true, selectedText); });
}

QString ORB_CONN2DEVICE::open_socket(const QString& interface_name)
{
    const QNetworkInterface nic = interface_named(interface_name);
    if (!nic.isValid())
        return tr("The switches cannot be searched on %1: there is no such interface.").arg(interface_name);
    // The socket in use stays until the new one works: later requests still
    // reach the switches of the last search.
    const int asked = qEnvironmentVariableIsSet(RECEIVE_BUFFER_VARIABLE)
        ? qEnvironmentVariableIntValue(RECEIVE_BUFFER_VARIABLE)
        : RECEIVE_BUFFER_BYTES;
    const ORB_DatagramReader::Opening opening = reader->open(REPLY_PORT, GROUP, nic, asked);
    using Failure = ORB_DatagramReader::Opening::Failure;
    if (opening.failure == Failure::Bind)
        return tr("The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).")
            .arg(interface_name, QString::number(REPLY_PORT), opening.error);
    if (opening.failure == Failure::Join)
        return tr("The switches cannot be searched on %1: joining the switches' multicast group failed (%2).")
            .arg(interface_name, opening.error);
    note_receive_buffer(asked, opening.buffer_given);
    return QString();
}

void ORB_CONN2DEVICE::note_receive_buffer(int asked, int given)
{
    static std::atomic<bool> noted{false};
    if (given < asked && !noted.exchange(true))
        qDebug().noquote() << QString("receive buffer: asked for %1 bytes, the system gave %2 (on Linux its cap is "
                                      "net.core.rmem_max); answers beyond it are lost when the program reads late")
                                  .arg(asked)
                                  .arg(given);
}

QNetworkInterface ORB_CONN2DEVICE::interface_named(const QString& name)
{
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces())
        if (nic.humanReadableName() == name)
            return nic;
    return QNetworkInterface();
}

bool ORB_CONN2DEVICE::send_and_wait(CJsonPtr request, ReceiveSlot receive, std::optional<bool> silence,
                                    Asker asker, bool log_envelope)
{
    // Before the first search there is no socket; while a request waits, a
    // second one would share its socket, loop and tag.
    if (!reader->is_open() || busy) {
        refuse_request(asker);
        return false;
    }
    busy = true;
    replied = false;
    if (silence)
        silent = *silence;
    outcome = Outcome();
    last_reply.reset();
    expected_syn = make_syn();

    const CJsonPtr envelope = ORB_DeviceDatagram::envelope(std::move(request), expected_syn);
    const QByteArray datagram = ORB_DeviceDatagram::frame(cjson_print(envelope.get()));
    if (log_envelope) {
        qDebug().noquote() << cjson_print_pretty(envelope.get());
        qDebug() << "encrypt_data:" << datagram.chopped(2);
    }
    if (datagram.isEmpty()) {
        qDebug() << "encrypt failed!";
        busy = false;
        return false;
    }

    if (receive == &ORB_CONN2DEVICE::readingSearch)
        wait_for_search(datagram);
    else
        wait_for_reply(datagram, receive);
    busy = false;
    CJsonPtr reply = report_outcome(asker);
    // Last: a box or a receiver of the result may have run requests of
    // their own, and this request's caller reads its own reply.
    last_reply = std::move(reply);
    return true;
}

// The reply is read as it comes, inside the wait loop: the wait ends at the
// matching reply, FIRST_WAIT_MS + TIMEOUT_TIMER_MS after sending when nothing
// came, or REPLY_WINDOW_MS after the first datagram when none matched.
void ORB_CONN2DEVICE::wait_for_reply(const QByteArray& datagram, ReceiveSlot receive)
{
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, &ORB_CONN2DEVICE::default_timeout);
    reply_deadline = &deadline;
    first_datagram_seen = false;
    const QMetaObject::Connection reading = start_reading(receive);
    reader->send(datagram, GROUP, send_port);
    deadline.start(FIRST_WAIT_MS + TIMEOUT_TIMER_MS);
    if (!replied)
        wait_loop.exec();
    stop_reading(reading);
    reply_deadline = nullptr;
}

QMetaObject::Connection ORB_CONN2DEVICE::start_reading(ReceiveSlot receive)
{
    reader->discard(); // what came before the request is not its reply
    reader->keep(true);
    return connect(reader, &ORB_DatagramReader::arrived, this, receive, Qt::QueuedConnection);
}

void ORB_CONN2DEVICE::stop_reading(const QMetaObject::Connection& reading)
{
    disconnect(reading);
    reader->keep(false);
    reader->discard();
}

// The search's answers are read as they come, inside the wait loop: it ends
// FIRST_WAIT_MS + TIMEOUT_TIMER_MS after sending when nothing came, else
// SEARCH_WINDOW_MS after the first datagram.
void ORB_CONN2DEVICE::wait_for_search(const QByteArray& datagram)
{
    collection = std::make_unique<ORB_SearchCollection>();
    rows_reported = false;
    burst_wait.invalidate();
    QElapsedTimer window;
    QTimer deadline;
    QTimer progress;
    search_window = &window;
    search_deadline = &deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, &ORB_CONN2DEVICE::search_deadline_reached);
    connect(&progress, &QTimer::timeout, this, &ORB_CONN2DEVICE::report_search_progress);
    const QMetaObject::Connection reading = start_reading(&ORB_CONN2DEVICE::readingSearch);
    lost_before = reader->lost();
    reader->send(datagram, GROUP, send_port, true);
    deadline.start(FIRST_WAIT_MS + TIMEOUT_TIMER_MS);
    progress.start(PROGRESS_INTERVAL_MS);
    report_search_progress();
    wait_loop.exec();
    stop_reading(reading);
    search_window = nullptr;
    search_deadline = nullptr;
    collection.reset();
}

CJsonPtr ORB_CONN2DEVICE::report_outcome(Asker asker)
{
    Outcome done = std::move(outcome);
    if (!done.answered) {
        qDebug() << "Timeout!";
        tell_page_timed_out(asker);
        if (!silent)
            show_device_alert("Error", tr("Timeout,Please try again!"));
        return nullptr;
    }
    // The tree's box may hold the result object back until a person answers
    // it; the page has shown its whole list since "searchEnded" all the same.
    if (done.devices)
        emit searchdevice_RespDatas_signals(done.devices.get());
    if (!done.result.isEmpty())
        emit qt2html_udp(done.result);
    return std::move(done.reply);
}

void ORB_CONN2DEVICE::refuse_request(Asker asker)
{
    last_reply.reset();
    tell_page_timed_out(asker);
}

void ORB_CONN2DEVICE::tell_page_timed_out(Asker asker)
{
    // Only the page's own: it would take another's for the answer to the
    // request it waits on.
    if (asker == Asker::Page)
        emit qt2html_udp(timeout_result());
}

bool ORB_CONN2DEVICE::take_datagram(QByteArray* datagram)
{
    ORB_DatagramReader::Datagram taken;
    if (!reader->take(&taken))
        return false;
    *datagram = std::move(taken.bytes);
    peer_address = QHostAddress(taken.sender_ipv4);
    peer_port = taken.sender_port;
    return true;
}

CJsonPtr ORB_CONN2DEVICE::take_matching_reply(ReceiveSlot receive)
{
    // A call left over from an earlier request may come before any datagram.
    if (!first_datagram_seen && reader->has_queued()) {
        first_datagram_seen = true;
        reply_deadline->start(REPLY_WINDOW_MS);
    }
    QElapsedTimer slice;
    slice.start();
    QByteArray datagram;
    while (take_datagram(&datagram)) {
        // Most of a flood is told apart by its first blocks.
        ORB_DeviceDatagram::Verdict verdict;
        CJsonPtr reply = ORB_DeviceDatagram::shows_other_tag(datagram, expected_syn)
            ? nullptr
            : ORB_DeviceDatagram::open_reply(datagram, expected_syn, &verdict);
        if (reply)
            return reply;
        if (slice.elapsed() >= DRAIN_SLICE_MS) {
            take_rest_later(receive);
            break;
        }
    }
    return nullptr;
}

void ORB_CONN2DEVICE::take_rest_later(ReceiveSlot receive)
{
    // Queued: the window paints and the deadline may fire before the next slice.
    QMetaObject::invokeMethod(this, [this, receive] { (this->*receive)(); }, Qt::QueuedConnection);
}

void ORB_CONN2DEVICE::readingLogin()
{
    if (!mutex.tryLock())
        return;
    if (!replied && reply_deadline) {
        outcome.reply = take_matching_reply(&ORB_CONN2DEVICE::readingLogin);
        if (outcome.reply) {
            outcome.answered = replied = true;
            wait_loop.quit();
        }
    }
    mutex.unlock();
}

void ORB_CONN2DEVICE::readingDatagrams()
{
    if (!mutex.tryLock())
        return;
    if (!replied && reply_deadline) {
        const CJsonPtr reply = take_matching_reply(&ORB_CONN2DEVICE::readingDatagrams);
        if (reply) {
            outcome.result = cjson_to_qjson_object(reply.get());
            outcome.answered = replied = true;
            wait_loop.quit();
        }
    }
    mutex.unlock();
}

void ORB_CONN2DEVICE::readingSearch()
{
    if (!mutex.tryLock())
        return;
    // A call left over from an earlier search (a burst's pause, a slice put
    // off) may come before any answer: the window opens with the first one.
    if (!replied && collection && (search_window->isValid() || reader->has_queued())) {
        if (!search_window->isValid()) {
            search_window->start();
            search_deadline->start(SEARCH_WINDOW_MS);
        }
        if (burst_under_way()) {
            QTimer::singleShot(BURST_QUIET_MS, this, &ORB_CONN2DEVICE::readingSearch);
        } else {
            if (!collect_search_replies(qMin<qint64>(search_window->elapsed() + DRAIN_SLICE_MS, SEARCH_WINDOW_MS)))
                take_rest_later(&ORB_CONN2DEVICE::readingSearch);
            if (!rows_reported)
                report_search_progress(); // the first switches are shown at once
        }
    }
    mutex.unlock();
}

// Reading comes first. While the reader takes in a burst, work on this
// thread would take the processor from it, and the kernel's queue holds
// about a millisecond of a burst; so the search takes and tells nothing until
// the burst is over, or until it has waited MAX_BURST_WAIT_MS, as in a flood.
bool ORB_CONN2DEVICE::burst_under_way()
{
    if (reader->ms_since_read() >= BURST_QUIET_MS) {
        burst_wait.invalidate();
        return false;
    }
    if (!burst_wait.isValid())
        burst_wait.start();
    if (burst_wait.elapsed() < MAX_BURST_WAIT_MS)
        return true;
    burst_wait.invalidate();
    return false;
}

void ORB_CONN2DEVICE::search_deadline_reached()
{
    if (search_window->isValid())
        collect_search_replies(SEARCH_WINDOW_MS + FINAL_DRAIN_MS);
    // What was read and not taken in time is lost as surely as what the
    // system dropped; a search may even lose every answer.
    search_lost = int(qMin<quint64>(reader->lost() - lost_before + quint64(reader->discard()), INT_MAX));
    if (search_window->isValid())
        tell_search_progress(); // the last count is the final one
    // Told before the result, which takes the web channel a while to carry:
    // the page's list is whole now, or says what it misses. A search nobody
    // answered ends too, whoever started it.
    emit qt2html_device_udp(
        round_marked({{"command", "searchEnded"}, {"found", collection->size()}, {"lost", search_lost}}));
    if (search_window->isValid())
        finish_search();
    wait_loop.quit(); // nothing came: the outcome stays unanswered, a time-out
}

void ORB_CONN2DEVICE::report_search_progress()
{
    if (!search_window->isValid() || !burst_under_way())
        tell_search_progress();
}

void ORB_CONN2DEVICE::tell_search_progress()
{
    // The rows go to the page as JSON text, which the web channel carries
    // many times faster than the same rows as objects; a batch at a time, so
    // the copies a burst's rows need on their way stay small.
    for (CJsonPtr fresh = collection->take_new(ROWS_PER_BATCH); cJSON_GetArraySize(fresh.get()) > 0;
         fresh = collection->take_new(ROWS_PER_BATCH)) {
        rows_reported = true;
        emit search_rows(fresh.get());
        emit qt2html_device_udp(
            QJsonObject{{"command", "searchRows"}, {"rows", QString::fromUtf8(cjson_print(fresh.get()))}});
    }
    const int found = collection->size();
    emit search_progress(found);
    emit qt2html_device_udp(QJsonObject{{"command", "searchProgress"}, {"found", found}});
}

void ORB_CONN2DEVICE::finish_search()
{
    qDebug().noquote() << collection->summary();
    search_left_out = collection->left_out();
    CJsonPtr devices = collection->take_devices();

    CJsonPtr result(cJSON_CreateObject());
    cJSON_AddItemToObject(result.get(), "local_device", local_device_summary().release());
    cJSON_AddStringToObject(result.get(), "command", "search");
    cJSON_AddNumberToObject(result.get(), "errcode", 0);
    outcome.answered = true;
    outcome.result = round_marked(cjson_to_qjson_object(result.get()));
    last_search_devices = device_array(devices.get());
    outcome.result.insert("device", last_search_devices);
    outcome.devices = std::move(devices);
    replied = true;
}

bool ORB_CONN2DEVICE::collect_search_replies(qint64 until_ms)
{
    QByteArray datagram;
    while (search_window->elapsed() < until_ms) {
        if (!take_datagram(&datagram))
            return true;
        collection->count_datagram();
        if (datagram.size() > MAX_SEARCH_DATAGRAM) {
            collection->count_oversized(); // no reply is that long
            continue;
        }
        ORB_DeviceDatagram::Verdict verdict;
        const CJsonPtr reply = ORB_DeviceDatagram::open_reply(datagram, expected_syn, &verdict);
        const cJSON* data = cJSON_GetObjectItemCaseSensitive(reply.get(), "data");
        if (data)
            collection->add(data);
        else
            collection->count_unusable();
    }
    return false;
}

int ORB_CONN2DEVICE::switches_left_out() const
{
    return search_left_out;
}

QString ORB_CONN2DEVICE::lost_answers_text() const
{
    if (search_lost == 0)
        return QString();
    return tr("%L1 answers were lost: the PC could not read them in time. Search again.").arg(search_lost);
}

CJsonPtr ORB_CONN2DEVICE::local_device_summary() const
{
    CJsonPtr summary(cJSON_CreateArray());
    const cJSON* list = cJSON_GetObjectItemCaseSensitive(local_project.get(), "local_device");
    if (!cJSON_IsArray(list))
        return summary;
    const cJSON* element = nullptr;
    cJSON_ArrayForEach(element, list)
    {
        const char* ip = cjson_string_member(element, "ip");
        const char* sn = cjson_string_member(element, "sn");
        const char* active = cjson_string_member(element, "active");
        if (!ip || !sn || !active)
            break;
        cJSON* copy = cJSON_CreateObject();
        cJSON_AddStringToObject(copy, "ip", ip);
        cJSON_AddStringToObject(copy, "sn", sn);
        cJSON_AddStringToObject(copy, "active", active);
        cJSON_AddItemToArray(summary.get(), copy);
    }
    return summary;
}

void ORB_CONN2DEVICE::default_timeout()
{
    if (!mutex.tryLock())
        return;
    if (wait_loop.isRunning())
        wait_loop.quit(); // a reply that already arrived is reported as a reply
    mutex.unlock();
}
