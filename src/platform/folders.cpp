#include "platform/folders.h"

#include <cstdlib>
#include <mutex>
#include <system_error>
#include <unistd.h>

#ifndef VIREMO_RESOURCES_DIR
#define VIREMO_RESOURCES_DIR ""
#endif
#ifndef VIREMO_INSTALLED_RESOURCES_DIR
#define VIREMO_INSTALLED_RESOURCES_DIR ""
#endif

namespace viremo::folders {
namespace {

std::mutex overrideMutex;
std::filesystem::path resourcesOverride;

std::filesystem::path xdgFolder(const char* variable, const char* fallbackBelowHome) {
    if (const char* value = std::getenv(variable); value && *value == '/') return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / fallbackBelowHome;
}

std::filesystem::path created(std::filesystem::path folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::filesystem::path executableFolder() {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

}  // namespace

std::filesystem::path applicationData() {
    return created(xdgFolder("XDG_DATA_HOME", ".local/share") / kApplicationFolderName);
}

std::filesystem::path deviceData(std::string_view kindFolderName) {
    return created(applicationData() / kindFolderName);
}

std::filesystem::path settings() {
    return created(xdgFolder("XDG_CONFIG_HOME", ".config") / kApplicationFolderName);
}

std::filesystem::path resources() {
    {
        std::lock_guard lock(overrideMutex);
        if (!resourcesOverride.empty()) return resourcesOverride;
    }
    std::error_code error;
    const auto installed = executableFolder() / "../share/viremo";
    if (std::filesystem::is_directory(installed / "DefaultData", error)) return installed.lexically_normal();
    if (*VIREMO_INSTALLED_RESOURCES_DIR &&
        std::filesystem::is_directory(std::filesystem::path(VIREMO_INSTALLED_RESOURCES_DIR) / "DefaultData", error))
        return VIREMO_INSTALLED_RESOURCES_DIR;
    return VIREMO_RESOURCES_DIR;
}

std::filesystem::path defaultData() { return resources() / "DefaultData"; }

void setResourcesOverride(std::filesystem::path folder) {
    std::lock_guard lock(overrideMutex);
    resourcesOverride = std::move(folder);
}

}  // namespace viremo::folders
