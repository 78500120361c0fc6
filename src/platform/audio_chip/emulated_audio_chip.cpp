#include "platform/audio_chip/emulated_audio_chip.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "platform/audio_chip/properties.h"

namespace viremo::audio_chip {

namespace {

using enum Direction;
using Property = EmulatedAudioChip::Property;

constexpr int32_t kPlaybackDeviceId = 0;
constexpr int32_t kRecordingDeviceId = 1;
constexpr int32_t kEqGainLimit = 24;

// Field 1 of the recording device has 0x20000: the voice changer is there.
constexpr const char* kPlaybackFeatures = "16447,0,0,0,1,0,3";
constexpr const char* kRecordingFeatures = "131135,0,0,0,1,0,3";

Property integer(std::string_view name, Direction direction, int32_t min, int32_t max,
                 std::optional<Channel> channel = std::nullopt) {
    return {std::string(name), direction, false, true, std::move(channel), double(min), double(max), 0};
}

Property switchOf(std::string_view name, Direction direction) { return integer(name, direction, 0, 1); }

// A scalar level and its value in decibels, kept in step.
struct LevelLink {
    std::string_view scalar;
    std::string_view decibels;
    double minDb;
    double maxDb;
};
constexpr LevelLink kMicrophone{property::VolumeScalarControl, property::VolumeControl, -12.0, 30.0};
constexpr LevelLink kMonitor{property::AAVolumeScalarControl, property::AAVolumeControl, -30.0, 12.0};
constexpr std::array<LevelLink, 2> kLevelLinks{kMicrophone, kMonitor};

// The scalar and decibel properties of a level, and the chip's range for it.
std::vector<Property> level(const LevelLink& link, const Channel& channel, double scalar,
                            std::string_view minName, std::string_view maxName) {
    const double db = link.minDb + scalar * (link.maxDb - link.minDb);
    return {
        {std::string(link.scalar), Recording, true, true, channel, 0, 1, scalar},
        {std::string(link.decibels), Recording, true, true, channel, link.minDb, link.maxDb, db},
        {std::string(minName), Recording, true, false, std::nullopt, link.minDb, link.minDb, link.minDb},
        {std::string(maxName), Recording, true, false, std::nullopt, link.maxDb, link.maxDb, link.maxDb},
    };
}

Property constant(std::string_view name, double value) {
    return {std::string(name), Recording, true, false, std::nullopt, value, value, value};
}

std::vector<Property> factoryProperties() {
    std::vector<Property> properties{
        integer(property::VirtualSurroundEffectControl, Playback, 0, 1, kSurroundChannel),
        switchOf(property::EnableEqGfx, Playback),
        switchOf(property::EnableRfxGfx, Playback),
        integer(property::RfxEnvironment, Playback, 0, 100),
        integer(property::RfxRoomSize, Playback, 0, 100),
        switchOf(property::MuteControl, Recording),
        constant(property::GetVolStep, 0.5),
        switchOf(property::AAMuteControl, Recording),
        constant(property::GetAAVolStep, 1.5),
        switchOf(property::EnableMagicVoice, Recording),
        integer(property::MagicVoiceSelection, Recording, 0, kVoiceTypes - 1),
        switchOf(property::EnableMicEcho, Recording),
        switchOf(property::EnableEncLfx, Recording),
        switchOf(property::EncSelfCalib, Recording),
    };
    for (auto& p : level(kMicrophone, kMicrophoneChannel, 0.8, property::GetMinVol, property::GetMaxVol))
        properties.push_back(std::move(p));
    for (auto& p : level(kMonitor, kMonitorChannel, 0.5, property::GetAAMinVol, property::GetAAMaxVol))
        properties.push_back(std::move(p));
    for (int band = 0; band < kEqBands; ++band)
        properties.push_back(integer(*eqSliderProperty(band), Playback, -kEqGainLimit, kEqGainLimit));
    return properties;
}

std::string textOf(const Property& property) {
    if (!property.isFloat) return std::to_string(int32_t(property.value));
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, float(property.value)).ptr;
    return std::string(digits, end);
}

std::optional<double> acceptedValue(const Property& property, PropertyValue value) {
    if (std::holds_alternative<float>(value) != property.isFloat) return std::nullopt;  // wrong binary type
    const double number = property.isFloat ? double(std::get<float>(value)) : double(std::get<int32_t>(value));
    if (!std::isfinite(number) || number < property.min || number > property.max) return std::nullopt;
    return number;
}

bool channelFits(const Property& property, const Channel& channel) {
    return !property.channel || *property.channel == channel;
}

}  // namespace

