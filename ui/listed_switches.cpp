#include "listed_switches.h"

#include "device/address_plan_run.h"
#include "device/orb_conn2device.h"
#include "projects/site_rows.h"
#include "ui/local_projects.h"

ORB_ListedSwitches::ORB_ListedSwitches(const ORB_CONN2DEVICE* device_link, const ORB_LocalProjects* projects,
                                       const ORB_AddressPlanRun* plan_run)
    : device_link(device_link)
    , projects(projects)
    , plan_run(plan_run)
{
}

QJsonArray ORB_ListedSwitches::list_rows(bool with_unseen) const
{
    const QJsonArray watched = watched_list ? watched_list() : QJsonArray();
    return ORB_SiteRows::rows(watched.isEmpty() ? device_link->last_search() : watched,
                              projects->open_project_devices(), plan_run->outcomes(), with_unseen);
}

QJsonArray ORB_ListedSwitches::project_rows() const
{
    return ORB_SiteRows::project_rows(projects->open_project_devices(), plan_run->outcomes());
}
