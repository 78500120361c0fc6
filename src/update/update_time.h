#pragma once
// "updatetime.config" in the application data folder: the local date of the
// last update check, {"updatelasttime": {"value": "2024-3-9"}}.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace viremo::update {

std::filesystem::path updateTimeFile();  // application data + "updatetime.config"

// "%d-%d-%d" of the local year, month and day, without leading zeros.
std::string dateText(Clock::Wall when);

bool writeLastCheckDate(const std::filesystem::path& file, std::string_view date);

// The stored date; when there is none (no file, no such string member),
// today's date, which is stored first. A file that cannot be parsed is kept
// as "<name>.bad" before it is replaced.
std::string lastCheckDate(const std::filesystem::path& file, const Clock& clock);

}  // namespace viremo::update