EmulatedAudioChip::EmulatedAudioChip()
    : properties_(factoryProperties()), features_{{Playback, kPlaybackFeatures}, {Recording, kRecordingFeatures}} {}

DeviceRecord EmulatedAudioChip::playbackRecord() { return {kPlaybackDeviceId, kPlaybackDeviceTypes[0], 0, 1}; }
DeviceRecord EmulatedAudioChip::recordingRecord() { return {kRecordingDeviceId, kRecordingDeviceType, 0, 1}; }

bool EmulatedAudioChip::init() {
    std::lock_guard lock(mutex_);
    initialised_ = !failInit_;
    return initialised_;
}

void EmulatedAudioChip::createDeviceList() {
    std::lock_guard lock(mutex_);
    listed_ = initialised_ && present_;
}

int EmulatedAudioChip::deviceCount(Direction) {
    std::lock_guard lock(mutex_);
    return initialised_ && listed_ ? 1 : 0;
}

std::optional<DeviceRecord> EmulatedAudioChip::deviceById(Direction direction, int index) {
    std::lock_guard lock(mutex_);
    if (!initialised_ || !listed_ || index != 0) return std::nullopt;
    return direction == Playback ? playbackRecord() : recordingRecord();
}

std::optional<Direction> EmulatedAudioChip::deviceOf(const DeviceRecord& device) const {
    if (!initialised_ || !listed_ || !present_) return std::nullopt;
    if (device == playbackRecord()) return Playback;
    if (device == recordingRecord()) return Recording;
    return std::nullopt;
}

Status EmulatedAudioChip::getProperty(const DeviceRecord& device, std::string_view name, const Channel& channel,
                                      std::string& text) {
    std::lock_guard lock(mutex_);
    const auto direction = deviceOf(device);
    if (!direction) return Status::NoDevice;
    if (name == property::GetSupportFeature) {
        text = features_[*direction];
        return Status::Ok;
    }
    const Property* property = find(*direction, name);
    if (!property) return Status::NotSupported;
    if (!channelFits(*property, channel) || takeFault(Operation::Get, name)) return Status::Failed;
    text = textOf(*property);
    return Status::Ok;
}

Status EmulatedAudioChip::setProperty(const DeviceRecord& device, std::string_view name, PropertyValue value,
                                      const Channel& channel) {
    Direction direction;
    Status status;
    {
        std::lock_guard lock(mutex_);
        const auto known = deviceOf(device);
        if (!known) return Status::NoDevice;
        direction = *known;
        const Property* property = find(direction, name);
        if (!property) return Status::NotSupported;
        if (!channelFits(*property, channel) || takeFault(Operation::Set, name)) return Status::Failed;
        status = store(direction, name, value);
    }
    if (status == Status::Ok) notify({{ChangeEvent::Kind::PropertyChanged, direction, std::string(name)}});
    return status;
}

// With the lock held: the value and, for a level, its linked value.
Status EmulatedAudioChip::store(Direction direction, std::string_view name, PropertyValue value) {
    Property* property = find(direction, name);
    const auto accepted = property && property->writable ? acceptedValue(*property, value) : std::nullopt;
    if (!accepted) return Status::Failed;
    property->value = *accepted;
    for (const auto& link : kLevelLinks) {
        const double span = link.maxDb - link.minDb;
        if (name == link.scalar) find(direction, link.decibels)->value = link.minDb + *accepted * span;
        if (name == link.decibels) find(direction, link.scalar)->value = (*accepted - link.minDb) / span;
    }
    return Status::Ok;
}

void EmulatedAudioChip::registerCallback(ChangeCallback callback) {
    std::lock_guard lock(mutex_);
    callback_ = std::move(callback);
}

void EmulatedAudioChip::uninit() {
    std::lock_guard lock(mutex_);
    initialised_ = false;
    listed_ = false;
    testSound_.clear();
}

Status EmulatedAudioChip::showAsioPanel() { return Status::NotSupported; }

Status EmulatedAudioChip::playTestSound(const DeviceRecord& device) {
    std::lock_guard lock(mutex_);
    const auto direction = deviceOf(device);
    if (!direction) return Status::NoDevice;
    testSound_[*direction] = true;
    return Status::Ok;
}

