// viremoctl read, apply, lighting and status of the keyboard:
//
//   read keyboard       read-all: settings, key table with names, macro memory
//   apply keyboard      writes the current profile: used macros, key table, settings
//   lighting keyboard [--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1]
//                     [--color RRGGBB] [--multicolor 0|1]
//                     [--run SECONDS [--reaction LIGHT]... [--audio LEVEL]]
//                       stores into the profile and writes the settings record;
//                       with --run then drives the lights in software for that
//                       long and prints the light frames per second
//   status keyboard     battery level
//
// The keyboard is taken on its cable, or through its receiver when only that
// is present.
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "command.h"
#include "device_backend.h"
#include "lighting_options.h"
#include "open_device.h"
#include "whole_number.h"
#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "devices/protocol/result_code.h"
#include "devices/protocol/packet_log.h"
#include "macros/assignment_text.h"
#include "macros/key_table.h"
#include "macros/macro_image.h"
#include "platform/folder_lock.h"

namespace viremoctl {

// The pad's forms of read, apply and lighting (cmd_pad.cpp) and the
// headset's lighting (cmd_headset.cpp).
bool isPad(Arguments arguments);
int runPadRead(const Options& options, Arguments arguments);
int runPadApply(const Options& options, Arguments arguments);
int runPadLighting(const Options& options, Arguments arguments);
int runHeadsetLighting(const Options& options, Arguments arguments);

namespace {

using namespace viremo::devices;
using viremo::LightRecord;

struct OpenedKeyboard {
    std::unique_ptr<CVendrakeKeyboardDevice> device;
    std::string failure;
};

OpenedKeyboard openKeyboard(const Options& options) {
    viremo::hid::Backend& backend = deviceBackend(options);
    OpenedKeyboard opened;
    auto device = std::make_unique<CVendrakeKeyboardDevice>(backend);
    if (auto problem = attachDevice(*device, backend, kKindKeyboard, "keyboard")) opened.failure = std::move(*problem);
    else opened.device = std::move(device);
    return opened;
}

bool isKeyboard(Arguments arguments) { return !arguments.empty() && arguments[0] == "keyboard"; }

std::string codeText(const uint8_t* code) {
    char text[12];
    std::snprintf(text, sizeof text, "%02x %02x %02x", code[0], code[1], code[2]);
    return text;
}

std::string keyName(int key) {
    const auto& factory = keyboard::factoryKeyCodes()[size_t(key)];
    if (const auto row = viremo::keyRowByCode({factory[0], factory[1], factory[2]}))
        return std::string(viremo::shortKeyName(viremo::keyTable()[*row].nameId));
    return viremo::describeAssignment({factory[0], factory[1], factory[2]});
}

std::string modeName(CVendrakeKeyboardDevice& device, int mode) {
    const auto& modes = device.Modes().modes;
    return mode >= 0 && size_t(mode) < modes.size() ? modes[size_t(mode)].name : std::string();
}

// ---- read ---------------------------------------------------------------

// What the settings record read from the keyboard says, in program terms.
Json::Value settingsOf(CVendrakeKeyboardDevice& device) {
    const auto& mirror = device.SettingsMirror();
    const auto recordByte = [&](size_t at) { return mirror[keyboard::kRecordInBlock + at]; };
    const LightRecord lighting = device.GetLightInfo();
    Json::Value settings(Json::objectValue);
    settings["activeProfile"] = mirror[0];
    settings["mode"] = lighting.mode;
    settings["modeName"] = modeName(device, lighting.mode);
    settings["modeCode"] = recordByte(keyboard::record_at::kMode);
    settings["brightness"] = lighting.brightness;
    settings["speed"] = lighting.speed;
    settings["direction"] = lighting.direction;
    settings["multicolor"] = lighting.multiColor;
    settings["color"] = colourText(lighting.red, lighting.green, lighting.blue);
    settings["specialMode"] = recordByte(keyboard::record_at::kSpecialMode);
    settings["wLock"] = recordByte(keyboard::record_at::kWFlag);
    settings["sixKey"] = recordByte(keyboard::record_at::kKey6Flag);
    settings["windowsLock"] = recordByte(keyboard::record_at::kWinFlag);
    settings["pollingRate"] = recordByte(keyboard::record_at::kPollingRate);
    settings["customGroup"] = recordByte(keyboard::record_at::kCustomGroup);
    return settings;
}

// The key table names a macro by its place in the macro memory; shown, it is
// the macro's number in the library, as everywhere else.
viremo::AssignmentCode libraryNumbering(viremo::AssignmentCode code, const std::vector<int>& used) {
    if (code.isMacro() && code.first < used.size()) code.first = uint8_t(used[code.first]);
    return code;
}

Json::Value keysOf(CVendrakeKeyboardDevice& device) {
    Json::Value keys(Json::arrayValue);
    const std::vector<int> used = device.GetUsedMacros();
    const auto& table = device.KeyTableCopy();
    for (int key = 0; key < keyboard::kKeyNumbers; ++key) {
        const uint8_t position = device.Maps().keyPosition[size_t(key)];
        Json::Value entry(Json::objectValue);
        entry["key"] = key;
        entry["name"] = keyName(key);
        if (position != keyboard::kAbsent && size_t(position) * 3 + 3 <= table.size()) {
            const uint8_t* code = table.data() + size_t(position) * 3;
            entry["position"] = position;
            const uint8_t light = device.Maps().lightPosition[size_t(key)];
            if (light != keyboard::kAbsent) entry["light"] = light;
            entry["code"] = codeText(code);
            entry["assignment"] = viremo::describeAssignment(libraryNumbering({code[0], code[1], code[2]}, used));
        }
        keys.append(entry);
    }
    return keys;
}

void printRead(const Json::Value& document) {
    const Json::Value& s = document["settings"];
    std::printf("keyboard %s\n", document["connection"].asCString());
    std::printf("active profile: %d\n", s["activeProfile"].asInt());
    std::printf("lighting: mode %d (%s, device code %d), brightness %d, speed %d, direction %d, multicolour %d, "
                "colour %s, special mode %d, custom group %d\n",
                s["mode"].asInt(), s["modeName"].asCString(), s["modeCode"].asInt(), s["brightness"].asInt(),
                s["speed"].asInt(), s["direction"].asInt(), s["multicolor"].asInt(), s["color"].asCString(),
                s["specialMode"].asInt(), s["customGroup"].asInt());
    std::printf("system: 6-key %d, W lock %d, Windows lock %d, polling rate %d\n", s["sixKey"].asInt(),
                s["wLock"].asInt(), s["windowsLock"].asInt(), s["pollingRate"].asInt());
    std::printf("key positions: %d, macro memory: %d bytes\n", document["keyPositions"].asInt(),
                document["macroCapacity"].asInt());
    std::printf("keys (number, name, position, light, code, assignment):\n");
    for (const Json::Value& key : document["keys"]) {
        if (!key.isMember("position")) {
            std::printf("  %3d  %-14s  not found\n", key["key"].asInt(), key["name"].asCString());
            continue;
        }
        std::printf("  %3d  %-14s  %3d  %3s  %s  %s\n", key["key"].asInt(), key["name"].asCString(),
                    key["position"].asInt(), key.isMember("light") ? std::to_string(key["light"].asInt()).c_str() : "-",
                    key["code"].asCString(), key["assignment"].asCString());
    }
}

}  // namespace

int runRead(const Options& options, Arguments arguments) {
    if (isPad(arguments)) return runPadRead(options, arguments);
    if (arguments.size() != 1 || !isKeyboard(arguments)) return fail("usage: viremoctl read keyboard");
    OpenedKeyboard opened = openKeyboard(options);
    if (!opened.device) return fail(opened.failure);
    CVendrakeKeyboardDevice& device = *opened.device;
    if (!device.ReadAllFromDevice().succeeded()) return fail("reading the keyboard failed (see --debug)");

    Json::Value document(Json::objectValue);
    document["connection"] = device.IsOnReceiver() ? "through its receiver" : "on its cable";
    document["settings"] = settingsOf(device);
    document["keyPositions"] = device.KeyPositionCount();
    document["macroCapacity"] = Json::UInt64(device.MacroCapacity());
    document["keys"] = keysOf(device);
    if (options.json) printJson(document);
    else printRead(document);
    return kSuccess;
}

int runApply(const Options& options, Arguments arguments) {
    if (isPad(arguments)) return runPadApply(options, arguments);
    if (arguments.size() != 1 || !isKeyboard(arguments)) return fail("usage: viremoctl apply keyboard");
    OpenedKeyboard opened = openKeyboard(options);
    if (!opened.device) return fail(opened.failure);
    CVendrakeKeyboardDevice& device = *opened.device;
    if (!device.ReadKeyLayout()) return fail("reading the key table failed (see --debug)");
    const viremo::FolderLock lock(device.DeviceDataFolder());
    if (!device.LoadProfile().succeeded()) return fail("the keyboard's profile cannot be loaded");

    // As the main window writes: used macros, then the key table, then the
    // settings; nothing at all when a macro file cannot be read.
    device.CheckMacroBindings();
    const std::vector<int> used = device.GetUsedMacros();
    if (const auto problem = viremo::macroFilesProblem(device.DeviceDataFolder(), used))
        return fail("cannot read " + *problem + "; nothing written");
    const DeviceResult macros = device.WriteMacros(used);
    if (macros.overflow() > 0)
        return fail("the macros do not fit the keyboard's memory: " + std::to_string(macros.overflow()) +
                    " (events over the capacity, plus one); nothing written");
    const DeviceResult keys = device.WriteKeyAssignmentsOf(0);
    const DeviceResult settings = device.WriteSettingsRecord(0, 0);
    device.SaveProfile();

    if (options.json) {
        // "written" says what succeeded; the "...Code" members are the
        // devices' own result codes (macros: 0 done, -1 failed; others: 1 done).
        Json::Value document(Json::objectValue);
        document["usedMacros"] = Json::Value(Json::arrayValue);
        for (int macro : used) document["usedMacros"].append(macro);
        document["written"]["macros"] = macros.succeeded();
        document["written"]["keyTable"] = keys.succeeded();
        document["written"]["settings"] = settings.succeeded();
        document["macroCode"] = macros.code();
        document["keyTableCode"] = keys.code();
        document["settingsCode"] = settings.code();
        printJson(document);
    } else {
        std::printf("macros: %zu used, %s\n", used.size(), macros.succeeded() ? "written" : "writing failed");
        std::printf("key table: %s (result %d)\n", keys.succeeded() ? "written" : "failed", keys.code());
        std::printf("settings: %s (result %d)\n", settings.succeeded() ? "written" : "failed", settings.code());
    }
    const bool written = macros.succeeded() && keys.succeeded() && settings.succeeded();
    return written ? kSuccess : kFailure;
}

namespace {

// What --run, --reaction and --audio ask for.
struct LightingRun {
    int seconds = 0;
    std::vector<int> reactions;
    std::optional<int32_t> audioLevel;
};

// Takes --run, --reaction or --audio; `taken` says whether `name` was one.
std::optional<std::string> applyRunOption(LightingRun& run, const std::string& name, const std::string& value,
                                          bool& taken) {
    taken = true;
    const auto number = wholeNumber(value);
    if (name == "--run") {
        if (!number || *number < 1 || *number > 3600) return "--run takes a number of seconds from 1 to 3600";
        run.seconds = int(*number);
    } else if (name == "--reaction") {
        if (!number || *number < 0 || *number >= kMaxLights) return "--reaction takes a light from 0 to 169";
        run.reactions.push_back(int(*number));
    } else if (name == "--audio") {
        if (!number || *number < INT32_MIN || *number > INT32_MAX) return "--audio takes a 32-bit level";
        run.audioLevel = int32_t(*number);
    } else {
        taken = false;
    }
    return std::nullopt;
}

// The lighting tick on the cable: a light frame every 5 ms.
constexpr auto kFramePeriod = std::chrono::milliseconds(5);

// Drives the lights as the device tab does: the lighting thread steps the
// effects while light frames go out at the tick. The reactions are pressed
// at the start and released half-way; the audio level is fed every tick.
// With `logFrames` each frame's packets go to the debug log.
// Returns the frames sent per second.
double runLights(CVendrakeKeyboardDevice& device, const LightingRun& run, bool logFrames) {
    using Steady = std::chrono::steady_clock;
    device.Channel().SetLightFrameLogging(logFrames);
    device.SetLightingControl(true);
    device.ReadAllFromDevice();  // starts the lighting thread
    for (const int light : run.reactions) device.ReactToKey(light, keyboard::kKeyPress);
    const Steady::time_point start = Steady::now();
    const Steady::time_point end = start + std::chrono::seconds(run.seconds);
    const Steady::time_point release = start + (end - start) / 2;
    bool released = false;
    long frames = 0;
    for (Steady::time_point tick = start; tick < end; tick += kFramePeriod) {
        std::this_thread::sleep_until(tick);
        if (run.audioLevel) {
            std::array<int32_t, kAudioLevelCount> levels{};
            std::array<int32_t, kAudioBandCount> bands{};
            levels.fill(*run.audioLevel);
            bands.fill(*run.audioLevel);
            device.OnAudioLevels(levels);
            device.OnAudioBands(bands);
        }
        if (!released && tick >= release) {
            for (const int light : run.reactions) device.ReactToKey(light, keyboard::kKeyRelease);
            released = true;
        }
        if (device.StreamsLightFrames()) ++frames;
        device.SendLightFrame();
    }
    device.SetLightingControl(false);
    return double(frames) / run.seconds;
}

}  // namespace

int runLighting(const Options& options, Arguments arguments) {
    if (isPad(arguments)) return runPadLighting(options, arguments);
    if (!arguments.empty() && arguments[0] == "headset") return runHeadsetLighting(options, arguments);
    const char* usage =
        "usage: viremoctl lighting keyboard [--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1] "
        "[--color RRGGBB] [--multicolor 0|1] [--run SECONDS [--reaction LIGHT]... [--audio LEVEL]]";
    if (!isKeyboard(arguments) || arguments.size() % 2 != 1) return fail(usage);
    OpenedKeyboard opened = openKeyboard(options);
    if (!opened.device) return fail(opened.failure);
    CVendrakeKeyboardDevice& device = *opened.device;
    const viremo::FolderLock lock(device.DeviceDataFolder());
    if (!device.LoadProfile().succeeded()) return fail("the keyboard's profile cannot be loaded");
    LightRecord lighting = device.GetLightInfo();
    LightingRun run;
    std::vector<std::string> lightingOptions;
    for (size_t i = 1; i + 1 < arguments.size(); i += 2) {
        bool taken = false;
        if (const auto problem = applyRunOption(run, arguments[i], arguments[i + 1], taken)) return fail(*problem);
        if (!taken) lightingOptions.insert(lightingOptions.end(), {arguments[i], arguments[i + 1]});
    }
    if (const auto problem = applyLightingOptions(lighting, lightingOptions, keyboard::kModeCount - 1))
        return fail(*problem);
    if (run.seconds == 0 && (!run.reactions.empty() || run.audioLevel))
        return fail("--reaction and --audio need --run");

    // The colour pages of the custom colour mode need the key layout.
    device.ReadKeyLayout();
    device.SetLightInfo(lighting);
    device.SaveProfile();
    device.ApplyLightingState();
    const DeviceResult result = device.WriteSettingsRecord(0, 0);
    const bool ran = run.seconds > 0 && result.succeeded();
    const double framesPerSecond = ran ? runLights(device, run, options.debug) : 0;
    if (options.json) {
        Json::Value document = lightingWrittenJson(lighting, result.succeeded(), result.code());
        if (ran) document["framesPerSecond"] = framesPerSecond;
        printJson(document);
    } else {
        std::printf("lighting: mode %d (%s), brightness %d, speed %d, direction %d, multicolour %d, colour %s\n",
                    lighting.mode, modeName(device, lighting.mode).c_str(), lighting.brightness, lighting.speed,
                    lighting.direction, lighting.multiColor,
                    colourText(lighting.red, lighting.green, lighting.blue).c_str());
        std::printf("settings: %s (result %d)\n", result.succeeded() ? "written" : "failed", result.code());
        if (ran)
            std::printf("light frames: %.1f per second%s\n", framesPerSecond,
                        framesPerSecond > 0 ? "" : " (the keyboard renders this mode itself, or through its receiver)");
    }
    return result.succeeded() ? kSuccess : kFailure;
}

int runStatus(const Options& options, Arguments arguments) {
    if (arguments.size() != 1 || !isKeyboard(arguments)) return fail("usage: viremoctl status keyboard");
    OpenedKeyboard opened = openKeyboard(options);
    if (!opened.device) return fail(opened.failure);
    CVendrakeKeyboardDevice& device = *opened.device;
    device.PollPower();
    const auto status = device.LastStatus();
    if (!status) return fail("the keyboard's status cannot be read (not reachable?)");
    if (options.json) {
        Json::Value document(Json::objectValue);
        document["battery"] = (*status)[4];
        document["receiver"] = (*status)[3];
        document["status"] = hexLine(*status);
        printJson(document);
    } else {
        std::printf("keyboard %s\n", device.IsOnReceiver() ? "through its receiver" : "on its cable");
        std::printf("battery: %d%%\n", (*status)[4]);
        std::printf("status block: %s\n", hexLine(*status).c_str());
    }
    return kSuccess;
}

}  // namespace viremoctl
