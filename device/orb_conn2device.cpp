#include "orb_conn2device.h"

#include "codec/request_signature.h"
#include "codec/secret_masking.h"
#include "device/device_alert.h"
#include "device/device_datagram.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

namespace {

const QHostAddress GROUP(QStringLiteral("239.0.0.100"));
constexpr quint16 REPLY_PORT = 10088;
constexpr int FIRST_WAIT_MS = 3000;
constexpr int TIMEOUT_TIMER_MS = 200;
constexpr int REPLY_WINDOW_MS = 3000;
constexpr int SEARCH_WINDOW_MS = 5000;
// A search drains the socket at most this long at a time, so the window
// paints and the timers fire between slices even under a flood.
constexpr int DRAIN_SLICE_MS = 20;
constexpr int PROGRESS_INTERVAL_MS = 200;
constexpr int RECEIVE_BUFFER_BYTES = 8 * 1024 * 1024;
// What a search takes from the LAN, whatever a host sends: replies up to this
// size, and no more than this long after its window.
constexpr int MAX_SEARCH_DATAGRAM = 4096;
constexpr int FINAL_DRAIN_MS = 100;

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
    Q_UNUSED(ip);
    send_and_wait(security_request(password, sn, "activate"), &ORB_CONN2DEVICE::readingLogin, std::nullopt);
}

void ORB_CONN2DEVICE::login_device(QString ip, QString password, QString sn)
{
    Q_UNUSED(ip);
    send_and_wait(security_request(password, sn, "login"), &ORB_CONN2DEVICE::readingLogin, std::nullopt);
}

void ORB_CONN2DEVICE::send_request(QString ip, cJSON* request, bool quietly)
{
    Q_UNUSED(ip);
    send_and_wait(CJsonPtr(request), &ORB_CONN2DEVICE::readingLogin, quietly, true);
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
    run_search(true, nic);
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
    send_and_wait(CJsonPtr(cJSON_Parse(send_data.toUtf8().constData())), &ORB_CONN2DEVICE::readingDatagrams,
                  true);
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
    if (!held_for_round([=] { search_device(webCall, selectedText); }))
        run_search(webCall, selectedText);
}

void ORB_CONN2DEVICE::run_search(bool webCall, const QString& selectedText)
{
    // The socket and the local list belong to the outstanding request until it ends.
    if (busy) {
        refuse_request();
        return;
    }
    local_project.reset();
    last_search_devices = QJsonArray(); // a search without answer leaves no old list behind
    last_search_nic = selectedText;
    last_search_problem = open_socket(selectedText);
    if (const QString& problem = last_search_problem; !problem.isEmpty()) {
        qWarning().noquote() << problem;
        silent = webCall;
        if (!silent)
            show_device_alert("Error", problem);
        emit qt2html_udp(round_marked(timeout_result()));
        return;
    }
    local_ready = false;
    replied = false;
    emit get_local_project();
    if (!local_ready)
        qDebug() << "no local devices handed over";

    CJsonPtr request(cJSON_CreateObject());
    cJSON_AddStringToObject(request.get(), "callcmd", "search");
    send_and_wait(std::move(request), &ORB_CONN2DEVICE::readingSearch, webCall);
    qDebug() << "socket_udp.info:" << socket->errorString();
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
    auto opened = std::make_unique<QUdpSocket>(this);
    if (!opened->bind(QHostAddress::AnyIPv4, REPLY_PORT, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
        return tr("The switches cannot be searched on %1: the reply port %2 cannot be opened (%3).")
            .arg(interface_name, QString::number(REPLY_PORT), opened->errorString());
    if (!opened->joinMulticastGroup(GROUP, nic))
        return tr("The switches cannot be searched on %1: joining the switches' multicast group failed (%2).")
            .arg(interface_name, opened->errorString());
    opened->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, RECEIVE_BUFFER_BYTES);
    opened->setMulticastInterface(nic);
    opened->setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
    delete socket;
    socket = opened.release();
    return QString();
}

QNetworkInterface ORB_CONN2DEVICE::interface_named(const QString& name)
{
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces())
        if (nic.humanReadableName() == name)
            return nic;
    return QNetworkInterface();
}

void ORB_CONN2DEVICE::send_and_wait(CJsonPtr request, ReceiveSlot receive, std::optional<bool> silence,
                                    bool log_envelope)
{
    // Before the first search there is no socket; while a request waits, a
    // second one would share its socket, loop and tag.
    if (!socket || busy) {
        refuse_request();
        return;
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
        return;
    }

    if (receive == &ORB_CONN2DEVICE::readingSearch)
        wait_for_search(datagram);
    else
        wait_for_reply(datagram, receive);
    busy = false;
    report_outcome();
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
    const QMetaObject::Connection reading = connect(socket, &QUdpSocket::readyRead, this, receive);
    socket->writeDatagram(datagram, GROUP, send_port);
    deadline.start(FIRST_WAIT_MS + TIMEOUT_TIMER_MS);
    if (!replied)
        wait_loop.exec();
    disconnect(reading);
    reply_deadline = nullptr;
}

// The search's answers are read as they come, inside the wait loop: it ends
// FIRST_WAIT_MS + TIMEOUT_TIMER_MS after sending when nothing came, else
// SEARCH_WINDOW_MS after the first datagram.
void ORB_CONN2DEVICE::wait_for_search(const QByteArray& datagram)
{
    collection = std::make_unique<ORB_SearchCollection>();
    rows_told = QJsonArray();
    QElapsedTimer window;
    QTimer deadline;
    QTimer progress;
    search_window = &window;
    search_deadline = &deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, this, &ORB_CONN2DEVICE::search_deadline_reached);
    connect(&progress, &QTimer::timeout, this, &ORB_CONN2DEVICE::report_search_progress);
    const QMetaObject::Connection reading =
        connect(socket, &QUdpSocket::readyRead, this, &ORB_CONN2DEVICE::readingSearch);
    socket->writeDatagram(datagram, GROUP, send_port);
    deadline.start(FIRST_WAIT_MS + TIMEOUT_TIMER_MS);
    progress.start(PROGRESS_INTERVAL_MS);
    report_search_progress();
    wait_loop.exec();
    disconnect(reading);
    search_window = nullptr;
    search_deadline = nullptr;
    collection.reset();
}

