#pragma once
// The reference cloud service over HTTPS: checks each request's signature and
// timestamp, passes it to the store, and obeys test knobs posted to /_control.

#include "cloud_store.h"

#include <QString>

#include <memory>
#include <mutex>

namespace httplib {
class Request;
class Response;
class SSLServer;
} // namespace httplib

class CloudService
{
public:
    CloudService(CloudStore store, const QString& cert_file, const QString& key_file);
    ~CloudService();

    bool is_valid() const;
    // Binds 127.0.0.1 (port 0: any free port); returns the port or -1.
    int bind(int port);
    // Serves until the process ends.
    void serve();

private:
    // How the next requests (of one action, or of any when action is empty)
    // are to be answered.
    struct Knob
    {
        int delay_ms = 0;
        QString reply = "normal"; // normal, not_json, array, http500, drop, body
        QByteArray body; // the answer for "body"
        int count = 0;
        QString action;
        int error = 0; // answer this error code instead of acting
    };

    void handle(const httplib::Request& request, httplib::Response& response);
    // The reply object for a request, under the mutex.
    QJsonObject answer(const httplib::Request& request, const QString& action, const Knob& how);
    void control(const httplib::Request& request, httplib::Response& response);
    void control_device(const httplib::Request& request, httplib::Response& response);
    void control_share(const httplib::Request& request, httplib::Response& response);
    // The caller of a request, or an error reply.
    bool authorize(const httplib::Request& request, CloudStore::Caller* caller, QJsonObject* refusal);
    Knob take_knob(const QString& action);

    CloudStore store;
    std::unique_ptr<httplib::SSLServer> server;
    std::mutex mutex;
    Knob knob;
};
