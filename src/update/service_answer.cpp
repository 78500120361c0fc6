#include "update/service_answer.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "profiles/json_file.h"
#include "update/version_number.h"

namespace viremo::update {
namespace {

std::string stringOf(const Json::Value& answer, std::string_view key) {
    return json::stringMember(answer, key).value_or(std::string());
}

int intOf(const Json::Value& answer, std::string_view key) {
    return int(std::clamp<int64_t>(json::intMember(answer, key).value_or(0), INT_MIN, INT_MAX));
}

}  // namespace

std::string requestBody(std::string_view appKey, int installedVersion, bool hexadecimal) {
    char version[16];
    if (hexadecimal) std::snprintf(version, sizeof version, "%x", unsigned(installedVersion));
    else std::snprintf(version, sizeof version, "%d", installedVersion);
    std::string body = "app_key=" + std::string(appKey) + "&version=" + version;
    body += '\0';
    return body;
}

void readAnswer(const Json::Value& answer, int installedVersion, bool hexadecimal, UpdateInfo& info) {
    info.path = stringOf(answer, "path");
    info.name = stringOf(answer, "name");
    info.versionName = stringOf(answer, "version_name");
    const std::string version = stringOf(answer, "version");
    info.newVersionText = "V" + version;
    info.deviceId = intOf(answer, "device_id");
    const uint32_t latest = leadingNumber(version, hexadecimal ? 16 : 10);
    if (hexadecimal) {
        info.currentVersionText = hexadecimalVersionText(installedVersion);
    } else {
        info.currentVersionText = decimalVersionText(installedVersion);
        info.newVersionText = info.versionName;
    }
    info.status = uint32_t(installedVersion) < latest ? kStatusNewerVersion : kStatusNoNewerVersion;
}

}  // namespace viremo::update
