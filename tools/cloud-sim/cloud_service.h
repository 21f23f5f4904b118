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
    // How the next requests are to be answered.
    struct Knob
    {
        int delay_ms = 0;
        QString reply = "normal"; // normal, not_json, array, http500, drop
        int count = 0;
    };

    void handle(const httplib::Request& request, httplib::Response& response);
    void control(const httplib::Request& request, httplib::Response& response);
    // The caller of a request, or an error reply.
    bool authorize(const httplib::Request& request, CloudStore::Caller* caller, QJsonObject* refusal);
    Knob take_knob();

    CloudStore store;
    std::unique_ptr<httplib::SSLServer> server;
    std::mutex mutex;
    Knob knob;
};