Status EmulatedAudioChip::stopTestSound(const DeviceRecord& device) {
    std::lock_guard lock(mutex_);
    const auto direction = deviceOf(device);
    if (!direction) return Status::NoDevice;
    testSound_[*direction] = false;
    return Status::Ok;
}

Status EmulatedAudioChip::closeTestSound() {
    std::lock_guard lock(mutex_);
    testSound_.clear();
    return Status::Ok;
}

void EmulatedAudioChip::failInit(bool fail) {
    std::lock_guard lock(mutex_);
    failInit_ = fail;
}

void EmulatedAudioChip::injectFault(Operation operation, std::string property, int times) {
    if (times == 0) return;
    std::lock_guard lock(mutex_);
    faults_.push_back({operation, std::move(property), times});
}

void EmulatedAudioChip::clearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

bool EmulatedAudioChip::takeFault(Operation operation, std::string_view property) {
    for (auto fault = faults_.begin(); fault != faults_.end(); ++fault) {
        if (fault->operation != operation || fault->property != property) continue;
        if (fault->remaining != kForever && --fault->remaining == 0) faults_.erase(fault);
        return true;
    }
    return false;
}

void EmulatedAudioChip::removeDevice() {
    {
        std::lock_guard lock(mutex_);
        if (!present_) return;
        present_ = false;
        listed_ = false;
        testSound_.clear();
    }
    notify({{ChangeEvent::Kind::DeviceRemoved, Playback, {}}, {ChangeEvent::Kind::DeviceRemoved, Recording, {}}});
}

void EmulatedAudioChip::restoreDevice() {
    {
        std::lock_guard lock(mutex_);
        if (present_) return;
        present_ = true;
    }
    notify({{ChangeEvent::Kind::DeviceArrived, Playback, {}}, {ChangeEvent::Kind::DeviceArrived, Recording, {}}});
}

Status EmulatedAudioChip::changeOnDevice(Direction direction, std::string_view name, PropertyValue value) {
    Status status;
    {
        std::lock_guard lock(mutex_);
        if (!present_) return Status::NoDevice;
        status = find(direction, name) ? store(direction, name, value) : Status::NotSupported;
    }
    if (status == Status::Ok) notify({{ChangeEvent::Kind::PropertyChanged, direction, std::string(name)}});
    return status;
}

void EmulatedAudioChip::setSupportFeature(Direction direction, std::string text) {
    std::lock_guard lock(mutex_);
    features_[direction] = std::move(text);
}

std::map<std::string, PropertyValue> EmulatedAudioChip::settings(Direction direction) const {
    std::lock_guard lock(mutex_);
    std::map<std::string, PropertyValue> values;
    for (const auto& property : properties_) {
        if (property.direction != direction || !property.writable) continue;
        if (property.isFloat) values[property.name] = float(property.value);
        else values[property.name] = int32_t(property.value);
    }
    return values;
}

bool EmulatedAudioChip::restoreSetting(Direction direction, std::string_view name, PropertyValue value) {
    std::lock_guard lock(mutex_);
    return store(direction, name, value) == Status::Ok;
}

std::optional<PropertyValue> EmulatedAudioChip::value(Direction direction, std::string_view name) const {
    std::lock_guard lock(mutex_);
    const Property* property = find(direction, name);
    if (!property) return std::nullopt;
    if (property->isFloat) return float(property->value);
    return int32_t(property->value);
}

bool EmulatedAudioChip::testSoundPlaying(Direction direction) const {
    std::lock_guard lock(mutex_);
    const auto playing = testSound_.find(direction);
    return playing != testSound_.end() && playing->second;
}

namespace {

template <typename Properties>
auto findIn(Properties& properties, Direction direction, std::string_view name) -> decltype(&properties.front()) {
    auto it = std::find_if(properties.begin(), properties.end(),
                           [&](const Property& p) { return p.direction == direction && p.name == name; });
    return it == properties.end() ? nullptr : &*it;
}

}  // namespace

EmulatedAudioChip::Property* EmulatedAudioChip::find(Direction direction, std::string_view name) {
    return findIn(properties_, direction, name);
}

const EmulatedAudioChip::Property* EmulatedAudioChip::find(Direction direction, std::string_view name) const {
    return findIn(properties_, direction, name);
}

void EmulatedAudioChip::notify(const std::vector<ChangeEvent>& events) {
    ChangeCallback callback;
    {
        std::lock_guard lock(mutex_);
        callback = callback_;
    }
    if (!callback) return;
    for (const auto& event : events) callback(event);
}

}  // namespace viremo::audio_chip
