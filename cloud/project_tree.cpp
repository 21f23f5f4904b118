#include "project_tree.h"

namespace {

void copy_text(cJSON* to, const cJSON* from, const char* name)
{
    const char* value = cjson_string_member(from, name);
    cJSON_AddStringToObject(to, name, value ? value : "");
}

int integer_member(const cJSON* from, const char* name)
{
    const cJSON* value = cJSON_GetObjectItemCaseSensitive(from, name);
    return cJSON_IsNumber(value) ? value->valueint : 0;
}

void copy_integer(cJSON* to, const cJSON* from, const char* name)
{
    cJSON_AddNumberToObject(to, name, integer_member(from, name));
}

cJSON* switch_entry(const cJSON* device)
{
    cJSON* entry = cJSON_CreateObject();
    copy_text(entry, device, "baseModel");
    copy_text(entry, device, "mac");
    copy_text(entry, device, "model");
    copy_text(entry, device, "name");
    copy_integer(entry, device, "online");
    copy_text(entry, device, "sn");
    if (const char* version = cjson_string_member(device, "sysVer"))
        cJSON_AddStringToObject(entry, "V", version);
    return entry;
}

bool is_online(const cJSON* device)
{
    const cJSON* online = cJSON_GetObjectItemCaseSensitive(device, "online");
    return cJSON_IsNumber(online) && online->valuedouble == 1;
}

cJSON* project_entry(const cJSON* project)
{
    cJSON* entry = cJSON_CreateObject();
    copy_text(entry, project, "name");
    copy_integer(entry, project, "online");
    copy_integer(entry, project, "permission");
    copy_text(entry, project, "pid");
    copy_integer(entry, project, "total");
    copy_integer(entry, project, "warn");
    const cJSON* devices = cJSON_GetObjectItemCaseSensitive(project, "devices");
    if (cJSON_IsArray(devices)) {
        cJSON* filed = cJSON_AddObjectToObject(entry, "devices");
        cJSON* online = cJSON_AddArrayToObject(filed, "online");
        cJSON* offline = cJSON_AddArrayToObject(filed, "offline");
        const cJSON* device = nullptr;
        cJSON_ArrayForEach(device, devices)
        {
            cJSON_AddItemToArray(is_online(device) ? online : offline, switch_entry(device));
        }
    }
    return entry;
}

} // namespace

CJsonPtr build_project_tree(const cJSON* project_list_reply)
{
    CJsonPtr root(cJSON_CreateObject());
    cJSON* admin = cJSON_AddArrayToObject(root.get(), "admin");
    cJSON* join = cJSON_AddArrayToObject(root.get(), "join");
    const cJSON* projects = cJSON_GetObjectItemCaseSensitive(project_list_reply, "projects");
    if (!cJSON_IsArray(projects))
        return root;
    const cJSON* project = nullptr;
    cJSON_ArrayForEach(project, projects)
    {
        cJSON_AddItemToArray(integer_member(project, "permission") != 0 ? join : admin, project_entry(project));
    }
    return root;
}
