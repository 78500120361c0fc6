// viremoctl commands of the headset (0C76:1630):
//
//   headset show                      every audio setting, and what the backend serves
//   headset eq PRESET                 equaliser preset 1 to 12
//   headset eq custom NAME            a custom equaliser by name
//   headset eq-custom add NAME GAIN...  ten band gains saved as a custom equaliser
//   headset eq-custom delete NAME
//   headset mic LEVEL|mute|unmute     microphone level 0-100 and mute
//   headset monitor LEVEL|mute|unmute
//   headset voice off|1-4             voice changer off, or on with a voice type
//   headset surround on|off
//   lighting headset [...]            as for the pad
//   effect headset --run SECONDS      the live colour reports (--debug shows them)
//
// The audio goes through the emulated chip with --demo (its state kept in
// <application data>/demo/headset.chip.json between runs), otherwise through
// the ALSA mixer of the headset's sound card.
#include <cstdio>

#include "command.h"
#include "devices/headset/headset_device.h"
#include "lit_device_commands.h"
#include "platform/audio_chip/chip_for_run.h"
#include "platform/folder_lock.h"

namespace viremoctl {
namespace {

using namespace viremo::devices;
using viremo::audio_chip::Status;
using headset::HeadsetAudio;
using viremo::HeadsetSettings;

const std::string kHeadset = "headset";
constexpr const char* kUsage =
    "usage: viremoctl headset show | eq PRESET | eq custom NAME | eq-custom add NAME GAIN x10 | eq-custom delete NAME"
    " | mic LEVEL|mute|unmute | monitor LEVEL|mute|unmute | voice off|1-4 | surround on|off";
constexpr int kLowestGain = -20;
constexpr int kHighestGain = 20;

Opened<CVendrakeHS6533Device> openHeadset(const Options& options) {
    return openLitDevice<CVendrakeHS6533Device>(options, kKindHeadset, configureHeadset, kHeadset);
}

bool number(const std::string& text, int lowest, int highest, int& value) {
    int used = 0;
    return std::sscanf(text.c_str(), "%d%n", &value, &used) == 1 && size_t(used) == text.size() && value >= lowest &&
           value <= highest;
}

int customIndex(const HeadsetAudio& audio, const std::string& name) {
    const auto& names = audio.State().customNames;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return int(i);
    return -1;
}

const char* onOff(int32_t on) { return on ? "on" : "off"; }

Json::Value stateJson(const headset::AudioState& state, const char* backend, bool ready) {
    Json::Value document(Json::objectValue);
    document["backend"] = backend;
    document["audioReady"] = ready;
    const HeadsetSettings& s = state.settings;
    document["MagicEnable"] = s.magicEnable;
    document["MagicType"] = s.magicType;
    document["EqType"] = s.eqType;
    document["CustomEqSeletIndex"] = s.customEqSelectIndex;
    document["MicInSelect"] = s.micInSelect;
    document["MicInValue"] = s.micInValue;
    document["MicMoniterSelect"] = s.micMonitorSelect;
    document["MicMoniterValue"] = s.micMonitorValue;
    document["bands"] = Json::Value(Json::arrayValue);
    for (const int32_t gain : state.bands) document["bands"].append(gain);
    document["customNames"] = Json::Value(Json::arrayValue);
    for (const auto& name : state.customNames) document["customNames"].append(name);
    document["surround"] = state.surround;
    Json::Value& support = document["supported"];
    support["equaliser"] = state.support.equaliser;
    support["microphone"] = state.support.microphone;
    support["monitor"] = state.support.monitor;
    support["voiceChanger"] = state.support.voiceChanger;
    support["surround"] = state.support.surround;
    return document;
}

void printState(const headset::AudioState& state, const char* backend, bool ready) {
    const HeadsetSettings& s = state.settings;
    const auto unsupported = [](bool supported) { return supported ? "" : " (not supported)"; };
    std::printf("headset audio: %s, %s\n", backend, ready ? "ready" : "not available");
    if (s.eqType == headset::kCustomPreset) {
        const bool named = state.customSelection >= 0 && size_t(state.customSelection) < state.customNames.size();
        std::printf("equaliser: custom %s%s\n", named ? state.customNames[size_t(state.customSelection)].c_str() : "(unsaved)",
                    unsupported(state.support.equaliser));
    } else {
        std::printf("equaliser: preset %d%s\n", s.eqType, unsupported(state.support.equaliser));
    }
    std::printf("bands:");
    for (const int32_t gain : state.bands) std::printf(" %d", gain);
    std::printf("\ncustom equalisers:");
    for (const auto& name : state.customNames) std::printf(" \"%s\"", name.c_str());
    std::printf("%s\n", state.customNames.empty() ? " none" : "");
    std::printf("microphone: level %d, %s%s\n", s.micInValue, s.micInSelect ? "on" : "muted",
                unsupported(state.support.microphone));
    std::printf("monitor: level %d, %s%s\n", s.micMonitorValue, s.micMonitorSelect ? "on" : "muted",
                unsupported(state.support.monitor));
    std::printf("voice changer: %s, type %d%s\n", onOff(s.magicEnable), s.magicType,
                unsupported(state.support.voiceChanger));
    std::printf("surround: %s%s\n", onOff(state.surround), unsupported(state.support.surround));
}

// Runs one audio operation; "" when it was done, else the reason.
std::string runOperation(HeadsetAudio& audio, Arguments a) {
    const auto outcome = [](Status status) -> std::string {
        if (status == Status::Ok) return "";
        return std::string("the audio chip answered: ") + viremo::audio_chip::statusText(status);
    };
    const std::string& what = a[0];
    int value = 0;
    if (what == "show" && a.size() == 1) return "";
    if (what == "eq" && a.size() == 2) {
        if (!number(a[1], headset::kFirstPreset, headset::kLastPreset, value)) return "the preset is 1 to 12";
        return outcome(audio.SelectPreset(value));
    }
    if (what == "eq" && a.size() == 3 && a[1] == "custom") {
        const int index = customIndex(audio, a[2]);
        if (index < 0) return "no custom equaliser is named \"" + a[2] + "\"";
        return outcome(audio.ApplyCustomEqualiser(index));
    }
    if (what == "eq-custom" && a.size() == 3 + headset::kBands && a[1] == "add") {
        if (a[2].empty()) return "the custom equaliser needs a name";
        headset::BandGains gains{};
        for (int band = 0; band < headset::kBands; ++band)
            if (!number(a[3 + size_t(band)], kLowestGain, kHighestGain, gains[size_t(band)]))
                return "each gain is a number from " + std::to_string(kLowestGain) + " to " +
                       std::to_string(kHighestGain);
        for (int band = 0; band < headset::kBands; ++band)
            if (const std::string problem = outcome(audio.MoveBand(band, gains[size_t(band)])); !problem.empty())
                return problem;
        switch (audio.SaveCustomEqualiser(a[2])) {
        case 1: return "";
        case 0: return "a custom equaliser of that name is already there";
        default: return "there are already 20 custom equalisers";
        }
    }
    if (what == "eq-custom" && a.size() == 3 && a[1] == "delete") {
        const int index = customIndex(audio, a[2]);
        if (index < 0) return "no custom equaliser is named \"" + a[2] + "\"";
        if (const std::string problem = outcome(audio.ApplyCustomEqualiser(index)); !problem.empty()) return problem;
        return outcome(audio.DeleteCustomEqualiser());
    }
    if ((what == "mic" || what == "monitor") && a.size() == 2) {
        const bool mic = what == "mic";
        if (a[1] == "mute" || a[1] == "unmute") {
            const bool muted = a[1] == "mute";
            return outcome(mic ? audio.SetMicrophoneMuted(muted) : audio.SetMonitorMuted(muted));
        }
        if (!number(a[1], 0, 100, value)) return "the level is 0 to 100, or mute or unmute";
        return outcome(mic ? audio.SetMicrophoneLevel(value) : audio.SetMonitorLevel(value));
    }
    if (what == "voice" && a.size() == 2) {
        if (a[1] == "off") return outcome(audio.SetVoiceChanger(false));
        if (!number(a[1], 1, 4, value)) return "the voice is off or a type from 1 to 4";
        if (const std::string problem = outcome(audio.SetVoiceChanger(true)); !problem.empty()) return problem;
        return outcome(audio.SelectVoiceType(value));
    }
    if (what == "surround" && a.size() == 2 && (a[1] == "on" || a[1] == "off"))
        return outcome(audio.SetSurround(a[1] == "on"));
    return kUsage;
}

}  // namespace

int runHeadset(const Options& options, Arguments arguments) {
    if (arguments.empty()) return fail(kUsage);
    auto opened = openHeadset(options);
    if (!opened.device) return fail(opened.failure);
    CVendrakeHS6533Device& device = *opened.device;
    const viremo::FolderLock lock(device.DeviceDataFolder());
    if (!device.LoadProfile().succeeded()) return fail("the headset's profile cannot be loaded");
    viremo::audio_chip::ChipForRun chip(options.demo);
    const bool ready = device.InitialiseAudio(chip.get());
    if (const std::string problem = runOperation(device.Audio(), arguments); !problem.empty()) return fail(problem);
    if (options.json) printJson(stateJson(device.Audio().State(), chip.name(), ready));
    else printState(device.Audio().State(), chip.name(), ready);
    return kSuccess;
}

int runHeadsetLighting(const Options& options, Arguments arguments) {
    auto opened = openHeadset(options);
    if (!opened.device) return fail(opened.failure);
    return setLitDeviceLighting(options, *opened.device, kHeadset, arguments.subspan(1));
}

int runHeadsetEffect(const Options& options, Arguments arguments) {
    auto opened = openHeadset(options);
    if (!opened.device) return fail(opened.failure);
    return runLitDeviceEffect(options, *opened.device, kHeadset, arguments);
}

}  // namespace viremoctl
