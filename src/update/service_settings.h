#pragma once
// The update service of a deployment, from the settings file: the base URL
// ("UPDATE_SERVICE_URL", ending in "api/") and an extra trusted authority
// for a private service ("UPDATE_CA_FILE", a PEM file). Both absent by
// default: no service is asked.
#include <string_view>

#include "update/update_service.h"

namespace viremo {
class SettingsStore;
}

namespace viremo::update {

inline constexpr std::string_view kServiceUrlSetting = "UPDATE_SERVICE_URL";
inline constexpr std::string_view kAuthorityFileSetting = "UPDATE_CA_FILE";

ServiceSettings readServiceSettings(const SettingsStore& settings);

}  // namespace viremo::update
