#pragma once
// Keys refer to macros by their position in "macro.config". When macro m is
// deleted, keys bound to it get their factory assignment back and keys bound
// to a later macro move down by one, in every profile of the device.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <json/value.h>

#include "macros/assignment_code.h"
#include "profiles/profile_records.h"

namespace viremo {

// The key's new code, or nullopt when the deletion does not touch it.
std::optional<AssignmentCode> codeAfterMacroDelete(const AssignmentCode& current, const AssignmentCode& factory,
                                                   int deleted);

// The device's assignments in memory.
bool keysUseMacro(const std::vector<KeyListEntry>& keys, int macro);
bool renumberKeys(std::vector<KeyListEntry>& keys, int deleted);

// A profile entry's "KeyList" ({"Assignment", "DefaultAssignment"} per key).
bool keyListUsesMacro(const Json::Value& profileEntry, int macro);
bool renumberKeyList(Json::Value& profileEntry, int deleted);

// The first profile file of the device that exists but cannot be read (one
// line naming it), or the list itself when it cannot be read.
std::optional<std::string> unreadableProfileFile(const std::filesystem::path& deviceFolder);

struct ProfileRenumbering {
    std::vector<std::filesystem::path> changed;
    std::vector<std::filesystem::path> failed;  // could not be written
};

// Every profile file of "ProfileList.ini" in the device folder except
// `skip` (the profile the device holds in memory); each changed file is
// rewritten whole.
ProfileRenumbering renumberProfileFiles(const std::filesystem::path& deviceFolder, int deleted,
                                        const std::filesystem::path& skip = {});

}  // namespace viremo
