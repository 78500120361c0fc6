// viremoctl commands of the mouse:
//
//   read mouse           identity, button table, settings of the active onboard profile
//   apply mouse          writes the current profile: used macros, button table, settings
//   status mouse         battery level
//   lighting mouse [--mode 0-9] [--brightness 0-4] [--speed 0-4] [--direction 0|1]
//                  [--color RRGGBB] [--multicolor 0|1]
//   dpi mouse [--stages N] [--stage I --dpi V [--color RRGGBB]] [--active I]
//   rate mouse 125|250|500|1000
//   recoil apply         the four guns' recoil patterns into the mouse
//   effect mouse --run SECONDS   the software effect of the profile, streamed
//
// The changes are stored in the current profile and written to the mouse's
// profile slot 0. Values out of range are refused before anything is sent.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "command.h"
#include "device_backend.h"
#include "devices/device_tables.h"
#include "devices/mouse/mouse_device.h"
#include "devices/protocol/packet_log.h"
#include "lighting_options.h"
#include "macros/assignment_text.h"
#include "macros/macro_image.h"
#include "macros/recoil_store.h"
#include "open_device.h"
#include "platform/folder_lock.h"
#include "platform/folders.h"
#include "whole_number.h"

namespace viremoctl {
namespace {

using namespace viremo::devices;
using viremo::DpiStage;
using viremo::LightRecord;

constexpr int kHighestDeviceMode = mouse::kFirstCustomMode - 1;
constexpr int kHighestStage = mouse::kDpiStageCount - 1;
// The device tab sends a frame every 5 ms on the cable, every 500 ms
// through the receiver.
constexpr auto kCableFramePeriod = std::chrono::milliseconds(5);
constexpr auto kReceiverFramePeriod = std::chrono::milliseconds(500);
constexpr int kLongestEffectRun = 3600;

constexpr const char* kButtonNames[mouse::kKeyPositions] = {
    "left", "right", "middle", "forward", "back", "dpi-up", "dpi-down", "dpi-cycle", "gm", "m8", "fire"};

std::unique_ptr<CVendrakeMouseDevice> openMouse(const Options& options, std::string& failure) {
    viremo::hid::Backend& backend = deviceBackend(options);
    auto device = std::make_unique<CVendrakeMouseDevice>(backend);
    if (auto problem = attachDevice(*device, backend, kKindMouse, "mouse")) {
        failure = std::move(*problem);
        return nullptr;
    }
    return device;
}

bool isMouse(Arguments arguments) { return !arguments.empty() && arguments[0] == "mouse"; }

const char* connectionOf(const CVendrakeMouseDevice& device) {
    return device.IsOnReceiver() ? "through its receiver" : "on its cable";
}

std::string codeText(const uint8_t* code) {
    char text[12];
    std::snprintf(text, sizeof text, "%02x %02x %02x", code[0], code[1], code[2]);
    return text;
}

int reportRateHz(int index) {
    return index >= 0 && index < int(std::size(mouse::kReportRatesHz)) ? mouse::kReportRatesHz[index] : 0;
}

// ---- read ---------------------------------------------------------------

Json::Value stagesOf(const CVendrakeMouseDevice& device) {
    Json::Value stages(Json::arrayValue);
    const mouse::DpiScale scale = device.Scale();
    for (const DpiStage& stage : device.DpiStages()) {
        // As the mouse is given it: held to the sensor's highest level.
        const int level = scale.IsKnown() ? std::min<int>(stage.dpiX, scale.HighestLevel()) : stage.dpiX;
        Json::Value row(Json::objectValue);
        row["enabled"] = stage.enabled != 0;
        row["level"] = level;
        if (const auto dpi = scale.DpiOfLevel(level)) row["dpi"] = *dpi;
        row["color"] = colourText(stage.red, stage.green, stage.blue);
        stages.append(row);
    }
    return stages;
}

// The mouse's button table names a macro by its place in the macro memory;
// shown, it is the macro's number in the library.
Json::Value buttonsOf(CVendrakeMouseDevice& device) {
    Json::Value buttons(Json::arrayValue);
    const std::vector<int> used = device.GetUsedMacros();
    const auto& table = device.ButtonTableCopy();
    for (int key = 0; key < mouse::kKeyPositions; ++key) {
        Json::Value entry(Json::objectValue);
        entry["key"] = key;
        entry["name"] = kButtonNames[key];
        const uint8_t button = device.ButtonPositions()[size_t(key)];
        if (button != mouse::kNoButton && size_t(button) * 3 + 3 <= table.size()) {
            const uint8_t* code = table.data() + size_t(button) * 3;
            viremo::AssignmentCode assignment{code[0], code[1], code[2]};
            if (assignment.isMacro() && assignment.first < used.size()) assignment.first = uint8_t(used[assignment.first]);
            entry["button"] = button;
            entry["code"] = codeText(code);
            entry["assignment"] = viremo::describeAssignment(assignment);
        }
        buttons.append(entry);
    }
    return buttons;
}

Json::Value readDocument(CVendrakeMouseDevice& device) {
    const auto& block = *device.LastBlock();
    Json::Value document(Json::objectValue);
    document["connection"] = connectionOf(device);
    document["activeProfile"] = device.ActiveProfile();
    document["lighting"] = lightingJson(device.GetLightingState());
    document["lighting"]["modeCode"] = block[mouse::block_at::kMode];
    document["reportRate"] = reportRateHz(block[mouse::block_at::kReportRate]);
    document["activeStage"] = device.GetActiveDpiStage();
    document["stages"] = Json::Value(Json::arrayValue);
    const mouse::DpiScale scale = device.Scale();
    for (int i = 0; i < mouse::kDpiStageCount; ++i) {
        const uint8_t* stage = block.data() + mouse::block_at::kFirstStage + DpiStage::kSize * size_t(i);
        Json::Value row(Json::objectValue);
        row["enabled"] = stage[0] != 0;
        row["level"] = stage[2] | stage[3] << 8;
        if (const auto dpi = scale.DpiOfLevel(row["level"].asInt())) row["dpi"] = *dpi;
        row["color"] = colourText(stage[6], stage[7], stage[8]);
        document["stages"].append(row);
    }
    document["correction"]["minSq"] = block[mouse::block_at::kCorrectMinSq];
    document["correction"]["pixThresh"] = block[mouse::block_at::kCorrectPixThresh];
    document["buttons"] = buttonsOf(device);
    document["macroCapacity"] = Json::UInt64(device.MacroCapacity());
    return document;
}

void printStages(const Json::Value& stages, int active) {
    for (Json::ArrayIndex i = 0; i < stages.size(); ++i) {
        const Json::Value& s = stages[i];
        std::printf("  %u%s %-3s level %3d  %5s DPI  colour %s\n", i, int(i) == active ? "*" : " ",
                    s["enabled"].asBool() ? "on" : "off", s["level"].asInt(),
                    s.isMember("dpi") ? std::to_string(s["dpi"].asInt()).c_str() : "?", s["color"].asCString());
    }
}

void printRead(const Json::Value& d) {
    const Json::Value& l = d["lighting"];
    std::printf("mouse %s\n", d["connection"].asCString());
    std::printf("active profile: %d\n", d["activeProfile"].asInt());
    std::printf("lighting: mode %d (device code %d), brightness %d, speed %d, multicolour %d, colour %s\n",
                l["mode"].asInt(), l["modeCode"].asInt(), l["brightness"].asInt(), l["speed"].asInt(),
                l["multicolor"].asInt(), l["color"].asCString());
    std::printf("report rate: %d Hz\n", d["reportRate"].asInt());
    std::printf("DPI stages (active %d):\n", d["activeStage"].asInt());
    printStages(d["stages"], d["activeStage"].asInt());
    std::printf("correction: minimum square %d, pixel threshold %d\n", d["correction"]["minSq"].asInt(),
                d["correction"]["pixThresh"].asInt());
    std::printf("macro memory: %d bytes\n", d["macroCapacity"].asInt());
    std::printf("buttons (key, name, button, code, assignment):\n");
    for (const Json::Value& b : d["buttons"]) {
        if (!b.isMember("button")) {
            std::printf("  %2d  %-9s  not found\n", b["key"].asInt(), b["name"].asCString());
            continue;
        }
        std::printf("  %2d  %-9s  %2d  %s  %s\n", b["key"].asInt(), b["name"].asCString(), b["button"].asInt(),
                    b["code"].asCString(), b["assignment"].asCString());
    }
}

// Prints the result of a settings write; the exit code.
int reportSettingsWrite(const Options& options, Json::Value document, const DeviceResult& result) {
    if (options.json) {
        document["written"]["settings"] = result.succeeded();
        document["settingsCode"] = result.code();
        printJson(document);
    } else {
        std::printf("settings: %s\n", result.succeeded() ? "written" : result.describe().c_str());
    }
    return result.succeeded() ? kSuccess : kFailure;
}

}  // namespace

int runMouseRead(const Options& options, Arguments arguments) {
    if (arguments.size() != 1 || !isMouse(arguments)) return fail("usage: viremoctl read mouse");
    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    const viremo::FolderLock lock(device->DeviceDataFolder());
    if (!device->ReadAllFromDevice().succeeded() || !device->ReadDeviceState().succeeded())
        return fail("reading the mouse failed (not reachable? see --debug)");
    const Json::Value document = readDocument(*device);
    if (options.json) printJson(document);
    else printRead(document);
    return kSuccess;
}

int runMouseApply(const Options& options, Arguments arguments) {
    if (arguments.size() != 1 || !isMouse(arguments)) return fail("usage: viremoctl apply mouse");
    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    if (!device->ReadButtonLayout()) return fail("reading the button table failed (not reachable? see --debug)");
    const viremo::FolderLock lock(device->DeviceDataFolder());
    if (!device->LoadProfile().succeeded()) return fail("the mouse's profile cannot be loaded");

    // As the main window writes: used macros, button table, settings.
    device->CheckMacroBindings();
    const std::vector<int> used = device->GetUsedMacros();
    if (const auto problem = viremo::macroFilesProblem(device->DeviceDataFolder(), used))
        return fail("cannot read " + *problem + "; nothing written");
    const DeviceResult macros = device->WriteMacros(used);
    if (macros.overflow() > 0) return fail(macros.describe() + "; nothing written");
    const DeviceResult buttons = device->WriteKeyAssignmentsOf(0);
    const DeviceResult settings = device->WriteSettingsRecord(0, 0);
    device->SaveProfile();

    if (options.json) {
        Json::Value document(Json::objectValue);
        document["usedMacros"] = Json::Value(Json::arrayValue);
        for (int macro : used) document["usedMacros"].append(macro);
        document["written"]["macros"] = macros.succeeded();
        document["written"]["buttonTable"] = buttons.succeeded();
        document["written"]["settings"] = settings.succeeded();
        document["macroCode"] = macros.code();
        document["buttonTableCode"] = buttons.code();
        document["settingsCode"] = settings.code();
        printJson(document);
    } else {
        std::printf("macros: %zu used, %s\n", used.size(), macros.describe().c_str());
        std::printf("button table: %s\n", buttons.describe().c_str());
        std::printf("settings: %s\n", settings.describe().c_str());
    }
    return macros.succeeded() && buttons.succeeded() && settings.succeeded() ? kSuccess : kFailure;
}

int runMouseStatus(const Options& options, Arguments arguments) {
    if (arguments.size() != 1 || !isMouse(arguments)) return fail("usage: viremoctl status mouse");
    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    device->PollPower();
    const auto status = device->LastStatus();
    if (!status) return fail("the mouse's status cannot be read (not reachable?)");
    if (options.json) {
        Json::Value document(Json::objectValue);
        document["battery"] = (*status)[kStatusBatteryByte];
        document["receiver"] = (*status)[kStatusLinkByte];
        document["status"] = hexLine(*status);
        printJson(document);
    } else {
        std::printf("mouse %s\n", connectionOf(*device));
        std::printf("battery: %d%%\n", (*status)[kStatusBatteryByte]);
        std::printf("status block: %s\n", hexLine(*status).c_str());
    }
    return kSuccess;
}

int runMouseLighting(const Options& options, Arguments arguments) {
    if (!isMouse(arguments))
        return fail("usage: viremoctl lighting mouse [--mode 0-9] [--brightness 0-4] [--speed 0-4] "
                    "[--direction 0|1] [--color RRGGBB] [--multicolor 0|1]");
    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    const viremo::FolderLock lock(device->DeviceDataFolder());
    if (!device->LoadProfile().succeeded()) return fail("the mouse's profile cannot be loaded");
    LightRecord lighting = device->GetLightingState();
    if (const auto problem = applyLightingOptions(lighting, arguments.subspan(1), kHighestDeviceMode))
        return fail(*problem);
    device->SetLightInfo(lighting);
    device->SaveProfile();
    device->ApplyLightingState();
    device->ReadButtonLayout();  // the sensor's range for the DPI stages
    return reportSettingsWrite(options, lightingJson(lighting), device->WriteSettingsRecord(0, 0));
}

namespace {

struct DpiRequest {
    std::optional<int> stages;
    std::optional<int> stage;
    std::optional<int> dpi;
    std::optional<std::string> colour;
    std::optional<int> active;
};

// The options, each checked for its form and its fixed range; nullopt and
// the reason when one is wrong.
std::optional<DpiRequest> parseDpiRequest(Arguments options, std::string& problem) {
    DpiRequest request;
    if (options.size() % 2 != 0) {
        problem = "each dpi option takes a value";
        return std::nullopt;
    }
    for (size_t i = 0; i + 1 < options.size(); i += 2) {
        const std::string& name = options[i];
        const std::string& value = options[i + 1];
        const auto wrong = [&](const std::string& range) {
            problem = name + " takes " + range;
            return std::nullopt;
        };
        if (name == "--stages") {
            if (!(request.stages = wholeNumberIn(value, 1, mouse::kDpiStageCount))) return wrong("a number from 1 to 5");
        } else if (name == "--stage") {
            if (!(request.stage = wholeNumberIn(value, 0, kHighestStage))) return wrong("a number from 0 to 4");
        } else if (name == "--active") {
            if (!(request.active = wholeNumberIn(value, 0, kHighestStage))) return wrong("a number from 0 to 4");
        } else if (name == "--dpi") {
            if (!(request.dpi = wholeNumberIn(value, 0, 65535))) return wrong("a number of DPI");
        } else if (name == "--color") {
            LightRecord scratch;
            const std::string pair[] = {"--color", value};
            if (auto bad = applyLightingOptions(scratch, pair, 0)) {
                problem = *bad;
                return std::nullopt;
            }
            request.colour = colourText(scratch.red, scratch.green, scratch.blue);
        } else {
            problem = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (request.stage.has_value() != request.dpi.has_value() || (request.colour && !request.stage)) {
        problem = "--stage and --dpi go together (with --color, if any)";
        return std::nullopt;
    }
    return request;
}

}  // namespace

int runMouseDpi(const Options& options, Arguments arguments) {
    const char* usage = "usage: viremoctl dpi mouse [--stages N] [--stage I --dpi V [--color RRGGBB]] [--active I]";
    if (!isMouse(arguments)) return fail(usage);
    std::string problem;
    const auto request = parseDpiRequest(arguments.subspan(1), problem);
    if (!request) return fail(problem);

    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    if (!device->ReadButtonLayout()) return fail("reading the mouse failed (not reachable? see --debug)");
    const viremo::FolderLock lock(device->DeviceDataFolder());
    if (!device->LoadProfile().succeeded()) return fail("the mouse's profile cannot be loaded");

    std::vector<DpiStage> stages = device->DpiStages();
    stages.resize(mouse::kDpiStageCount);
    if (request->stages)
        for (int i = 0; i < mouse::kDpiStageCount; ++i) stages[size_t(i)].enabled = i < *request->stages ? 1 : 0;
    if (request->stage) {
        const mouse::DpiScale scale = device->Scale();
        const auto lowest = scale.DpiOfLevel(0);
        const auto highest = scale.HighestDpi();
        if (!lowest || !highest) return fail("the mouse's sensor did not give its DPI range; nothing written");
        if (*request->dpi < *lowest || *request->dpi > *highest)
            return fail("--dpi takes " + std::to_string(*lowest) + " to " + std::to_string(*highest) +
                        " on this mouse; nothing written");
        DpiStage& stage = stages[size_t(*request->stage)];
        stage.dpiX = stage.dpiY = uint16_t(*scale.LevelOfDpi(*request->dpi));
        if (request->colour) {
            const unsigned rgb = unsigned(std::stoul(*request->colour, nullptr, 16));
            stage.red = uint8_t(rgb >> 16), stage.green = uint8_t(rgb >> 8), stage.blue = uint8_t(rgb);
        }
    }
    const int active = request->active.value_or(device->GetActiveDpiStage());
    if (active < 0 || active > kHighestStage || stages[size_t(active)].enabled == 0)
        return fail("the active stage " + std::to_string(active) + " is not switched on; nothing written");
    device->SetDpiStages(stages);
    device->SetActiveDpiStage(active);
    device->SaveProfile();

    Json::Value document(Json::objectValue);
    document["activeStage"] = active;
    document["stages"] = stagesOf(*device);
    if (!options.json) {
        std::printf("DPI stages (active %d):\n", active);
        printStages(document["stages"], active);
    }
    return reportSettingsWrite(options, document, device->WriteSettingsRecord(0, 0));
}

int runMouseRate(const Options& options, Arguments arguments) {
    const char* usage = "usage: viremoctl rate mouse 125|250|500|1000";
    if (arguments.size() != 2 || !isMouse(arguments)) return fail(usage);
    int index = -1;
    for (size_t i = 0; i < std::size(mouse::kReportRatesHz); ++i)
        if (arguments[1] == std::to_string(mouse::kReportRatesHz[i])) index = int(i);
    if (index < 0) return fail("rate: no report rate '" + arguments[1] + "' (125, 250, 500 or 1000)");

    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    const viremo::FolderLock lock(device->DeviceDataFolder());
    if (!device->LoadProfile().succeeded()) return fail("the mouse's profile cannot be loaded");
    device->SetReportRate(index);
    device->SaveProfile();
    device->ReadButtonLayout();  // the sensor's range for the DPI stages
    Json::Value document(Json::objectValue);
    document["reportRate"] = mouse::kReportRatesHz[index];
    if (!options.json) std::printf("report rate: %d Hz\n", mouse::kReportRatesHz[index]);
    return reportSettingsWrite(options, document, device->WriteSettingsRecord(0, 0));
}

int runRecoilApply(const Options& options, Arguments arguments) {
    if (arguments.size() != 1 || arguments[0] != "apply") return fail("usage: viremoctl recoil apply");
    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    const viremo::FolderLock lock(device->DeviceDataFolder());
    // Guns never edited are the factory patterns; a gun that has neither
    // file goes as an empty pattern.
    const viremo::RecoilStore store(device->DeviceDataFolder(), viremo::folders::defaultData());
    store.initialise();
    // A file that is JSON but no recoil pattern is the user's and stays; it
    // does not go as an empty pattern.
    for (int gun = 0; gun < viremo::RecoilStore::kGuns; ++gun)
        if (const viremo::json::Document document = store.readGun(gun);
            document.state == viremo::json::FileState::Broken)
            return fail("cannot read " + document.problem + "; nothing written");
    const DeviceResult result = device->WriteRecoilData();
    if (options.json) {
        Json::Value document(Json::objectValue);
        document["written"] = result.succeeded();
        document["code"] = result.code();
        printJson(document);
    } else {
        std::printf("recoil patterns: %s\n", result.succeeded() ? "written" : result.describe().c_str());
    }
    return result.succeeded() ? kSuccess : kFailure;
}

namespace {

// The colours of the lights as the page shows them, one "rrggbb/level" each.
std::string frameText(const CVendrakeMouseDevice& device) {
    std::string text = "frame:";
    const LightColours& colours = device.Engine().Colours();
    for (int light = 0; light < colours.Count(); ++light) {
        const LightColour colour = colours.Get(light);
        text += " " + colourText(colour.red, colour.green, colour.blue) + "/" + std::to_string(colour.level);
    }
    return text;
}

}  // namespace

int runMouseEffect(const Options& options, Arguments arguments) {
    const char* usage = "usage: viremoctl effect mouse --run SECONDS";
    if (arguments.size() != 3 || !isMouse(arguments) || arguments[1] != "--run") return fail(usage);
    const auto seconds = wholeNumberIn(arguments[2], 1, kLongestEffectRun);
    if (!seconds) return fail("--run takes a number of seconds from 1 to " + std::to_string(kLongestEffectRun));

    std::string failure;
    const auto device = openMouse(options, failure);
    if (!device) return fail(failure);
    {
        const viremo::FolderLock lock(device->DeviceDataFolder());
        if (!device->ReadAllFromDevice().succeeded()) return fail("reading the mouse failed (not reachable? see --debug)");
    }
    device->SetLightingControl(true);
    const auto period = device->IsOnReceiver() ? kReceiverFramePeriod : kCableFramePeriod;
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(*seconds);
    long frames = 0;
    for (auto next = start; next < end; next += period) {
        std::this_thread::sleep_until(next);
        device->SendLightFrame();
        ++frames;
        if (options.debug && device->IsOnReceiver()) std::fprintf(stderr, "%s\n", frameText(*device).c_str());
    }
    std::this_thread::sleep_until(end);
    device->SetLightingControl(false);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const LightRecord lighting = device->GetLightingState();
    Json::Value document(Json::objectValue);
    document["mode"] = lighting.mode;
    document["frames"] = Json::Int64(frames);
    document["framesPerSecond"] = elapsed > 0 ? double(frames) / elapsed : 0.0;
    // Through the receiver the mouse plays the effect itself: the frames
    // stay on the page.
    document["sent"] = !device->IsOnReceiver();
    if (options.json) {
        printJson(document);
    } else {
        std::printf("mouse %s, lighting mode %d\n", connectionOf(*device), lighting.mode);
        std::printf("frames: %ld in %.1f s (%.1f per second)%s\n", frames, elapsed,
                    document["framesPerSecond"].asDouble(), device->IsOnReceiver() ? ", not sent through the receiver" : "");
    }
    return kSuccess;
}

}  // namespace viremoctl
