#pragma once
// The switches the page lists, as site rows: those of the last search or,
// while watching, every switch the watch has seen; marked against the open
// local project and what the address plans of this run did.

#include <QJsonArray>

#include <functional>

class ORB_AddressPlanRun;
class ORB_CONN2DEVICE;
class ORB_LocalProjects;

class ORB_ListedSwitches
{
public:
    ORB_ListedSwitches(const ORB_CONN2DEVICE* device_link, const ORB_LocalProjects* projects,
                       const ORB_AddressPlanRun* plan_run);

    // While watching: every switch the watch has seen, marked; else empty.
    using WatchedList = std::function<QJsonArray()>;
    void set_watched_list(WatchedList list) { watched_list = std::move(list); }

    // with_unseen: the project's switches the list lacks are added, marked "notSeen".
    QJsonArray list_rows(bool with_unseen) const;
    QJsonArray project_rows() const;

private:
    const ORB_CONN2DEVICE* device_link;
    const ORB_LocalProjects* projects;
    const ORB_AddressPlanRun* plan_run;
    WatchedList watched_list;
};
