#include "lit_device_commands.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "devices/protocol/packet_log.h"
#include "lighting_options.h"
#include "platform/folder_lock.h"
#include "whole_number.h"

namespace viremoctl {
namespace {

using namespace viremo::devices;
using viremo::LightRecord;

// The modes of the pad and the headset: 0-8 stepped by the program, the
// user's effects above.
constexpr int kHighestLitMode = 30;
constexpr int kLongestRun = 3600;

std::string modeName(CLightSettingsDevice& device, int mode) {
    const auto& modes = device.Modes().modes;
    return mode >= 0 && size_t(mode) < modes.size() ? modes[size_t(mode)].name : std::string();
}

void printLighting(CLightSettingsDevice& device, const LightRecord& lighting) {
    std::printf("lighting: mode %d (%s), brightness %d, speed %d, multicolour %d, colour %s\n", lighting.mode,
                modeName(device, lighting.mode).c_str(), lighting.brightness, lighting.speed, lighting.multiColor,
                colourText(lighting.red, lighting.green, lighting.blue).c_str());
}

int reportWrite(const Options& options, const LightRecord& lighting, CLightSettingsDevice& device,
                const DeviceResult& result) {
    if (options.json) {
        printJson(lightingWrittenJson(lighting, result.succeeded(), result.code()));
    } else {
        printLighting(device, lighting);
        std::printf("settings: %s (result %d)\n", result.succeeded() ? "written" : "failed", result.code());
    }
    return result.succeeded() ? kSuccess : kFailure;
}

}  // namespace

int readLitDevice(const Options& options, CLightSettingsDevice& device, const std::string& noun) {
    const DeviceResult result = device.ReadLightSettings();
    if (!result.succeeded()) return fail("reading the " + noun + "'s settings failed: " + result.describe());
    const LightSettings settings = device.Settings();
    const LightRecord lighting = device.GetLightInfo();
    if (options.json) {
        Json::Value document = lightingJson(lighting);
        document["activeProfile"] = settings.bytes[light_settings_at::kProfile];
        document["modeName"] = modeName(device, lighting.mode);
        document["block"] = hexLine(settings.bytes);
        printJson(document);
    } else {
        std::printf("%s settings block (profile %d)\n", noun.c_str(), settings.bytes[light_settings_at::kProfile]);
        printLighting(device, lighting);
        std::printf("block: %s\n", hexLine(settings.bytes).c_str());
    }
    return kSuccess;
}

int applyLitDevice(const Options& options, CLightSettingsDevice& device, const std::string& noun) {
    const viremo::FolderLock lock(device.DeviceDataFolder());
    if (!device.LoadProfile().succeeded()) return fail("the " + noun + "'s profile cannot be loaded");
    const DeviceResult result = device.WriteSettingsRecord(0, 0);
    return reportWrite(options, device.GetLightInfo(), device, result);
}

int setLitDeviceLighting(const Options& options, CLightSettingsDevice& device, const std::string& noun,
                         Arguments lightingOptions) {
    const viremo::FolderLock lock(device.DeviceDataFolder());
    if (!device.LoadProfile().succeeded()) return fail("the " + noun + "'s profile cannot be loaded");
    LightRecord lighting = device.GetLightInfo();
    if (const auto problem = applyLightingOptions(lighting, lightingOptions, kHighestLitMode)) return fail(*problem);
    device.SetLightInfo(lighting);
    device.SaveProfile();
    device.ApplyLightingState();
    return reportWrite(options, lighting, device, device.WriteSettingsRecord(0, 0));
}

int runLitDeviceEffect(const Options& options, CLightSettingsDevice& device, const std::string& noun,
                       Arguments arguments) {
    if (arguments.size() != 2 || arguments[0] != "--run") return fail("usage: viremoctl effect pad|headset --run SECONDS");
    const auto run = wholeNumberIn(arguments[1], 1, kLongestRun);
    if (!run) return fail("--run takes a number of seconds from 1 to " + std::to_string(kLongestRun));
    const int seconds = *run;
    {
        const viremo::FolderLock lock(device.DeviceDataFolder());
        if (!device.LoadProfile().succeeded()) return fail("the " + noun + "'s profile cannot be loaded");
    }
    device.StartLighting();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    device.StopLighting();
    const uint64_t frames = device.FramesSent();
    const double perSecond = double(frames) / seconds;
    const LightRecord lighting = device.GetLightInfo();
    if (options.json) {
        Json::Value document = lightingJson(lighting);
        document["seconds"] = seconds;
        document["frames"] = Json::UInt64(frames);
        document["framesPerSecond"] = perSecond;
        printJson(document);
    } else {
        printLighting(device, lighting);
        std::printf("%llu frames in %d s (%.1f per second)\n", static_cast<unsigned long long>(frames), seconds,
                    perSecond);
    }
    return frames > 0 ? kSuccess : fail("no frame was sent");
}

}  // namespace viremoctl
