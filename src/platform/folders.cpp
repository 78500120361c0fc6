#include "platform/folders.h"

#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

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

// An absolute path, or empty: relative XDG paths and homes are ignored.
std::filesystem::path absoluteOrEmpty(const char* value) {
    return value && *value == '/' ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path passwordHome() {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
    return absoluteOrEmpty(found->pw_dir);
}

// $HOME, else the home of the password database. A root folder ("/") as home
// would put the data in a folder shared by every user: refused like none.
std::filesystem::path home() {
    std::filesystem::path folder = absoluteOrEmpty(std::getenv("HOME"));
    if (folder.empty()) folder = passwordHome();
    return folder.lexically_normal() == "/" ? std::filesystem::path() : folder;
}

std::filesystem::path xdgFolder(const char* variable, const char* fallbackBelowHome) {
    if (auto folder = absoluteOrEmpty(std::getenv(variable)); !folder.empty()) return folder;
    const auto base = home();
    if (base.empty())
        throw std::runtime_error(std::string("no home folder for the data: set HOME or ") + variable +
                                 " to an absolute path");
    return base / fallbackBelowHome;
}

std::filesystem::path created(std::filesystem::path folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace

std::filesystem::path executableFolder() {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

std::optional<std::string> homeProblem() {
    try {
        xdgFolder("XDG_DATA_HOME", ".local/share");
        xdgFolder("XDG_CONFIG_HOME", ".config");
    } catch (const std::runtime_error& problem) {
        return problem.what();
    }
    return std::nullopt;
}

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
