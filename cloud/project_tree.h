#pragma once
// The project tree the window draws from, built from the cloud's project list:
// {"admin":[projects owned], "join":[projects shared]}, each project
// {"name","online","permission","pid","total","warn"[,"devices":{"online":[],"offline":[]}]}
// and each switch {"baseModel","mac","model","name","online","sn"[,"V"]}.
// Missing or mistyped members take empty or zero values.

#include "codec/cjson_util.h"

CJsonPtr build_project_tree(const cJSON* project_list_reply);
