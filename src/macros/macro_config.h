#pragma once
// The macro list of a device data folder, "macro.config":
//   {"MacroInfo": [{"MacroName": "macro_1", "Guid": "2024_03_09_14_05_07_042"}, ...]}
// A key bound to a macro stores its position in "MacroInfo", so every entry
// counts, malformed ones included (they read as an empty name and Guid).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <json/value.h>

#include "profiles/json_file.h"

namespace viremo {

inline constexpr std::string_view kMacroConfigName = "macro.config";
inline constexpr std::string_view kMacroFileExtension = ".mac";

struct MacroEntry {
    std::string name;
    std::string guid;
};

struct MacroConfig {
    // Broken also covers a document that is not an object or whose
    // "MacroInfo" is not an array: writing it back would lose entries.
    json::FileState state = json::FileState::Absent;
    Json::Value root{Json::objectValue};  // the whole document, kept for rewriting
    std::vector<MacroEntry> entries;
    std::string problem;  // when Broken: one line naming the file
};

MacroConfig readMacroConfig(const std::filesystem::path& folder);
MacroConfig parseMacroConfig(const json::Document& document);
bool writeMacroConfig(const std::filesystem::path& folder, const Json::Value& root);

// The names in list order; empty when the list is missing or unreadable.
std::vector<std::string> macroNames(const std::filesystem::path& folder);

// The number of macros key bindings may refer to: 0 without a list, nothing
// when the list cannot be read. A list that cannot be read is no empty
// list: bindings are cleaned up only against a list that was read.
std::optional<int> readableMacroCount(const std::filesystem::path& folder);

// folder + Guid + ".mac"; nullopt when the Guid is not a plain file name.
std::optional<std::filesystem::path> macroEventFile(const std::filesystem::path& folder, const std::string& guid);

}  // namespace viremo
