// Transport and web bridge of the cloud link.

#include "orb_conn2server.h"

#include "codec/secret_masking.h"
#include "codec/request_signature.h"

#include <QDateTime>
#include <QDebug>
#include <QEventLoop>
#include <QJsonArray>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <optional>

namespace {

QString timestamp_now()
{
    return QString::number(QDateTime::currentSecsSinceEpoch());
}

// Whether the service answered: a reply, or an HTTP error status (Qt reports
// 4xx as content errors and 5xx as server errors). Anything else is the
// transport failing.
bool is_answer(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::NoError
        || (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

QByteArray error_name(QNetworkReply::NetworkError error)
{
    return QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(error);
}

} // namespace

ORB_CONN2SERVER::ORB_CONN2SERVER(QObject* parent)
    : QObject(parent)
    , cloud(ORB_CloudSettings::load())
    , network(new QNetworkAccessManager(this))
{
}

ORB_CONN2SERVER::~ORB_CONN2SERVER() = default;

int ORB_CONN2SERVER::result_code() const
{
    return result;
}

bool ORB_CONN2SERVER::answered() const
{
    return last_answered;
}

const cJSON* ORB_CONN2SERVER::project_tree() const
{
    return tree.get();
}

QString ORB_CONN2SERVER::uid() const
{
    return secretId;
}

QString ORB_CONN2SERVER::key() const
{
    return secretKey;
}

void ORB_CONN2SERVER::set_uid(QString uid)
{
    secretId = uid;
}

void ORB_CONN2SERVER::set_key(QString key)
{
    secretKey = key;
}

void ORB_CONN2SERVER::set_nic_names(QStringList names)
{
    nic_names = names;
}

QNetworkRequest ORB_CONN2SERVER::make_request(const QString& url, const QString& credential,
                                              const QString& signing_key, const QString& action,
                                              const QString& version) const
{
    const QString timestamp = timestamp_now();
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setSslConfiguration(cloud.tls);
    request.setRawHeader("Content-Type", CONTENT_TYPE);
    request.setRawHeader("Authorization", build_authorization(credential, signing_key, action, timestamp).toUtf8());
    request.setRawHeader("Action", action.toUtf8());
    request.setRawHeader("Version", version.toUtf8());
    request.setRawHeader("Timestamp", timestamp.toUtf8());
    return request;
}

void ORB_CONN2SERVER::send_signed_request(QString version, QString action, cJSON* body, ReplyHandler handler)
{
    const CJsonPtr owned_body(body);
    // The held pair signs only when both halves are there.
    const bool held = !secretId.isEmpty() && !secretKey.isEmpty();
    const QNetworkRequest request = make_request(cloud.url, held ? secretId : BUILTIN_CREDENTIAL_ID,
                                                 held ? secretKey : BUILTIN_SIGNING_KEY, action, version);
    const QByteArray bytes = cjson_print(owned_body.get());
    qDebug() << "Request Body:" << mask_secrets(bytes);
    std::optional<QByteArray> reply_body;
    bool got_answer = false;
    post_and_wait(
        request, bytes,
        [&](QNetworkReply* reply) {
            got_answer = is_answer(reply->error());
            if (reply->error() != QNetworkReply::NoError) {
                qDebug() << "Error:" << reply->errorString();
                return;
            }
            reply_body = reply->readAll();
            qDebug() << "Response Body:" << mask_secrets(*reply_body);
        },
        [] {});
    // The outcome is published only now that this request's own wait has
    // ended: a request made meanwhile (a refresh from the page) must not
    // decide it.
    result = -1;
    last_answered = got_answer;
    if (reply_body && handler)
        handler(*reply_body);
}

void ORB_CONN2SERVER::html2qt_tcp(QString send_address, QString version, QString act, QString send_data)
{
    // Signed with the pair held, even an empty one: the page asks for itself.
    const QNetworkRequest request = make_request(send_address, secretId, secretKey, act, version);
    result = -1;
    const QByteArray body = send_data.isEmpty() ? QByteArray("null") : send_data.toUtf8();
    qDebug() << "Request Body:" << mask_secrets(body);
    post_and_wait(
        request, body,
        [this](QNetworkReply* reply) {
            qDebug() << "error:" << error_name(reply->error());
            if (reply->error() != QNetworkReply::NoError) {
                qDebug() << "Error:" << reply->errorString();
                return;
            }
            qDebug() << "Reply Success";
            const QByteArray reply_body = reply->readAll();
            qDebug() << "Response Body:" << mask_secrets(reply_body);
            emit qt2html_tcp(qjson_object_from_text(reply_body));
        },
        [this] { emit qt2html_tcp(QJsonObject{{"errcode", 10002}}); });
}

void ORB_CONN2SERVER::post_and_wait(const QNetworkRequest& request, const QByteArray& body,
                                    const FinishHandler& on_finished, const std::function<void()>& on_timeout)
{
    QNetworkReply* reply = network->post(request, body);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire 5 % early: the wait is exactly five seconds.
    timer.setTimerType(Qt::PreciseTimer);
    bool settled = false;
    // The lock keeps the two handlers of this request exclusive; it is released
    // before a handler acts, so whatever a handler's signal starts can run.
    const auto settle = [&] {
        if (!lock.tryLock())
            return false;
        const bool first = !settled;
        settled = true;
        lock.unlock();
        return first;
    };
    const QMetaObject::Connection finished = connect(reply, &QNetworkReply::finished, &loop, [&] {
        if (!settle())
            return;
        on_finished(reply);
        loop.quit();
    });
    connect(&timer, &QTimer::timeout, &loop, [&] {
        if (!settle())
            return;
        qDebug() << "Timeout!";
        // Discarded for real: the reply can no longer reach a handler.
        disconnect(finished);
        reply->abort();
        on_timeout();
        loop.quit();
    });
    timer.start(WAIT_MS);
    loop.exec();
    reply->deleteLater();
}

void ORB_CONN2SERVER::getLogin_uid_key()
{
    QJsonObject login{{"command", "login"}, {"uid", secretId}, {"key", secretKey}};
    login.insert("NICNames", QJsonArray::fromStringList(nic_names));
    login.insert("errcode", secretId.isEmpty() ? 20000 : 0);
    emit qt2html_device_tcp(login);
}

void ORB_CONN2SERVER::project_switch_info_slot(QJsonObject proSwObject)
{
    page_object = proSwObject;
}

void ORB_CONN2SERVER::getProject_switch_info()
{
    emit qt2html_device_tcp(page_object);
}

void ORB_CONN2SERVER::emitRefreshServerProjectDataSignal()
{
    emit refresh_server_project_data_singal();
    emit qt2html_device_tcp(QJsonObject{{"errcode", 0}});
}
