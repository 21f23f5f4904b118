#pragma once
// What the device link writes in the change journal: an activation, a
// switch's new network settings and the page's own requests, each before it
// goes out and with its outcome after. Of a page's request only "callcmd" and
// "sn" are written: its other members, and the reply, may carry passwords.

#include "codec/cjson_util.h"
#include "device/network_settings.h"

#include <QJsonObject>
#include <QString>

class ORB_ChangeJournal;

class ORB_RequestJournal
{
public:
    // Where a request goes: the interface, and the switch as the last search listed it.
    struct Target
    {
        QString nic;
        QJsonObject listed; // its "device" entry, or empty
    };

    // What was written down before a request went: the outcome goes with it.
    struct Asked
    {
        QJsonObject names;    // kind, id, sn and plan of what was written; empty: nothing
        bool refused = false; // the journal could not be written: no change may go
    };

    void set_journal(ORB_ChangeJournal* journal) { change_journal = journal; }
    bool enabled() const { return change_journal != nullptr; }
    // Why the journal's last write failed.
    QString problem() const;
    // The plan whose steps the next requests are; empty: none.
    void set_plan(const QString& plan_id) { plan = plan_id; }

    Asked activation(const QString& sn, const QString& ip, const Target& target);
    Asked settings(const QString& sn, const QString& ip, const ORB_NetworkSettings& settings, const Target& target);
    // The page's requests go whether written down or not.
    Asked page_request(const cJSON* request, const Target& target);
    // The outcome of what was asked: sent is false when the link did not
    // send it (another request was outstanding, no socket was open).
    void outcome(const Asked& asked, bool sent, const cJSON* reply);

private:
    Asked ask(QJsonObject entry, const QString& sn, const Target& target);

    ORB_ChangeJournal* change_journal = nullptr;
    QString plan;
};
