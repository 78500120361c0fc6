// viremoctl keys: the key assignments of the current keyboard or mouse profile.
//
//   keys <keyboard|mouse>                       list keys and their assignments
//   keys <keyboard|mouse> set <key> <assignment>
//
// A key is its number or its name; an assignment is a hexadecimal code
// (0x200004), a readable form (Ctrl+A, macro:2, media:play-pause, mouse:left,
// dpi:up ...) or "default". The change is stored in the current profile.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "macros/assignment_text.h"
#include "macros/device_functions.h"
#include "macros/key_table.h"
#include "macros/macro_config.h"
#include "macros/text.h"
#include "platform/folder_lock.h"
#include "platform/folders.h"
#include "profiles/basic_profile_data.h"
#include "profiles/profile_store.h"

namespace viremoctl {
namespace {

using viremo::AssignmentCode;
using viremo::KeyListEntry;

struct KeyDevice {
    std::string_view kind;  // the device data folder's name
    int modelId;
};

constexpr std::array<KeyDevice, 2> kKeyDevices{{{"keyboard", 1}, {"mouse", 2}}};

// The mouse's buttons in key-list order.
constexpr std::array<std::string_view, 11> kMouseButtonNames{
    "left", "right", "middle", "forward", "back", "dpi-up", "dpi-down", "dpi-cycle", "gm", "m8", "fire"};

std::optional<KeyDevice> keyDevice(std::string_view kind) {
    for (const auto& device : kKeyDevices)
        if (viremo::equalsIgnoringAsciiCase(device.kind, kind)) return device;
    return std::nullopt;
}

AssignmentCode codeOf(const viremo::KeyAssignment& assignment) {
    return {assignment.category, assignment.first, assignment.second};
}

std::string keyName(const KeyDevice& device, size_t index, const KeyListEntry& key) {
    if (device.kind == "mouse" && index < kMouseButtonNames.size()) return std::string(kMouseButtonNames[index]);
    if (const auto row = viremo::keyRowByCode(codeOf(key.factory)))
        return std::string(viremo::shortKeyName(viremo::keyTable()[*row].nameId));
    return "key" + std::to_string(index);
}

// The profile in use: the device's profile list is created on first use,
// the current profile file from the factory profile when missing.
struct CurrentProfile {
    std::filesystem::path folder;
    viremo::CBasicProfiledata data;
    std::vector<KeyListEntry> keys;
    std::string problem;  // why it cannot be loaded, naming the file
};

int cannotLoad(const KeyDevice& device, const CurrentProfile& profile) {
    return fail("cannot read the current " + std::string(device.kind) + " profile" +
                (profile.problem.empty() ? "" : " (" + profile.problem + ")"));
}

bool loadCurrentProfile(const KeyDevice& device, CurrentProfile& profile) {
    profile.folder = viremo::folders::deviceData(device.kind);
    const auto factory = viremo::folders::defaultData() / (std::string(device.kind) + ".Json");
    viremo::ProfileStore store(profile.folder, factory, device.modelId);
    if (const auto result = store.LoadProfileList(); result != viremo::ProfileResult::Done) {
        profile.problem = store.Problem();
        return false;
    }
    const auto file = store.CurrentProfileFile();
    if (file.empty()) return false;
    profile.data.SetDefaultDataPath(factory);
    profile.data.SetProfilePath(file);
    profile.data.LoadProfile(file);
    if (!profile.data.LastRepair().empty())
        std::fprintf(stderr, "viremoctl: cannot read %s\n", profile.data.LastRepair().c_str());
    profile.keys = profile.data.GetKeyList();
    return true;
}

std::optional<size_t> findKey(const KeyDevice& device, const std::vector<KeyListEntry>& keys, const std::string& word) {
    if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos) {
        const auto index = viremo::readDecimal(word);
        if (index < int64_t(keys.size())) return size_t(index);
        return std::nullopt;
    }
    for (size_t index = 0; index < keys.size(); ++index)
        if (viremo::equalsIgnoringAsciiCase(keyName(device, index, keys[index]), word)) return index;
    return std::nullopt;
}

Json::Value keyJson(const KeyDevice& device, size_t index, const KeyListEntry& key,
                    const std::vector<std::string>& macros) {
    const AssignmentCode current = codeOf(key.current);
    Json::Value row(Json::objectValue);
    row["key"] = Json::UInt64(index);
    row["name"] = keyName(device, index, key);
    row["code"] = current.toProfileInteger();
    row["hex"] = viremo::hexCode(current);
    row["assignment"] = viremo::describeAssignment(current);
    row["default"] = current == codeOf(key.factory);
    if (current.isMacro() && current.first < macros.size()) row["macro"] = macros[current.first];
    return row;
}

void printKey(const Json::Value& row) {
    std::string line = row["hex"].asString() + "  " + row["assignment"].asString();
    if (row.isMember("macro")) line += " (" + row["macro"].asString() + ")";
    if (row["default"].asBool()) line += "  [default]";
    std::printf("%3u  %-12s %s\n", row["key"].asUInt(), row["name"].asCString(), line.c_str());
}

int listKeys(const Options& options, const KeyDevice& device) {
    CurrentProfile profile;
    if (!loadCurrentProfile(device, profile)) return cannotLoad(device, profile);
    const auto macros = viremo::macroNames(profile.folder);
    Json::Value rows(Json::arrayValue);
    for (size_t index = 0; index < profile.keys.size(); ++index)
        rows.append(keyJson(device, index, profile.keys[index], macros));
    if (options.json) printJson(rows);
    else for (const auto& row : rows) printKey(row);
    return kSuccess;
}

// Also the six hexadecimal digits "profile show" prints (200029).
std::optional<AssignmentCode> readAssignment(const std::string& text) {
    if (text.size() == 6 && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos)
        return AssignmentCode::fromProfileInteger(int64_t(std::stoul(text, nullptr, 16)));
    return viremo::parseAssignment(text);
}

int setKey(const Options& options, const KeyDevice& device, const std::string& keyWord, const std::string& assignment) {
    const viremo::FolderLock lock(viremo::folders::deviceData(device.kind));
    CurrentProfile profile;
    if (!loadCurrentProfile(device, profile)) return cannotLoad(device, profile);
    const auto index = findKey(device, profile.keys, keyWord);
    if (!index) return fail("no key '" + keyWord + "' (see viremoctl keys " + std::string(device.kind) + ")");
    KeyListEntry& key = profile.keys[*index];
    std::optional<AssignmentCode> code =
        viremo::equalsIgnoringAsciiCase(assignment, "default") ? codeOf(key.factory) : readAssignment(assignment);
    if (!code) return fail("cannot read the assignment '" + assignment + "'");
    if (const auto refusal = viremo::refusalOf(device.modelId, *code); !refusal.empty())
        return fail("cannot assign '" + assignment + "': " + std::string(refusal));
    const auto macros = viremo::macroNames(profile.folder);
    if (code->isMacro() && code->first >= macros.size())
        return fail("no macro " + std::to_string(code->first) + " (the library holds " + std::to_string(macros.size()) + ")");
    key.current = viremo::KeyAssignment::fromCode(key.current.position, code->toProfileInteger());
    profile.data.SetKeyList(profile.keys);
    if (!profile.data.Save()) return fail("cannot write the profile file " + profile.data.GetProfilePath().string());
    const Json::Value row = keyJson(device, *index, key, macros);
    if (options.json) printJson(row);
    else printKey(row);
    return kSuccess;
}

}  // namespace

int runKeys(const Options& options, Arguments arguments) {
    if (arguments.empty()) return fail("usage: keys <keyboard|mouse> [set <key> <assignment>]");
    const auto device = keyDevice(arguments[0]);
    if (!device) return fail("keys: unknown device kind '" + arguments[0] + "' (keyboard or mouse)");
    if (arguments.size() == 1) return listKeys(options, *device);
    if (arguments.size() == 4 && arguments[1] == "set") return setKey(options, *device, arguments[2], arguments[3]);
    return fail("usage: keys <keyboard|mouse> [set <key> <assignment>]");
}

}  // namespace viremoctl