void ORB_CONN2DEVICE::report_outcome()
{
    Outcome done = std::move(outcome);
    if (!done.answered) {
        qDebug() << "Timeout!";
        if (!silent)
            show_device_alert("Error", tr("Timeout,Please try again!"));
        emit qt2html_udp(round_marked(timeout_result()));
        return;
    }
    last_reply = std::move(done.reply);
    // The tree's box may hold the result object back until a person answers
    // it; the page has shown its whole list since "searchEnded" all the same.
    if (done.devices)
        emit searchdevice_RespDatas_signals(done.devices.get());
    if (!done.result.isEmpty())
        emit qt2html_udp(done.result);
}

void ORB_CONN2DEVICE::refuse_request()
{
    last_reply.reset();
    emit qt2html_udp(timeout_result());
}

QByteArray ORB_CONN2DEVICE::read_datagram()
{
    const qint64 size = qMax<qint64>(socket->pendingDatagramSize(), 0);
    QByteArray datagram(int(size) + 1, '\0');
    const qint64 count = socket->readDatagram(datagram.data(), size, &peer_address, &peer_port);
    datagram.truncate(int(qMax<qint64>(count, 0)));
    return datagram;
}

CJsonPtr ORB_CONN2DEVICE::take_matching_reply()
{
    if (!first_datagram_seen) {
        first_datagram_seen = true;
        reply_deadline->start(REPLY_WINDOW_MS);
    }
    while (socket->hasPendingDatagrams()) {
        ORB_DeviceDatagram::Verdict verdict;
        CJsonPtr reply = ORB_DeviceDatagram::open_reply(read_datagram(), expected_syn, &verdict);
        if (reply)
            return reply;
    }
    return nullptr;
}

void ORB_CONN2DEVICE::readingLogin()
{
    if (!mutex.tryLock())
        return;
    if (!replied && reply_deadline) {
        outcome.reply = take_matching_reply();
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
        const CJsonPtr reply = take_matching_reply();
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
    if (!replied && collection) {
        const bool first = !search_window->isValid();
        if (first) {
            search_window->start();
            search_deadline->start(SEARCH_WINDOW_MS);
        }
        collect_search_replies(qMin<qint64>(search_window->elapsed() + DRAIN_SLICE_MS, SEARCH_WINDOW_MS));
        if (first)
            report_search_progress(); // the first switches are shown at once
    }
    mutex.unlock();
}

void ORB_CONN2DEVICE::search_deadline_reached()
{
    if (search_window->isValid()) {
        collect_search_replies(SEARCH_WINDOW_MS + FINAL_DRAIN_MS);
        report_search_progress(); // the last count is the final one
        // Told before the result, which takes the web channel a while to
        // carry: the page's list is whole now.
        emit qt2html_device_udp(round_marked({{"command", "searchEnded"}, {"found", collection->size()}}));
        finish_search();
    }
    wait_loop.quit(); // nothing came: the outcome stays unanswered, a time-out
}

void ORB_CONN2DEVICE::report_search_progress()
{
    if (const CJsonPtr fresh = collection->take_new(); cJSON_GetArraySize(fresh.get()) > 0) {
        emit search_rows(fresh.get());
        QJsonArray rows;
        const cJSON* row = nullptr;
        cJSON_ArrayForEach(row, fresh.get())
        {
            const QJsonObject device = cjson_to_qjson_object(row);
            rows.append(device);
            rows_told.append(device);
        }
        emit qt2html_device_udp(QJsonObject{{"command", "searchRows"}, {"device", rows}});
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

    // The last batch was told just before: every switch is in rows_told.
    CJsonPtr result(cJSON_CreateObject());
    cJSON_AddItemToObject(result.get(), "local_device", local_device_summary().release());
    cJSON_AddStringToObject(result.get(), "command", "search");
    cJSON_AddNumberToObject(result.get(), "errcode", 0);
    outcome.answered = true;
    outcome.devices = std::move(devices);
    outcome.result = round_marked(cjson_to_qjson_object(result.get()));
    outcome.result.insert("device", rows_told);
    last_search_devices = rows_told;
    replied = true;
}

void ORB_CONN2DEVICE::collect_search_replies(qint64 until_ms)
{
    while (socket->hasPendingDatagrams() && search_window->elapsed() < until_ms) {
        collection->count_datagram();
        if (socket->pendingDatagramSize() > MAX_SEARCH_DATAGRAM) {
            socket->readDatagram(nullptr, 0); // dropped unread: no reply is that long
            collection->count_oversized();
            continue;
        }
        ORB_DeviceDatagram::Verdict verdict;
        const CJsonPtr reply = ORB_DeviceDatagram::open_reply(read_datagram(), expected_syn, &verdict);
        const cJSON* data = cJSON_GetObjectItemCaseSensitive(reply.get(), "data");
        if (data)
            collection->add(data);
        else
            collection->count_unusable();
    }
}

int ORB_CONN2DEVICE::switches_left_out() const
{
    return search_left_out;
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
    if (wait_loop.isRunning()) {
        // A reply that already arrived only ends the wait; it is reported as a reply.
        if (!replied)
            last_reply.reset();
        wait_loop.quit();
    }
    mutex.unlock();
}
