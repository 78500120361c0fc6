// viremoctl profile <kind> ...: the named profiles of a device kind, in the
// same data folder the application uses.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "command.h"
#include "platform/folders.h"
#include "profiles/headset_profile_data.h"
#include "profiles/keyboard_profile_data.h"
#include "profiles/mouse_profile_data.h"
#include "profiles/profile_store.h"
#include "profiles/text.h"

namespace viremoctl {
namespace {

enum class Kind { Keyboard, Mouse, Pad, Headset };

struct KindRow {
    const char* word;
    const char* folder;  // the device data folder and the factory file's stem
    int modelId;
    Kind kind;
};

const KindRow kKinds[] = {
    {"keyboard", "keyboard", 1, Kind::Keyboard}, {"mouse", "mouse", 2, Kind::Mouse},
    {"pad", "MousePad", 3, Kind::Pad},           {"MousePad", "MousePad", 3, Kind::Pad},
    {"headset", "HD", 7, Kind::Headset},         {"HD", "HD", 7, Kind::Headset},
};

const KindRow* findKind(const std::string& word) {
    for (const auto& row : kKinds) {
        if (word == row.word) return &row;
    }
    return nullptr;
}

std::filesystem::path factoryFile(const KindRow& kind) {
    return viremo::folders::defaultData() / (std::string(kind.folder) + ".Json");
}

std::string hex(uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

template <size_t N>
std::string hexBytes(const std::array<uint8_t, N>& bytes) {
    std::string text;
    for (const uint8_t byte : bytes) text += (text.empty() ? "" : " ") + hex(byte, 2);
    return text;
}

Json::Value lightJson(const viremo::LightRecord& light) {
    Json::Value out;
    out["bytes"] = hexBytes(light.toBytes());
    out["mode"] = light.mode;
    out["brightness"] = light.brightness;
    out["speed"] = light.speed;
    out["direction"] = light.direction;
    out["multiColor"] = light.multiColor;
    out["color"] = "#" + hex(uint32_t(light.red) << 16 | uint32_t(light.green) << 8 | light.blue, 6);
    out["zzccLedMode"] = light.zzccLedMode;
    out["customGroup"] = light.customGroup;
    out["oldLedMode"] = light.oldLedMode;
    return out;
}

Json::Value keysJson(const std::vector<viremo::KeyListEntry>& keys) {
    Json::Value out(Json::arrayValue);
    for (const auto& key : keys) {
        Json::Value row;
        row["position"] = key.current.position;
        row["assignment"] = hex(key.current.code(), 6);
        row["factory"] = hex(key.factory.code(), 6);
        out.append(row);
    }
    return out;
}

Json::Value wordsJson(const std::array<uint32_t, 3>& words) {
    Json::Value out(Json::arrayValue);
    for (const uint32_t word : words) out.append(hex(word, 8));
    return out;
}

Json::Value bandsJson(const std::vector<int32_t>& bands) {
    Json::Value out(Json::arrayValue);
    for (const int32_t band : bands) out.append(band);
    return out;
}

// The current profile's records, read through the data class of the kind.
Json::Value decodedProfile(const KindRow& kind, const viremo::ProfileStore& store) {
    std::unique_ptr<viremo::CBasicProfiledata> data;
    switch (kind.kind) {
        case Kind::Keyboard: data = std::make_unique<viremo::CKeyboardProfiledata>(); break;
        case Kind::Mouse: data = std::make_unique<viremo::CMouseProfiledata>(); break;
        case Kind::Pad: data = std::make_unique<viremo::CBasicProfiledata>(); break;
        case Kind::Headset: data = std::make_unique<viremo::CHs6533Profiledata>(); break;
    }
    data->SetDefaultDataPath(factoryFile(kind));
    data->SetProfilePath(store.CurrentProfileFile());
    data->LoadProfile(store.CurrentProfileFile());
    if (!data->LastRepair().empty()) std::fprintf(stderr, "viremoctl: cannot read %s\n", data->LastRepair().c_str());

    Json::Value out;
    out["file"] = store.CurrentProfileFile().string();
    out["lighting"] = lightJson(data->GetLightInfo());
    out["audioLighting"] = hexBytes(data->GetAudioLightInfo().toBytes());
    out["lightList"] = Json::Value(Json::arrayValue);
    for (const auto& light : data->GetLightList()) out["lightList"].append(lightJson(light));
    out["keys"] = keysJson(data->GetKeyList());

    if (auto* keyboard = dynamic_cast<viremo::CKeyboardProfiledata*>(data.get())) {
        out["systemWords"] = wordsJson(keyboard->GetSystemStages());
        out["customGroup"] = keyboard->GetCustomLightGroup();
    }
    if (auto* mouse = dynamic_cast<viremo::CMouseProfiledata*>(data.get())) {
        out["systemWords"] = wordsJson(mouse->GetSystemStages());
        out["dpiStages"] = Json::Value(Json::arrayValue);
        for (const auto& stage : mouse->GetDpiStages()) out["dpiStages"].append(hexBytes(stage.toBytes()));
        out["activeDpiStage"] = mouse->GetActiveDpiStage();
    }
    if (auto* headset = dynamic_cast<viremo::CHs6533Profiledata*>(data.get())) {
        const auto settings = headset->GetSystemSetStages();
        out["settings"] = bandsJson({settings.magicEnable, settings.magicType, settings.eqType,
                                     settings.customEqSelectIndex, settings.micInSelect, settings.micInValue,
                                     settings.micMonitorSelect, settings.micMonitorValue});
        Json::Value presets;
        for (int preset = 1; preset <= 12; ++preset) presets[std::to_string(preset)] = bandsJson(headset->GetEqValues(preset));
        out["eqPresets"] = presets;
        Json::Value custom(Json::arrayValue);
        const auto names = headset->GetCustomEqNames();
        for (size_t i = 0; i < names.size(); ++i) {
            Json::Value row;
            row["name"] = names[i];
            row["bands"] = bandsJson(headset->GetCustomEqValues(int(i)));
            custom.append(row);
        }
        out["customEq"] = custom;
    }
    return out;
}

void printDecoded(const Json::Value& profile) {
    std::printf("file            %s\n", profile["file"].asCString());
    const Json::Value& light = profile["lighting"];
    std::printf("lighting        %s  (mode %d, brightness %d, speed %d, colour %s)\n", light["bytes"].asCString(),
                light["mode"].asInt(), light["brightness"].asInt(), light["speed"].asInt(), light["color"].asCString());
    std::printf("audio lighting  %s\n", profile["audioLighting"].asCString());
    for (Json::ArrayIndex i = 0; i < profile["lightList"].size(); ++i)
        std::printf("light %-9u %s\n", i, profile["lightList"][i]["bytes"].asCString());
    for (const auto& key : profile["keys"])
        std::printf("key %-11d %s (factory %s)\n", key["position"].asInt(), key["assignment"].asCString(),
                    key["factory"].asCString());
    if (profile.isMember("systemWords")) {
        const Json::Value& words = profile["systemWords"];
        std::printf("system words    %s %s %s\n", words[0].asCString(), words[1].asCString(), words[2].asCString());
    }
    if (profile.isMember("dpiStages")) {
        for (Json::ArrayIndex i = 0; i < profile["dpiStages"].size(); ++i)
            std::printf("DPI stage %u%s     %s\n", i, int(i) == profile["activeDpiStage"].asInt() ? "*" : " ",
                        profile["dpiStages"][i].asCString());
    }
    auto bandsText = [](const Json::Value& bands) {
        std::string text;
        for (const auto& band : bands) text += (text.empty() ? "" : " ") + std::to_string(band.asInt());
        return text;
    };
    if (profile.isMember("settings")) std::printf("settings        %s\n", bandsText(profile["settings"]).c_str());
    if (profile.isMember("eqPresets")) {
        for (int preset = 1; preset <= 12; ++preset)
            std::printf("EQ preset %-5d %s\n", preset, bandsText(profile["eqPresets"][std::to_string(preset)]).c_str());
        for (const auto& custom : profile["customEq"])
            std::printf("custom EQ       %s: %s\n", viremo::text::displayable(custom["name"].asString()).c_str(),
                        bandsText(custom["bands"]).c_str());
    }
}

int list(const Options& options, const viremo::ProfileStore& store) {
    const auto& profiles = store.Profiles();
    if (options.json) {
        Json::Value out;
        out["profiles"] = Json::Value(Json::arrayValue);
        for (size_t i = 0; i < profiles.size(); ++i) {
            Json::Value row;
            row["index"] = int(i);
            row["name"] = profiles[i].name;
            row["id"] = profiles[i].id;
            row["current"] = int(i) == store.StoredSelection();
            out["profiles"].append(row);
        }
        out["selected"] = store.StoredSelection();
        printJson(out);
        return kSuccess;
    }
    for (size_t i = 0; i < profiles.size(); ++i) {
        std::printf("%c %2zu  %-24s %s\n", int(i) == store.StoredSelection() ? '*' : ' ', i,
                    viremo::text::displayable(profiles[i].name).c_str(), viremo::text::displayable(profiles[i].id).c_str());
    }
    return kSuccess;
}

// A profile named by its index or by its name (in any letter case).
int findProfile(const viremo::ProfileStore& store, const std::string& word) {
    const auto& profiles = store.Profiles();
    char* end = nullptr;
    const long index = std::strtol(word.c_str(), &end, 10);
    if (!word.empty() && *end == '\0') return index >= 0 && size_t(index) < profiles.size() ? int(index) : -1;
    for (size_t i = 0; i < profiles.size(); ++i) {
        if (viremo::text::equalsIgnoringCase(profiles[i].name, word)) return int(i);
    }
    return -1;
}

std::string failure(const viremo::ProfileStore& store, viremo::ProfileResult result) {
    const std::string& problem = store.Problem();
    return std::string(viremo::describe(result)) + (problem.empty() ? "" : " (" + problem + ")");
}

// Reports a finished change; the list after it with --json, whose
// "selected" is the selection the list now stores: the current profile of
// the next run.
int report(const Options& options, viremo::ProfileStore& store, viremo::ProfileResult result, const std::string& done) {
    if (result != viremo::ProfileResult::Done) return fail(failure(store, result));
    if (options.json) return list(options, store);
    std::printf("%s\n", done.c_str());
    return kSuccess;
}

const char* kUsage =
    "usage: viremoctl profile <keyboard|mouse|pad|headset> "
    "list|show|add|copy|rename <name>|delete|reset|import <file>|export <file>|switch <index|name>";

}  // namespace

int runProfile(const Options& options, Arguments arguments) {
    if (arguments.size() < 2) return fail(kUsage);
    const KindRow* kind = findKind(arguments[0]);
    if (!kind) return fail("unknown device kind '" + arguments[0] + "' (keyboard, mouse, pad or headset)");
    const std::string& action = arguments[1];
    const auto operands = arguments.subspan(2);
    const bool needsOperand = action == "rename" || action == "import" || action == "export" || action == "switch";
    if (operands.size() != (needsOperand ? 1u : 0u)) return fail(kUsage);

    viremo::ProfileStore store(viremo::folders::deviceData(kind->folder), factoryFile(*kind), kind->modelId);
    if (const auto loaded = store.LoadProfileList(); loaded != viremo::ProfileResult::Done)
        return fail("cannot read the profile list: " + failure(store, loaded));
    const std::string current = store.Profiles()[size_t(store.GetSelectedProfileIndex())].name;

    if (action == "list") return list(options, store);
    if (action == "show") {
        const Json::Value profile = decodedProfile(*kind, store);
        if (options.json) printJson(profile);
        else printDecoded(profile);
        return kSuccess;
    }
    if (action == "add") {
        const auto result = store.AddProfile();
        return report(options, store, result, "added " + store.Profiles().back().name + "; it is now the current profile");
    }
    if (action == "copy") {
        const auto result = store.CopyProfile();
        return report(options, store, result, "copied " + current + " to " + store.Profiles().back().name);
    }
    if (action == "rename") return report(options, store, store.RenameProfile(operands[0]), "renamed " + current + " to " + operands[0]);
    if (action == "delete") {
        const auto result = store.DeleteProfile();
        const auto& profiles = store.Profiles();
        const std::string now = profiles.empty() ? "" : profiles[size_t(store.GetSelectedProfileIndex())].name;
        return report(options, store, result, "deleted " + current + "; current profile: " + now);
    }
    if (action == "reset") return report(options, store, store.ResetProfile(), "reset " + current + " to the factory settings");
    if (action == "import") {
        const auto result = store.ImportProfile(operands[0]);
        return report(options, store, result, "imported " + store.Profiles().back().name);
    }
    if (action == "export") return report(options, store, store.ExportProfile(operands[0]), "exported " + current + " to " + operands[0]);
    if (action == "switch") {
        const int index = findProfile(store, operands[0]);
        if (index < 0) return fail("no profile '" + operands[0] + "'");
        return report(options, store, store.SelectProfile(index), "current profile: " + store.Profiles()[size_t(index)].name);
    }
    return fail("unknown profile action '" + action + "'");
}

}  // namespace viremoctl
