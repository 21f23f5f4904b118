#pragma once
// The reference cloud service's data and actions: accounts with their
// sign-in credentials and verification codes, projects owned and shared, and
// switches bound to projects. Every action returns the reply object; a
// failure is {"error":{"code":n,"message":…}}. Not thread-safe on its own.

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include <random>

class CloudStore
{
public:
    // Who signed a request: an account's session, or the built-in pair, or
    // nobody (the empty pair).
    struct Caller
    {
        enum class Kind { Account, BuiltIn, Nobody } kind = Kind::Nobody;
        int account = -1;
    };

    // Seeds from a JSON file (see docs/cloud-service.md); false with a reason.
    bool load_seed(const QJsonObject& seed, QString* error);

    // The signing key of a credential id handed out at sign-in, if any.
    bool session_key(const QString& credential, QString* key, int* account) const;

    QJsonObject perform(const QString& action, const QJsonObject& body, const Caller& caller);

    static QJsonObject error(int code, const QString& message);

    // Changes while running, for tests and the demo: a switch goes online or
    // offline; a project is shared with the account of a mobile number.
    // False when the switch, project or account is unknown.
    bool set_device_online(const QString& sn, int online);
    bool share_project(const QString& pid, const QString& mobile);

private:
    struct Account
    {
        QString mobile, email, password_digest, nickname;
        bool stall = false; // its sign-ins answer as timed out
    };
    struct Device
    {
        QString sn, name, password, model, base_model, mac, version, pid;
        int online = 1;
    };
    struct Project
    {
        QString pid, name;
        int owner = -1;
        QList<int> shared;
        int warn = 0;
    };
    struct Session
    {
        QString key;
        int account = -1;
    };

    using Action = QJsonObject (CloudStore::*)(const QJsonObject& body, int account);

    QJsonObject login(const QJsonObject& body, const char* id_member);
    QJsonObject register_account(const QJsonObject& body, const char* id_member);
    QJsonObject send_code(const QJsonObject& body, const char* id_member);
    QJsonObject change_password(const QJsonObject& body, int account);
    QJsonObject change_mobile(const QJsonObject& body, int account);
    QJsonObject delete_account(const QJsonObject& body, int account);
    QJsonObject query_device(const QJsonObject& body, int account);
    QJsonObject project_create(const QJsonObject& body, int account);
    QJsonObject project_add_device(const QJsonObject& body, int account);
    QJsonObject project_delete(const QJsonObject& body, int account);
    QJsonObject project_delete_recv(const QJsonObject& body, int account);
    QJsonObject project_name_modify(const QJsonObject& body, int account);
    QJsonObject device_unbind(const QJsonObject& body, int account);
    QJsonObject device_rename(const QJsonObject& body, int account);

    int find_account(const char* id_member, const QString& id) const;
    // An error reply when the account may not change the project or switch.
    QJsonObject owner_check(const QString& pid, int account) const;
    QJsonObject bound_device_check(const QString& sn, int account) const;
    bool take_code(const QString& target, const QString& code);
    QJsonObject bind_devices(const QJsonArray& requested, const QString& pid, const QStringList& keys);
    QJsonObject project_view(const Project& project, int permission) const;
    void unbind_all(const QString& pid);
    QString random_token(int length, const char* alphabet);

    QMap<int, Account> accounts;
    int next_account = 1;
    QMap<QString, Session> sessions;
    QMap<QString, QString> codes; // mobile or e-mail -> pending code
    QMap<QString, Device> devices;
    QMap<QString, Project> projects;
    int next_project = 1000;
    std::mt19937 random{std::random_device{}()};
};
