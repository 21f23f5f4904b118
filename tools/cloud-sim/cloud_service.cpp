#include "cloud_service.h"

#include "codec/request_signature.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QRegularExpression>

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr qint64 TIMESTAMP_WINDOW_S = 300;
constexpr int BAD_SIGNATURE = 10001;
constexpr int EXPIRED = 10003;
constexpr int BAD_REQUEST = 10006;

std::string json_text(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

QString header(const httplib::Request& request, const char* name)
{
    return QString::fromStdString(request.get_header_value(name));
}

} // namespace

CloudService::CloudService(CloudStore store, const QString& cert_file, const QString& key_file)
    : store(std::move(store))
    , server(std::make_unique<httplib::SSLServer>(cert_file.toLocal8Bit().constData(),
                                                  key_file.toLocal8Bit().constData()))
{
    server->Post("/_control", [this](const httplib::Request& q, httplib::Response& r) { control(q, r); });
    server->Post("/_control/device", [this](const httplib::Request& q, httplib::Response& r) { control_device(q, r); });
    server->Post("/_control/share", [this](const httplib::Request& q, httplib::Response& r) { control_share(q, r); });
    server->Post(".*", [this](const httplib::Request& q, httplib::Response& r) { handle(q, r); });
}

CloudService::~CloudService() = default;

bool CloudService::is_valid() const
{
    return server->is_valid();
}

int CloudService::bind(int port)
{
    if (port == 0)
        return server->bind_to_any_port("127.0.0.1");
    return server->bind_to_port("127.0.0.1", port) ? port : -1;
}

void CloudService::serve()
{
    server->listen_after_bind();
}

void CloudService::control(const httplib::Request& request, httplib::Response& response)
{
    const QJsonObject order = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
    std::lock_guard<std::mutex> hold(mutex);
    knob = Knob{order["delay_ms"].toInt(), order["reply"].toString("normal"),
                QJsonDocument(order["body"].toObject()).toJson(QJsonDocument::Compact), order["count"].toInt(1),
                order["action"].toString(), order["error"].toInt()};
    response.set_content(R"({"ok":true})", "application/json");
}

namespace {

void answer_control(httplib::Response& response, bool done)
{
    response.status = done ? 200 : 404;
    response.set_content(done ? R"({"ok":true})" : R"({"ok":false})", "application/json");
}

} // namespace

void CloudService::control_device(const httplib::Request& request, httplib::Response& response)
{
    const QJsonObject order = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
    std::lock_guard<std::mutex> hold(mutex);
    answer_control(response, store.set_device_online(order["sn"].toString(), order["online"].toInt()));
}

void CloudService::control_share(const httplib::Request& request, httplib::Response& response)
{
    const QJsonObject order = QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).object();
    std::lock_guard<std::mutex> hold(mutex);
    answer_control(response, store.share_project(order["pid"].toString(), order["with"].toString()));
}

CloudService::Knob CloudService::take_knob(const QString& action)
{
    std::lock_guard<std::mutex> hold(mutex);
    if (knob.count <= 0 || (!knob.action.isEmpty() && knob.action != action))
        return Knob();
    --knob.count;
    return knob;
}

bool CloudService::authorize(const httplib::Request& request, CloudStore::Caller* caller, QJsonObject* refusal)
{
    static const QRegularExpression layout("^Type=ORB1-HMAC-SHA256,Credential=([^,]*),Nonce=([0-9a-zA-Z]{16}),"
                                           "Signature=([0-9a-f]{64})$");
    const QRegularExpressionMatch m = layout.match(header(request, "Authorization"));
    if (!m.hasMatch()) {
        *refusal = CloudStore::error(BAD_SIGNATURE, "malformed Authorization header");
        return false;
    }
    const QString timestamp = header(request, "Timestamp");
    bool numeric = false;
    const qint64 seconds = timestamp.toLongLong(&numeric);
    if (!numeric || qAbs(QDateTime::currentSecsSinceEpoch() - seconds) > TIMESTAMP_WINDOW_S) {
        *refusal = CloudStore::error(EXPIRED, "timestamp outside the accepted window");
        return false;
    }
    const QString credential = m.captured(1);
    QString key;
    if (credential.isEmpty()) {
        caller->kind = CloudStore::Caller::Kind::Nobody;
    } else if (credential == BUILTIN_CREDENTIAL_ID) {
        key = BUILTIN_SIGNING_KEY;
        caller->kind = CloudStore::Caller::Kind::BuiltIn;
    } else if (store.session_key(credential, &key, &caller->account)) {
        caller->kind = CloudStore::Caller::Kind::Account;
    } else {
        *refusal = CloudStore::error(BAD_SIGNATURE, "unknown credential");
        return false;
    }
    if (compute_signature(credential, key, m.captured(2), header(request, "Action"), timestamp) != m.captured(3)) {
        *refusal = CloudStore::error(BAD_SIGNATURE, "signature mismatch");
        return false;
    }
    return true;
}

QJsonObject CloudService::answer(const httplib::Request& request, const QString& action, const Knob& how)
{
    QJsonObject refusal;
    CloudStore::Caller caller;
    if (!authorize(request, &caller, &refusal))
        return refusal;
    if (how.error != 0)
        return CloudStore::error(how.error, "failure asked for by a test");
    const QByteArray body = QByteArray::fromStdString(request.body);
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const bool empty = body.isEmpty() || body == "null";
    if (!empty && !document.isObject())
        return CloudStore::error(BAD_REQUEST, "the body is not a JSON object");
    return store.perform(action, document.object(), caller);
}

void CloudService::handle(const httplib::Request& request, httplib::Response& response)
{
    const QString action = header(request, "Action");
    const Knob how = take_knob(action);
    if (how.delay_ms > 0) {
        // Said as it starts, so a test can act while the request is held.
        std::printf("%s %s held\n", qPrintable(action), request.path.c_str());
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(how.delay_ms));
    }

    QJsonObject reply;
    {
        std::lock_guard<std::mutex> hold(mutex);
        reply = answer(request, action, how);
    }
    const int code = reply.value("error").toObject().value("code").toInt();
    std::printf("%s %s -> %s\n", qPrintable(action), request.path.c_str(),
                code ? qPrintable(QString::number(code)) : "ok");
    std::fflush(stdout);

    if (how.reply == "not_json") {
        response.set_content("this is not JSON", "text/plain");
    } else if (how.reply == "body") {
        response.set_content(how.body.toStdString(), "application/json");
    } else if (how.reply == "array") {
        response.set_content(R"([{"errcode":0}])", "application/json");
    } else if (how.reply == "http500") {
        response.status = 500;
        response.set_content(json_text(reply), "application/json");
    } else if (how.reply == "drop") {
        // Promise a body and send none: the connection closes mid-reply.
        response.set_content_provider(
            64, "application/json", [](size_t, size_t, httplib::DataSink&) { return false; });
    } else {
        response.set_content(json_text(reply), "application/json");
    }
}
