#include "update/service_settings.h"

#include <gtest/gtest.h>

#include "platform/settings_store.h"

namespace viremo::update {
namespace {

TEST(ServiceSettings, TheDeploymentNamesTheServiceInTheSettingsFile) {
    const auto file = std::filesystem::temp_directory_path() / "viremo-service-settings-test.json";
    std::filesystem::remove(file);
    SettingsStore settings(file);
    EXPECT_TRUE(readServiceSettings(settings).baseUrl.empty());  // none by default

    settings.setText("UPDATE_SERVICE_URL", "https://updates.example/api/");
    settings.setText("UPDATE_CA_FILE", "/etc/viremo/ca.pem");
    settings.setInteger("LANGUAGE", 1033);
    const ServiceSettings service = readServiceSettings(settings);
    EXPECT_EQ(service.baseUrl, "https://updates.example/api/");
    EXPECT_EQ(service.authorityFile, "/etc/viremo/ca.pem");

    settings.setInteger("UPDATE_SERVICE_URL", 5);  // the wrong type counts as absent
    EXPECT_TRUE(readServiceSettings(settings).baseUrl.empty());
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace viremo::update
