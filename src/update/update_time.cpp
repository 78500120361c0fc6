#include "update/update_time.h"

#include <ctime>

#include "platform/atomic_file.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::update {

std::filesystem::path updateTimeFile() { return folders::applicationData() / "updatetime.config"; }

std::string dateText(Clock::Wall when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    return std::to_string(local.tm_year + 1900) + "-" + std::to_string(local.tm_mon + 1) + "-" +
           std::to_string(local.tm_mday);
}

bool writeLastCheckDate(const std::filesystem::path& file, std::string_view date) {
    Json::Value document(Json::objectValue);
    document["updatelasttime"]["value"] = std::string(date);
    return json::writeFile(file, document);
}

std::string lastCheckDate(const std::filesystem::path& file, const Clock& clock) {
    const json::Document document = json::readDocument(file);
    const Json::Value* lastTime = json::objectMember(document.root, "updatelasttime");
    if (const auto stored = lastTime ? json::stringMember(*lastTime, "value") : std::nullopt) return *stored;
    if (document.state == json::FileState::Broken) keepAsBad(file);
    const std::string today = dateText(clock.wallNow());
    writeLastCheckDate(file, today);
    return today;
}

}  // namespace viremo::update
