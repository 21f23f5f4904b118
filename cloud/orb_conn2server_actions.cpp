// Account, project and device actions of the cloud link, and their reply handlers.

#include "orb_conn2server.h"

#include "cloud/cloud_reply.h"
#include "cloud/project_tree.h"
#include "codec/password_digest.h"
#include "codec/secret_masking.h"
#include "codec/request_signature.h"

#include <QDebug>

namespace {

void add_text(cJSON* body, const char* name, const QString& value)
{
    cJSON_AddStringToObject(body, name, value.toUtf8().constData());
}

CJsonPtr body_with_app_id()
{
    CJsonPtr body(cJSON_CreateObject());
    cJSON_AddStringToObject(body.get(), "appid", ORB_CONN2SERVER::APP_ID);
    return body;
}

} // namespace

void ORB_CONN2SERVER::post_action(const QString& action, CJsonPtr body, ReplyHandler handler)
{
    send_signed_request(API_VERSION, action, body.release(), std::move(handler));
}

void ORB_CONN2SERVER::post_status_action(const QString& action, CJsonPtr body)
{
    post_action(action, std::move(body), [this](const QByteArray& reply) { status_handler(reply); });
}

CJsonPtr ORB_CONN2SERVER::parse_result(const QByteArray& body)
{
    ORB_CloudReply reply = ORB_CloudReply::parse(body);
    result = reply.result_code;
    return std::move(reply.document);
}

void ORB_CONN2SERVER::status_handler(const QByteArray& body)
{
    parse_result(body);
}

void ORB_CONN2SERVER::login_handler(const QByteArray& body, bool page_notice)
{
    CJsonPtr reply = parse_result(body);
    if (!reply)
        return;
    if (const char* id = cjson_string_member(reply.get(), "secretId"))
        secretId = QString::fromUtf8(id);
    if (const char* signing_key = cjson_string_member(reply.get(), "secretKey"))
        secretKey = QString::fromUtf8(signing_key);
    if (!page_notice)
        return;
    cJSON_AddStringToObject(reply.get(), "command", "login");
    emit qt2html_device_tcp(cjson_to_qjson_object(reply.get()));
}

void ORB_CONN2SERVER::tree_replacement_handler(const QByteArray& body)
{
    if (CJsonPtr reply = parse_result(body))
        tree = std::move(reply);
}

void ORB_CONN2SERVER::project_list_handler(const QByteArray& body)
{
    const CJsonPtr reply = parse_result(body);
    if (!reply)
        return;
    tree = build_project_tree(reply.get());
    qDebug().noquote() << "usr_root:" << cjson_print_pretty(tree.get());
}

void ORB_CONN2SERVER::password_login(const char* action, const char* id_member, const QString& id,
                                     const QString& password)
{
    CJsonPtr body = body_with_app_id();
    add_text(body.get(), id_member, id);
    cJSON_AddStringToObject(body.get(), "password", password_digest(password).constData());
    post_action(action, std::move(body), [this](const QByteArray& reply) { login_handler(reply, true); });
}

void ORB_CONN2SERVER::code_login(const char* action, const char* id_member, const QString& id, const QString& code,
                                 bool log_reply)
{
    CJsonPtr body = body_with_app_id();
    add_text(body.get(), id_member, id);
    add_text(body.get(), "code", code);
    post_action(action, std::move(body), [this, log_reply](const QByteArray& reply) {
        if (log_reply)
            qDebug() << "response_json:" << mask_secrets(reply);
        login_handler(reply, false);
    });
}

void ORB_CONN2SERVER::mobile_login(QString mobile, QString password)
{
    password_login("MobileLogin", "mobile", mobile, password);
}

void ORB_CONN2SERVER::email_login(QString email, QString password)
{
    password_login("EmailLogin", "email", email, password);
}

void ORB_CONN2SERVER::mobile_login_by_code(QString mobile, QString code)
{
    code_login("MobileLogin", "mobile", mobile, code, false);
}

void ORB_CONN2SERVER::email_login_by_code(QString email, QString code)
{
    code_login("EmailLogin", "email", email, code, true);
}

void ORB_CONN2SERVER::mobile_register(QString mobile, QString code, QString password)
{
    CJsonPtr body = body_with_app_id();
    add_text(body.get(), "nickname", random_text(10));
    add_text(body.get(), "mobile", mobile);
    add_text(body.get(), "code", code);
    cJSON_AddStringToObject(body.get(), "password", password_digest(password).constData());
    post_status_action("MobileRegister", std::move(body));
}

void ORB_CONN2SERVER::email_register(QString email, QString code, QString password)
{
    const QString nickname = random_text(10);
    CJsonPtr body = body_with_app_id();
    add_text(body.get(), "email", email);
    add_text(body.get(), "code", code);
    cJSON_AddStringToObject(body.get(), "password", password_digest(password).constData());
    add_text(body.get(), "nickname", nickname);
    post_status_action("EmailRegister", std::move(body));
}

