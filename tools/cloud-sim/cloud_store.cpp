#include "cloud_store.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <cstdio>

namespace {

const char APP_ID[] = "tGvBnHyUjM";
const char PRODUCT_ID[] = "Lx8PqZr2Vk";
const char ALNUM[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

enum Code {
    BAD_REQUEST = 10006,
    NOT_SIGNED_IN = 10004,
    UNKNOWN_ACTION = 10005,
    LOGIN_TIMEOUT = 10002,
    WRONG_CODE = 1005,
    ACCOUNT_EXISTS = 20001,
    UNKNOWN_USER = 20003,
    WRONG_PASSWORD = 20004,
    NO_SUCH_PROJECT = 20005,
    NO_PERMISSION = 20006,
    NO_SUCH_DEVICE = 20007,
    MOBILE_BOUND = 20009,
};

QString digest(const QString& password)
{
    return QCryptographicHash::hash(password.toLatin1(), QCryptographicHash::Md5).toHex();
}

} // namespace

QJsonObject CloudStore::error(int code, const QString& message)
{
    return QJsonObject{{"error", QJsonObject{{"code", code}, {"message", message}}}};
}

QString CloudStore::random_token(int length, const char* alphabet)
{
    const int size = int(qstrlen(alphabet));
    QString token;
    for (int i = 0; i < length; ++i)
        token += QChar(alphabet[std::uniform_int_distribution<int>(0, size - 1)(random)]);
    return token;
}

bool CloudStore::load_seed(const QJsonObject& seed, QString* problem)
{
    for (const QJsonValue& value : seed["accounts"].toArray()) {
        const QJsonObject a = value.toObject();
        if (a["mobile"].toString().isEmpty() && a["email"].toString().isEmpty()) {
            *problem = "an account needs a mobile number or an e-mail address";
            return false;
        }
        accounts.insert(next_account++, Account{a["mobile"].toString(), a["email"].toString(),
                                                digest(a["password"].toString()), a["nickname"].toString(),
                                                a["stall"].toBool()});
    }
    for (const QJsonValue& value : seed["devices"].toArray()) {
        const QJsonObject d = value.toObject();
        devices.insert(d["sn"].toString(), Device{d["sn"].toString(), d["name"].toString(), d["password"].toString(),
                                                  d["model"].toString(), d["baseModel"].toString(),
                                                  d["mac"].toString(), d["sysVer"].toString(), QString(),
                                                  d["online"].toInt(1)});
    }
    for (const QJsonValue& value : seed["projects"].toArray()) {
        const QJsonObject p = value.toObject();
        Project project{p["pid"].toString(), p["name"].toString(), -1, {}, p["warn"].toInt()};
        const QString owner = p["owner"].toString();
        project.owner = qMax(find_account("mobile", owner), find_account("email", owner));
        for (const QJsonValue& member : p["shared_with"].toArray())
            project.shared.append(qMax(find_account("mobile", member.toString()),
                                       find_account("email", member.toString())));
        for (const QJsonValue& sn : p["devices"].toArray())
            devices[sn.toString()].pid = project.pid;
        projects.insert(project.pid, project);
    }
    return true;
}

bool CloudStore::session_key(const QString& credential, QString* key, int* account) const
{
    const auto it = sessions.find(credential);
    if (it == sessions.end() || !accounts.contains(it->account))
        return false;
    *key = it->key;
    *account = it->account;
    return true;
}

QJsonObject CloudStore::perform(const QString& action, const QJsonObject& body, const Caller& caller)
{
    if (caller.kind == Caller::Kind::Nobody)
        return error(NOT_SIGNED_IN, "not signed in: the request is signed with an empty credential");
    if (action == "MobileLogin")
        return login(body, "mobile");
    if (action == "EmailLogin")
        return login(body, "email");
    if (action == "MobileRegister")
        return register_account(body, "mobile");
    if (action == "EmailRegister")
        return register_account(body, "email");
    if (action == "SMSCode")
        return send_code(body, "mobile");
    if (action == "EmailCode")
        return send_code(body, "email");

    static const QMap<QString, Action> signed_in_actions = {
        {"ChangePassword", &CloudStore::change_password},
        {"ChangeMobile", &CloudStore::change_mobile},
        {"DeleteAccount", &CloudStore::delete_account},
        {"QueryDevice", &CloudStore::query_device},
        {"ProjectCreate", &CloudStore::project_create},
        {"ProjectAddDevice", &CloudStore::project_add_device},
        {"ProjectDelete", &CloudStore::project_delete},
        {"ProjectDeleteRecv", &CloudStore::project_delete_recv},
        {"ProjectNameModify", &CloudStore::project_name_modify},
        {"DeviceUnbind", &CloudStore::device_unbind},
        {"DeviceRename", &CloudStore::device_rename},
    };
    const Action handler = signed_in_actions.value(action);
    if (!handler)
        return error(UNKNOWN_ACTION, "unknown action " + action);
    if (caller.kind != Caller::Kind::Account)
        return error(NOT_SIGNED_IN, "not signed in: sign in first");
    return (this->*handler)(body, caller.account);
}

int CloudStore::find_account(const char* id_member, const QString& id) const
{
    if (id.isEmpty())
        return -1;
    for (auto it = accounts.begin(); it != accounts.end(); ++it)
        if ((QByteArray(id_member) == "mobile" ? it->mobile : it->email) == id)
            return it.key();
    return -1;
}

bool CloudStore::take_code(const QString& target, const QString& code)
{
    if (code.isEmpty() || codes.value(target) != code)
        return false;
    codes.remove(target);
    return true;
}

QJsonObject CloudStore::login(const QJsonObject& body, const char* id_member)
{
    if (body["appid"].toString() != APP_ID)
        return error(BAD_REQUEST, "unknown application");
    const QString id = body[id_member].toString();
    const int account = find_account(id_member, id);
    if (account < 0)
        return error(UNKNOWN_USER, "unknown user");
    if (accounts[account].stall)
        return error(LOGIN_TIMEOUT, "sign-in timed out");
    if (body.contains("code")) {
        if (!take_code(id, body["code"].toString()))
            return error(WRONG_CODE, "wrong verification code");
    } else if (body["password"].toString() != accounts[account].password_digest) {
        return error(WRONG_PASSWORD, "wrong password");
    }
    const QString secret_id = random_token(32, ALNUM);
    const QString secret_key = random_token(32, ALNUM);
    sessions.insert(secret_id, Session{secret_key, account});
    const Account& a = accounts[account];
    return QJsonObject{{"secretId", secret_id}, {"secretKey", secret_key}, {"nickname", a.nickname},
                       {"mobile", a.mobile},    {"email", a.email}};
}

QJsonObject CloudStore::register_account(const QJsonObject& body, const char* id_member)
{
    if (body["appid"].toString() != APP_ID)
        return error(BAD_REQUEST, "unknown application");
    const QString id = body[id_member].toString();
    const QString password = body["password"].toString();
    if (id.isEmpty() || password.size() != 32)
        return error(BAD_REQUEST, "registration needs an identity and a password digest");
    if (!take_code(id, body["code"].toString()))
        return error(WRONG_CODE, "wrong verification code");
    if (find_account(id_member, id) >= 0)
        return error(ACCOUNT_EXISTS, "account exists");
    Account account;
    (QByteArray(id_member) == "mobile" ? account.mobile : account.email) = id;
    account.password_digest = password;
    account.nickname = body["nickname"].toString();
    accounts.insert(next_account++, account);
    return QJsonObject{{"nickname", account.nickname}};
}

QJsonObject CloudStore::send_code(const QJsonObject& body, const char* id_member)
{
    if (body["appid"].toString() != APP_ID)
        return error(BAD_REQUEST, "unknown application");
    const QString target = body[id_member].toString();
    if (target.isEmpty())
        return error(BAD_REQUEST, QString("no %1 given").arg(id_member));
    const QString code = random_token(6, "0123456789");
    codes.insert(target, code);
    std::printf("verification code for %s: %s\n", qPrintable(target), qPrintable(code));
    std::fflush(stdout);
    return QJsonObject{{"message", "code sent"}};
}

QJsonObject CloudStore::change_password(const QJsonObject& body, int account)
{
    const QString password = body["password"].toString();
    if (password.size() != 32)
        return error(BAD_REQUEST, "a password digest is needed");
    accounts[account].password_digest = password;
    return QJsonObject();
}

QJsonObject CloudStore::change_mobile(const QJsonObject& body, int account)
{
    const QString mobile = body["mobile"].toString();
    if (!take_code(mobile, body["code"].toString()))
        return error(WRONG_CODE, "wrong verification code");
    const int holder = find_account("mobile", mobile);
    if (holder >= 0 && holder != account)
        return error(MOBILE_BOUND, "mobile number is bound to another account");
    accounts[account].mobile = mobile;
    return QJsonObject();
}

QJsonObject CloudStore::delete_account(const QJsonObject&, int account)
{
    for (auto it = projects.begin(); it != projects.end();) {
        it->shared.removeAll(account);
        if (it->owner == account) {
            unbind_all(it->pid);
            it = projects.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = sessions.begin(); it != sessions.end();)
        it = it->account == account ? sessions.erase(it) : std::next(it);
    accounts.remove(account);
    return QJsonObject();
}

QJsonObject CloudStore::project_view(const Project& project, int permission) const
{
    QJsonArray list;
    int online = 0;
    for (const Device& d : devices) {
        if (d.pid != project.pid)
            continue;
        online += d.online == 1;
        list.append(QJsonObject{{"baseModel", d.base_model}, {"mac", d.mac},   {"model", d.model},
                                {"name", d.name},            {"online", d.online}, {"sn", d.sn},
                                {"sysVer", d.version}});
    }
    return QJsonObject{{"name", project.name}, {"online", online},        {"permission", permission},
                       {"pid", project.pid},   {"total", list.size()}, {"warn", project.warn},
                       {"devices", list}};
}

QJsonObject CloudStore::query_device(const QJsonObject& body, int account)
{
    if (body["productId"].toString() != PRODUCT_ID)
        return error(BAD_REQUEST, "unknown product");
    QJsonArray list;
    for (const Project& p : projects)
        if (p.owner == account)
            list.append(project_view(p, 0));
    for (const Project& p : projects)
        if (p.shared.contains(account))
            list.append(project_view(p, 1));
    return QJsonObject{{"projects", list}};
}

// Binds each requested switch that passes the checks; keys name the lists of
// those that did not: wrong password, bound already, offline, unknown.
QJsonObject CloudStore::bind_devices(const QJsonArray& requested, const QString& pid, const QStringList& keys)
{
    QJsonArray problems[4];
    for (const QJsonValue& value : requested) {
        const QJsonObject r = value.toObject();
        const QString sn = r["sn"].toString();
        if (!devices.contains(sn)) {
            problems[3].append(sn);
            continue;
        }
        Device& d = devices[sn];
        if (d.password != r["password"].toString())
            problems[0].append(sn);
        else if (!d.pid.isEmpty())
            problems[1].append(sn);
        else if (d.online != 1)
            problems[2].append(sn);
        else {
            d.pid = pid;
            if (!r["name"].toString().isEmpty())
                d.name = r["name"].toString();
        }
    }
    QJsonObject reply{{"pid", pid}};
    for (int i = 0; i < 4; ++i)
        reply.insert(keys[i], problems[i]);
    return reply;
}

QJsonObject CloudStore::project_create(const QJsonObject& body, int account)
{
    if (body["productId"].toString() != PRODUCT_ID)
        return error(BAD_REQUEST, "unknown product");
    const QString name = body["name"].toString();
    if (name.isEmpty())
        return error(BAD_REQUEST, "a project needs a name");
    const QString pid = QString::number(next_project++);
    projects.insert(pid, Project{pid, name, account, {}, 0});
    return bind_devices(body["devices"].toArray(), pid, {"noauth", "bound", "noonline", "noexit"});
}

QJsonObject CloudStore::project_add_device(const QJsonObject& body, int account)
{
    const QString pid = body["pid"].toString();
    const QJsonObject refusal = owner_check(pid, account);
    if (!refusal.isEmpty())
        return refusal;
    return bind_devices(body["devices"].toArray(), pid, {"keyError", "bound", "offline", "absent"});
}

void CloudStore::unbind_all(const QString& pid)
{
    for (Device& d : devices)
        if (d.pid == pid)
            d.pid.clear();
}

QJsonObject CloudStore::owner_check(const QString& pid, int account) const
{
    if (!projects.contains(pid))
        return error(NO_SUCH_PROJECT, "no such project");
    if (projects[pid].owner != account)
        return error(NO_PERMISSION, "not the project's owner");
    return QJsonObject();
}

QJsonObject CloudStore::bound_device_check(const QString& sn, int account) const
{
    if (!devices.contains(sn) || devices[sn].pid.isEmpty())
        return error(NO_SUCH_DEVICE, "no such bound device");
    if (projects.value(devices[sn].pid).owner != account)
        return error(NO_PERMISSION, "not the project's owner");
    return QJsonObject();
}

QJsonObject CloudStore::project_delete(const QJsonObject& body, int account)
{
    const QString pid = body["pid"].toString();
    const QJsonObject refusal = owner_check(pid, account);
    if (!refusal.isEmpty())
        return refusal;
    unbind_all(pid);
    projects.remove(pid);
    return QJsonObject();
}

QJsonObject CloudStore::project_delete_recv(const QJsonObject& body, int account)
{
    const QString pid = body["pid"].toString();
    if (!projects.contains(pid) || !projects[pid].shared.contains(account))
        return error(NO_SUCH_PROJECT, "no such shared project");
    projects[pid].shared.removeAll(account);
    return QJsonObject();
}

QJsonObject CloudStore::project_name_modify(const QJsonObject& body, int account)
{
    const QString pid = body["pid"].toString();
    const QJsonObject refusal = owner_check(pid, account);
    if (!refusal.isEmpty())
        return refusal;
    projects[pid].name = body["name"].toString();
    return QJsonObject();
}

QJsonObject CloudStore::device_unbind(const QJsonObject& body, int account)
{
    const QString sn = body["sn"].toString();
    const QJsonObject refusal = bound_device_check(sn, account);
    if (!refusal.isEmpty())
        return refusal;
    devices[sn].pid.clear();
    return QJsonObject();
}

QJsonObject CloudStore::device_rename(const QJsonObject& body, int account)
{
    const QString sn = body["sn"].toString();
    const QJsonObject refusal = bound_device_check(sn, account);
    if (!refusal.isEmpty())
        return refusal;
    devices[sn].name = body["name"].toString();
    return QJsonObject();
}

bool CloudStore::set_device_online(const QString& sn, int online)
{
    if (!devices.contains(sn))
        return false;
    devices[sn].online = online;
    return true;
}

bool CloudStore::share_project(const QString& pid, const QString& mobile)
{
    const int account = find_account("mobile", mobile);
    if (!projects.contains(pid) || account < 0)
        return false;
    if (!projects[pid].shared.contains(account))
        projects[pid].shared.append(account);
    return true;
}
