#pragma once
// The cloud link: signed HTTPS JSON requests to the cloud service, the
// account, project and device actions built on them, and its face on the web
// channel ("conn2cloud"). Every request waits synchronously (at most 5 s) on
// the GUI thread; callers read result_code() when an action returns.

#include "cloud/cloud_settings.h"
#include "codec/cjson_util.h"

#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

class ORB_CONN2SERVER : public QObject
{
    Q_OBJECT

public:
    using ReplyHandler = std::function<void(const QByteArray& body)>;

    static constexpr char API_VERSION[] = "20240220";
    static constexpr char APP_ID[] = "tGvBnHyUjM";
    static constexpr char PRODUCT_ID[] = "Lx8PqZr2Vk";
    static constexpr char CONTENT_TYPE[] = "application/json;charset=UTF-8";
    static constexpr int WAIT_MS = 5000;

    explicit ORB_CONN2SERVER(QObject* parent = nullptr);
    ~ORB_CONN2SERVER() override;

    // Takes ownership of body (null: an empty body).
    void send_signed_request(QString version, QString action, cJSON* body, ReplyHandler handler);

    int result_code() const;
    // Whether the last action got an answer from the service, whatever it
    // said; false after a time-out or a network error.
    bool answered() const;
    // Owned by the link; valid until the next action replaces it.
    const cJSON* project_tree() const;
    QString uid() const;
    QString key() const;
    void set_uid(QString uid);
    void set_key(QString key);
    void set_nic_names(QStringList names);
    // For the program's other parts: a message to the page on its device
    // channel (qt2html_device_tcp). Not a slot: the page cannot call it.
    void tell_page(const QJsonObject& message) { emit qt2html_device_tcp(message); }

    // Account actions.
    void mobile_login(QString mobile, QString password);
    void email_login(QString email, QString password);
    void mobile_login_by_code(QString mobile, QString code);
    void email_login_by_code(QString email, QString code);
    void mobile_register(QString mobile, QString code, QString password);
    void email_register(QString email, QString code, QString password);
    void send_sms_code(QString mobile);
    void send_email_code(QString email);
    void change_password(QString password);
    void change_password_by_mobile_code(QString mobile, QString code, QString password);
    void change_password_by_email_code(QString email, QString code, QString password);
    void change_mobile(QString mobile, QString code);
    void delete_account();

    // Project and device actions.
    void query_device();
    void project_create(QString name, QStringList sns, QStringList names, QStringList passwords);
    void project_add_device(QString pid, QStringList sns, QStringList names, QStringList passwords);
    void project_delete(QString pid);
    void project_delete_recv(QString pid);
    void project_name_modify(QString pid, QString name);
    void unbind_device(QString pid, QString sn);
    void rename_device(QString pid, QString sn, QString name);

signals:
    void qt2html_tcp(QJsonObject json_data);
    void qt2html_device_tcp(QJsonObject json_data);
    void refresh_server_project_data_singal();

public slots:
    void html2qt_tcp(QString send_address, QString version, QString act, QString send_data);
    void getLogin_uid_key();
    void project_switch_info_slot(QJsonObject proSwObject);
    void getProject_switch_info();
    void emitRefreshServerProjectDataSignal();

private:
    using FinishHandler = std::function<void(QNetworkReply* reply)>;

    QNetworkRequest make_request(const QString& url, const QString& credential, const QString& signing_key,
                                 const QString& action, const QString& version) const;
    // Posts and waits for the reply or the time-out; exactly one of the two
    // handlers runs. A reply that comes after the time-out is aborted unread.
    void post_and_wait(const QNetworkRequest& request, const QByteArray& body, const FinishHandler& on_finished,
                       const std::function<void()>& on_timeout);
    void post_action(const QString& action, CJsonPtr body, ReplyHandler handler);
    // An action whose reply only sets the result code.
    void post_status_action(const QString& action, CJsonPtr body);

    // Reply handlers: each parses the body and sets the result code.
    CJsonPtr parse_result(const QByteArray& body);
    void status_handler(const QByteArray& body);
    void login_handler(const QByteArray& body, bool page_notice);
    void tree_replacement_handler(const QByteArray& body);
    void project_list_handler(const QByteArray& body);

    void password_login(const char* action, const char* id_member, const QString& id, const QString& password);
    void code_login(const char* action, const char* id_member, const QString& id, const QString& code,
                    bool log_reply);
    void add_device_list(cJSON* body, const QStringList& sns, const QStringList& names,
                         const QStringList& passwords);
    // Create or add: {"productId", target_member: target, "devices"}; the reply becomes the tree.
    void post_device_list(const char* action, const char* target_member, const QString& target,
                          const QStringList& sns, const QStringList& names, const QStringList& passwords);

    QString secretId;
    QString secretKey;
    int result = -1;
    bool last_answered = false;
    CJsonPtr tree;
    QMutex lock;
    QJsonObject page_object;
    QStringList nic_names;
    QString version = API_VERSION;
    ORB_CloudSettings cloud;
    QNetworkAccessManager* network; // one for all requests, a child of the link
};