void ORB_CONN2SERVER::send_sms_code(QString mobile)
{
    CJsonPtr body = body_with_app_id();
    add_text(body.get(), "mobile", mobile);
    post_action("SMSCode", std::move(body), [this](const QByteArray& reply) {
        status_handler(reply);
        qDebug().noquote() << "Parsed JSON content:"
                           << cjson_print_pretty(CJsonPtr(cJSON_Parse(mask_secrets(reply).constData())).get());
    });
}

void ORB_CONN2SERVER::send_email_code(QString email)
{
    CJsonPtr body = body_with_app_id();
    add_text(body.get(), "email", email);
    post_status_action("EmailCode", std::move(body));
}

void ORB_CONN2SERVER::change_password(QString password)
{
    CJsonPtr body(cJSON_CreateObject());
    cJSON_AddStringToObject(body.get(), "password", password_digest(password).constData());
    post_status_action("ChangePassword", std::move(body));
}

void ORB_CONN2SERVER::change_password_by_mobile_code(QString mobile, QString code, QString password)
{
    mobile_login_by_code(mobile, code);
    if (result == 0)
        change_password(password);
}

void ORB_CONN2SERVER::change_password_by_email_code(QString email, QString code, QString password)
{
    email_login_by_code(email, code);
    if (result == 0)
        change_password(password);
}

void ORB_CONN2SERVER::change_mobile(QString mobile, QString code)
{
    CJsonPtr body(cJSON_CreateObject());
    add_text(body.get(), "mobile", mobile);
    add_text(body.get(), "code", code);
    post_status_action("ChangeMobile", std::move(body));
}

void ORB_CONN2SERVER::delete_account()
{
    post_status_action("DeleteAccount", nullptr);
}

void ORB_CONN2SERVER::query_device()
{
    CJsonPtr body(cJSON_CreateObject());
    cJSON_AddStringToObject(body.get(), "productId", PRODUCT_ID);
    post_action("QueryDevice", std::move(body), [this](const QByteArray& reply) { project_list_handler(reply); });
}

void ORB_CONN2SERVER::add_device_list(cJSON* body, const QStringList& sns, const QStringList& names,
                                      const QStringList& passwords)
{
    cJSON* devices = cJSON_AddArrayToObject(body, "devices");
    for (int i = 0; i < sns.size(); ++i) {
        cJSON* device = cJSON_CreateObject();
        add_text(device, "sn", sns[i]);
        add_text(device, "name", names.value(i));
        add_text(device, "password", passwords.value(i));
        cJSON_AddItemToArray(devices, device);
    }
}

void ORB_CONN2SERVER::post_device_list(const char* action, const char* target_member, const QString& target,
                                       const QStringList& sns, const QStringList& names,
                                       const QStringList& passwords)
{
    CJsonPtr body(cJSON_CreateObject());
    cJSON_AddStringToObject(body.get(), "productId", PRODUCT_ID);
    add_text(body.get(), target_member, target);
    add_device_list(body.get(), sns, names, passwords);
    post_action(action, std::move(body), [this](const QByteArray& reply) { tree_replacement_handler(reply); });
}

void ORB_CONN2SERVER::project_create(QString name, QStringList sns, QStringList names, QStringList passwords)
{
    post_device_list("ProjectCreate", "name", name, sns, names, passwords);
}

void ORB_CONN2SERVER::project_add_device(QString pid, QStringList sns, QStringList names, QStringList passwords)
{
    post_device_list("ProjectAddDevice", "pid", pid, sns, names, passwords);
}

void ORB_CONN2SERVER::project_delete(QString pid)
{
    CJsonPtr body(cJSON_CreateObject());
    add_text(body.get(), "pid", pid);
    cJSON_AddNumberToObject(body.get(), "unbind", 1);
    post_status_action("ProjectDelete", std::move(body));
}

void ORB_CONN2SERVER::project_delete_recv(QString pid)
{
    CJsonPtr body(cJSON_CreateObject());
    add_text(body.get(), "pid", pid);
    post_status_action("ProjectDeleteRecv", std::move(body));
}

void ORB_CONN2SERVER::project_name_modify(QString pid, QString name)
{
    CJsonPtr body(cJSON_CreateObject());
    add_text(body.get(), "pid", pid);
    add_text(body.get(), "name", name);
    post_status_action("ProjectNameModify", std::move(body));
}

void ORB_CONN2SERVER::unbind_device(QString pid, QString sn)
{
    Q_UNUSED(pid);
    CJsonPtr body(cJSON_CreateObject());
    add_text(body.get(), "sn", sn);
    post_status_action("DeviceUnbind", std::move(body));
}

void ORB_CONN2SERVER::rename_device(QString pid, QString sn, QString name)
{
    Q_UNUSED(pid);
    CJsonPtr body(cJSON_CreateObject());
    add_text(body.get(), "sn", sn);
    add_text(body.get(), "name", name);
    post_status_action("DeviceRename", std::move(body));
}
