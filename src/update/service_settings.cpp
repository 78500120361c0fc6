#include "update/service_settings.h"

#include "platform/settings_store.h"

namespace viremo::update {

ServiceSettings readServiceSettings(const SettingsStore& settings) {
    ServiceSettings service;
    service.baseUrl = settings.text(kServiceUrlSetting).value_or("");
    service.authorityFile = settings.text(kAuthorityFileSetting).value_or("");
    return service;
}

}  // namespace viremo::update
