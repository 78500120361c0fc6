#pragma once
// The question to the update service and the reading of its answer.
#include <span>
#include <string>
#include <string_view>

#include <json/value.h>

#include "update/update_info.h"

namespace viremo::update {

// "app_key=<key>&version=<installed>", the version in lower-case
// hexadecimal or in decimal, inserted as they are, followed by the one zero
// byte the service has always been sent.
std::string requestBody(std::string_view appKey, int installedVersion, bool hexadecimal);

// Fills the answer's fields into `info` and compares the versions: status 1
// when the installed version is older than the answer's "version". Members
// of the wrong type count as absent ("" or 0).
void readAnswer(const Json::Value& answer, int installedVersion, bool hexadecimal, UpdateInfo& info);

}  // namespace viremo::update
