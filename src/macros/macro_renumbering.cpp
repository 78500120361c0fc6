#include "macros/macro_renumbering.h"

#include <algorithm>

#include "profiles/json_file.h"
#include "profiles/profile_store.h"

namespace viremo {
namespace {

// The profile entry of a profile file that the devices use.
constexpr Json::ArrayIndex kProfileIndex = 0;

AssignmentCode codeOf(const KeyAssignment& assignment) {
    return {assignment.category, assignment.first, assignment.second};
}

void setCode(KeyAssignment& assignment, const AssignmentCode& code) {
    assignment.category = code.category;
    assignment.first = code.first;
    assignment.second = code.second;
}

AssignmentCode codeMember(const Json::Value& key, const char* name) {
    return AssignmentCode::fromProfileInteger(json::intMember(key, name).value_or(0));
}

Json::Value* keyListOf(Json::Value& profileEntry) {
    return json::arrayMember(profileEntry, "KeyList") ? &profileEntry["KeyList"] : nullptr;
}

}  // namespace

std::optional<AssignmentCode> codeAfterMacroDelete(const AssignmentCode& current, const AssignmentCode& factory,
                                                   int deleted) {
    if (!current.isMacro() || current.first < deleted) return std::nullopt;
    if (current.first == deleted) return factory;
    AssignmentCode lowered = current;
    --lowered.first;
    return lowered;
}

bool keysUseMacro(const std::vector<KeyListEntry>& keys, int macro) {
    return std::any_of(keys.begin(), keys.end(), [&](const KeyListEntry& key) {
        const AssignmentCode code = codeOf(key.current);
        return code.isMacro() && code.first == macro;
    });
}

bool renumberKeys(std::vector<KeyListEntry>& keys, int deleted) {
    bool changed = false;
    for (auto& key : keys) {
        if (const auto code = codeAfterMacroDelete(codeOf(key.current), codeOf(key.factory), deleted)) {
            setCode(key.current, *code);
            changed = true;
        }
    }
    return changed;
}

bool keyListUsesMacro(const Json::Value& profileEntry, int macro) {
    const Json::Value* list = json::arrayMember(profileEntry, "KeyList");
    if (!list) return false;
    return std::any_of(list->begin(), list->end(), [&](const Json::Value& key) {
        const AssignmentCode code = codeMember(key, "Assignment");
        return code.isMacro() && code.first == macro;
    });
}

bool renumberKeyList(Json::Value& profileEntry, int deleted) {
    Json::Value* list = keyListOf(profileEntry);
    if (!list) return false;
    bool changed = false;
    for (Json::Value& key : *list) {
        if (!json::intMember(key, "Assignment")) continue;
        const auto code = codeAfterMacroDelete(codeMember(key, "Assignment"), codeMember(key, "DefaultAssignment"), deleted);
        if (!code) continue;
        key["Assignment"] = code->toProfileInteger();
        changed = true;
    }
    return changed;
}

std::optional<std::string> unreadableProfileFile(const std::filesystem::path& deviceFolder) {
    ProfileStore store(deviceFolder, {}, 0);
    const json::Document list = json::readDocument(store.ListFile());
    if (list.state == json::FileState::Broken) return list.problem;
    const int count = store.GetProfileCount();
    for (int index = 0; index < count; ++index) {
        const auto file = store.GetProfileFilePath(index);
        if (file.empty()) continue;
        const json::Document document = json::readDocument(file);
        if (document.state == json::FileState::Broken) return document.problem;
    }
    return std::nullopt;
}

ProfileRenumbering renumberProfileFiles(const std::filesystem::path& deviceFolder, int deleted,
                                        const std::filesystem::path& skip) {
    ProfileRenumbering result;
    ProfileStore store(deviceFolder, {}, 0);
    const int count = store.GetProfileCount();
    for (int index = 0; index < count; ++index) {
        const auto file = store.GetProfileFilePath(index);
        if (file.empty() || (!skip.empty() && file == skip)) continue;
        Json::Value document = json::readFile(file);
        const Json::Value* devices = json::arrayMember(document, "Device");
        if (!devices || devices->size() <= kProfileIndex) continue;
        if (!renumberKeyList(document["Device"][kProfileIndex], deleted)) continue;
        if (json::writeFile(file, document)) result.changed.push_back(file);
        else result.failed.push_back(file);
    }
    return result;
}

}  // namespace viremo
