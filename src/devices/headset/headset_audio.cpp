#include "devices/headset/headset_audio.h"

#include <algorithm>
#include <cctype>

#include "platform/audio_chip/levels.h"
#include "platform/audio_chip/property_reads.h"
#include "platform/log.h"

namespace viremo::devices::headset {
namespace {

namespace property = audio_chip::property;
using audio_chip::Direction;

constexpr size_t kMaxCustomNames = 20;

// Written once at start to a property that does not answer, so that the
// chip starts from a known state. Levels are left out: a read that failed
// must not turn into a silent microphone or monitor.
constexpr std::string_view kFirstValueSwitches[] = {
    property::EnableEncLfx,  property::EnableEqGfx,  property::EnableRfxGfx,     property::RfxEnvironment,
    property::RfxRoomSize,   property::MuteControl,  property::AAMuteControl,    property::EnableMagicVoice,
    property::MagicVoiceSelection,
};

BandGains bandsOf(const std::vector<int32_t>& values) {
    BandGains bands{};
    std::copy_n(values.begin(), std::min(values.size(), bands.size()), bands.begin());
    return bands;
}

std::vector<int32_t> valuesOf(const BandGains& bands) { return {bands.begin(), bands.end()}; }

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool answers(Status status) { return status == Status::Ok || status == Status::Failed; }

}  // namespace

// ---- Start -------------------------------------------------------------------

bool HeadsetAudio::Initialise(audio_chip::AudioChip* chip) {
    chip_ = nullptr;
    devices_ = {};
    recordingFeatures_.reset();
    state_.support = {};
    if (!chip || !chip->init()) {
        log::line("ConfLibInit called failed!");
        return false;
    }
    chip_ = chip;
    chip_->createDeviceList();
    if (chip_->deviceCount(Direction::Playback) > 0) {
        devices_ = audio_chip::chooseDevices(*chip_);
        std::string features;
        if (devices_.recording &&
            chip_->getProperty(*devices_.recording, property::GetSupportFeature, audio_chip::kNoChannel, features) ==
                Status::Ok)
            recordingFeatures_ = audio_chip::parseSupportFeatures(features);
        if (!recordingFeatures_) log::line("UpdateAPOAvailable failed!");
    }
    findSupport();
    giveFirstValues();
    ReadChipState();
    return true;
}

// A group is served when its device is there and the backend has its
// property at all (a read may still fail now and then).
void HeadsetAudio::findSupport() {
    std::string ignored;
    const auto has = [&](std::string_view name, const audio_chip::Channel& channel) {
        const audio_chip::DeviceRecord* device = deviceFor(name);
        return device && answers(chip_->getProperty(*device, name, channel, ignored));
    };
    AudioSupport& support = state_.support;
    support.equaliser = has(*audio_chip::eqSliderProperty(0), audio_chip::kNoChannel);
    support.microphone = has(property::MuteControl, audio_chip::kNoChannel);
    support.monitor = has(property::GetAAMaxVol, audio_chip::kNoChannel);
    support.voiceChanger = recordingFeatures_ && recordingFeatures_->voiceChanger() &&
                           has(property::EnableMagicVoice, audio_chip::kNoChannel);
    support.surround = has(property::VirtualSurroundEffectControl, audio_chip::kSurroundChannel);
}

void HeadsetAudio::giveFirstValues() {
    int32_t value = 0;
    if (get(property::VirtualSurroundEffectControl, audio_chip::kSurroundChannel, value) == Status::Failed)
        set(property::VirtualSurroundEffectControl, 0, audio_chip::kSurroundChannel);
    for (const std::string_view name : kFirstValueSwitches)
        if (get(name, audio_chip::kNoChannel, value) == Status::Failed) set(name, 0);
    for (int band = 0; band < kBands; ++band) {
        const std::string slider = *audio_chip::eqSliderProperty(band);
        if (get(slider, audio_chip::kNoChannel, value) == Status::Failed) set(slider, 0);
    }
}

void HeadsetAudio::TakeProfile() {
    state_.settings = profile_.GetSystemSetStages();
    const HeadsetSettings& settings = state_.settings;
    state_.customNames = profile_.GetCustomEqNames();
    if (settings.eqType == kCustomPreset) {
        state_.bands = bandsOf(profile_.GetCustomEqValues(settings.customEqSelectIndex));
        const bool listed = settings.customEqSelectIndex >= 0 &&
                            size_t(settings.customEqSelectIndex) < state_.customNames.size();
        state_.customSelection = listed ? settings.customEqSelectIndex : kNoCustomSelection;
    } else {
        state_.bands = bandsOf(profile_.GetEqValues(settings.eqType));
        state_.customSelection = kNoCustomSelection;
    }
}

void HeadsetAudio::ReadChipState() {
    if (!chip_) return;
    HeadsetSettings& settings = state_.settings;
    int32_t value = 0;
    if (get(property::MuteControl, audio_chip::kNoChannel, value) == Status::Ok) settings.micInSelect = value ? 0 : 1;
    if (devices_.recording)
        audio_chip::readLevel(*chip_, *devices_.recording, property::VolumeScalarControl,
                              audio_chip::kMicrophoneChannel, settings.micInValue);
    if (state_.support.monitor) {
        if (get(property::AAMuteControl, audio_chip::kNoChannel, value) == Status::Ok)
            settings.micMonitorSelect = value ? 0 : 1;
        audio_chip::readLevel(*chip_, *devices_.recording, property::AAVolumeScalarControl,
                              audio_chip::kMonitorChannel, settings.micMonitorValue);
    }
    if (state_.support.voiceChanger) {
        if (get(property::EnableMagicVoice, audio_chip::kNoChannel, value) == Status::Ok)
            settings.magicEnable = value ? 1 : 0;
        if (get(property::MagicVoiceSelection, audio_chip::kNoChannel, value) == Status::Ok)
            if (const auto type = audio_chip::voiceTypeOfSelection(value)) settings.magicType = *type;
    }
    if (get(property::VirtualSurroundEffectControl, audio_chip::kSurroundChannel, value) == Status::Ok)
        state_.surround = value != 0;
}

// ---- Chip access ---------------------------------------------------------------

const audio_chip::DeviceRecord* HeadsetAudio::deviceFor(std::string_view name) const {
    const auto direction = audio_chip::directionOf(name);
    if (!direction) {
        // The equaliser sliders belong to the playback device.
        for (int band = 0; band < kBands; ++band)
            if (name == *audio_chip::eqSliderProperty(band)) return devices_.playback ? &*devices_.playback : nullptr;
        return nullptr;
    }
    const auto& device = *direction == Direction::Playback ? devices_.playback : devices_.recording;
    return device ? &*device : nullptr;
}

Status HeadsetAudio::set(std::string_view name, audio_chip::PropertyValue value, const audio_chip::Channel& channel) {
    const audio_chip::DeviceRecord* device = chip_ ? deviceFor(name) : nullptr;
    if (!device) return Status::NoDevice;
    return chip_->setProperty(*device, name, value, channel);
}

Status HeadsetAudio::get(std::string_view name, const audio_chip::Channel& channel, int32_t& value) {
    const audio_chip::DeviceRecord* device = chip_ ? deviceFor(name) : nullptr;
    if (!device) return Status::NoDevice;
    std::string text;
    const Status status = chip_->getProperty(*device, name, channel, text);
    if (status != Status::Ok) return status;
    const auto number = audio_chip::parseNumber(text);
    if (!number) return Status::Failed;
    value = int32_t(*number);
    return Status::Ok;
}

Status HeadsetAudio::writeBands(const BandGains& bands) {
    if (const Status status = set(property::EnableEqGfx, 1); status != Status::Ok) return status;
    for (int band = 0; band < kBands; ++band)
        if (const Status status = set(*audio_chip::eqSliderProperty(band), bands[size_t(band)]); status != Status::Ok)
            return status;
    return Status::Ok;
}

Status HeadsetAudio::keep(Status status) {
    profile_.SetSystemSetStages(state_.settings);
    profile_.Save();
    ShowState();
    return status;
}

Status HeadsetAudio::refuse(Status status) {
    ShowState();
    return status;
}

void HeadsetAudio::ShowState() {
    if (panels_) panels_->ShowAudioState(state_);
}

// ---- Equaliser -------------------------------------------------------------------

Status HeadsetAudio::SelectPreset(int preset) {
    if (preset == kCustomPreset) {
        state_.settings.eqType = kCustomPreset;
        if (state_.customSelection == kNoCustomSelection) return keep(Status::Ok);
        return ApplyCustomEqualiser(state_.customSelection);
    }
    const auto gains = presetGains(preset);
    if (!gains) return refuse(Status::Failed);
    if (!state_.support.equaliser) return refuse(Status::NotSupported);
    if (const Status status = writeBands(*gains); status != Status::Ok) return refuse(status);
    state_.bands = *gains;
    state_.settings.eqType = preset;
    profile_.SetEqValues(preset, valuesOf(*gains));
    return keep(Status::Ok);
}

Status HeadsetAudio::MoveBand(int band, int value) {
    if (band < 0 || band >= kBands) return refuse(Status::Failed);
    if (!state_.support.equaliser) return refuse(Status::NotSupported);
    const Status status = set(*audio_chip::eqSliderProperty(band), value);
    if (status != Status::Ok) return refuse(status);
    if (state_.settings.eqType != kCustomPreset) {
        state_.settings.eqType = kCustomPreset;
        state_.customSelection = kNoCustomSelection;
    }
    state_.bands[size_t(band)] = value;
    ShowState();
    return Status::Ok;
}

int HeadsetAudio::SaveCustomEqualiser(const std::string& name) {
    std::vector<std::string>& names = state_.customNames;
    if (name.empty()) {
        if (state_.customSelection == kNoCustomSelection) return -1;
        state_.settings.customEqSelectIndex = state_.customSelection;
        profile_.SetCustomEqValues(state_.customSelection, valuesOf(state_.bands));
        keep(Status::Ok);
        return 1;
    }
    if (names.size() >= kMaxCustomNames) return -1;
    const std::string key = lowered(name);
    if (std::any_of(names.begin(), names.end(), [&](const std::string& n) { return lowered(n) == key; })) return 0;
    names.push_back(name);
    state_.customSelection = int(names.size() - 1);
    state_.settings.customEqSelectIndex = state_.customSelection;
    profile_.SetCustomEqValues(state_.customSelection, valuesOf(state_.bands));
    profile_.SetCustomEqNames(names);
    keep(Status::Ok);
    return 1;
}

// The rows of the custom equalisers follow their names: the row of the
// deleted name goes with it and the later rows move up one place.
Status HeadsetAudio::DeleteCustomEqualiser() {
    std::vector<std::string>& names = state_.customNames;
    const int selected = state_.customSelection;
    if (selected < 0 || size_t(selected) >= names.size()) return refuse(Status::Failed);
    for (size_t row = size_t(selected); row + 1 < names.size(); ++row)
        profile_.SetCustomEqValues(int(row), profile_.GetCustomEqValues(int(row + 1)));
    names.erase(names.begin() + selected);
    profile_.SetCustomEqNames(names);
    if (names.empty()) {
        state_.customSelection = kNoCustomSelection;
        state_.settings.customEqSelectIndex = 0;
        return SelectPreset(kFirstPreset);
    }
    state_.customSelection = 0;
    return ApplyCustomEqualiser(0);
}

Status HeadsetAudio::ApplyCustomEqualiser(int custom) {
    if (custom < 0 || size_t(custom) >= state_.customNames.size()) return refuse(Status::Failed);
    if (!state_.support.equaliser) return refuse(Status::NotSupported);
    const BandGains bands = bandsOf(profile_.GetCustomEqValues(custom));
    if (const Status status = writeBands(bands); status != Status::Ok) return refuse(status);
    state_.customSelection = custom;
    state_.bands = bands;
    state_.settings.eqType = kCustomPreset;
    state_.settings.customEqSelectIndex = custom;
    return keep(Status::Ok);
}

// ---- Microphone, monitor, voice, surround -------------------------------------------

Status HeadsetAudio::setLevel(const Level& level, int value) {
    value = audio_chip::clampLevel(value);
    // Only called while the group is supported: the chip and its recording
    // device are there.
    const Status status = audio_chip::writeLevel(*chip_, *devices_.recording, level.scalar, level.channel, value);
    if (status != Status::Ok) return refuse(status);
    std::string decibels;
    chip_->getProperty(*devices_.recording, level.decibels, level.channel, decibels);
    state_.settings.*level.value = value;
    return keep(Status::Ok);
}

Status HeadsetAudio::SetMicrophoneLevel(int level) {
    if (!state_.support.microphone) return refuse(Status::NotSupported);
    return setLevel({property::VolumeScalarControl, property::VolumeControl, audio_chip::kMicrophoneChannel,
                     &HeadsetSettings::micInValue},
                    level);
}

Status HeadsetAudio::SetMonitorLevel(int level) {
    if (!state_.support.monitor) return refuse(Status::NotSupported);
    return setLevel({property::AAVolumeScalarControl, property::AAVolumeControl, audio_chip::kMonitorChannel,
                     &HeadsetSettings::micMonitorValue},
                    level);
}

Status HeadsetAudio::setMuted(const Mute& mute, bool muted) {
    const Status status = set(mute.property, muted ? 1 : 0);
    if (status != Status::Ok) return refuse(status);
    state_.settings.*mute.select = muted ? 0 : 1;
    return keep(Status::Ok);
}

Status HeadsetAudio::SetMicrophoneMuted(bool muted) {
    if (!state_.support.microphone) return refuse(Status::NotSupported);
    return setMuted({property::MuteControl, &HeadsetSettings::micInSelect}, muted);
}

Status HeadsetAudio::SetMonitorMuted(bool muted) {
    if (!state_.support.monitor) return refuse(Status::NotSupported);
    return setMuted({property::AAMuteControl, &HeadsetSettings::micMonitorSelect}, muted);
}

Status HeadsetAudio::ToggleMicrophoneMute() { return SetMicrophoneMuted(state_.settings.micInSelect != 0); }

Status HeadsetAudio::ToggleMonitorMute() { return SetMonitorMuted(state_.settings.micMonitorSelect != 0); }

Status HeadsetAudio::SetVoiceChanger(bool on) {
    if (!state_.support.voiceChanger) return refuse(Status::NotSupported);
    if (const Status status = set(property::EnableMagicVoice, on ? 1 : 0); status != Status::Ok) return refuse(status);
    if (on) set(property::EnableMicEcho, 0);
    state_.settings.magicEnable = on ? 1 : 0;
    return keep(Status::Ok);
}

Status HeadsetAudio::SelectVoiceType(int type) {
    if (!state_.support.voiceChanger) return refuse(Status::NotSupported);
    const auto selection = audio_chip::magicVoiceSelection(type);
    if (!selection) return refuse(Status::Failed);
    if (const Status status = set(property::MagicVoiceSelection, *selection); status != Status::Ok)
        return refuse(status);
    state_.settings.magicType = type;
    return keep(Status::Ok);
}

Status HeadsetAudio::SetSurround(bool on) {
    if (!state_.support.surround) return refuse(Status::NotSupported);
    const Status status = set(property::VirtualSurroundEffectControl, on ? 1 : 0, audio_chip::kSurroundChannel);
    if (status != Status::Ok) return refuse(status);
    state_.surround = on;
    ShowState();
    return Status::Ok;
}

}  // namespace viremo::devices::headset
