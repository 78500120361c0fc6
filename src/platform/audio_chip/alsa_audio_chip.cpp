#include "platform/audio_chip/alsa_audio_chip.h"

#include <alsa/asoundlib.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <stop_token>
#include <thread>

#include "platform/audio_chip/alsa_mixer.h"
#include "platform/audio_chip/properties.h"
#include "platform/audio_chip/sound_card_monitor.h"
#include "platform/audio_chip/sound_cards.h"
#include "platform/log.h"

namespace viremo::audio_chip {
namespace {

constexpr int kPollMs = 100;  // the event thread sees a stop request within this
constexpr int32_t kPlaybackId = 0;
constexpr int32_t kRecordingId = 1;

enum class Quantity { Scalar, Decibels, Mute, MinDecibels, MaxDecibels, DecibelStep };

// The recording device's properties that the mixer has.
struct MixerProperty {
    std::string_view name;
    Stream stream;
    Quantity quantity;
};
constexpr std::array<MixerProperty, 12> kMixerProperties{{
    {property::VolumeScalarControl, Stream::Capture, Quantity::Scalar},
    {property::VolumeControl, Stream::Capture, Quantity::Decibels},
    {property::MuteControl, Stream::Capture, Quantity::Mute},
    {property::GetMinVol, Stream::Capture, Quantity::MinDecibels},
    {property::GetMaxVol, Stream::Capture, Quantity::MaxDecibels},
    {property::GetVolStep, Stream::Capture, Quantity::DecibelStep},
    {property::AAVolumeScalarControl, Stream::Playback, Quantity::Scalar},
    {property::AAVolumeControl, Stream::Playback, Quantity::Decibels},
    {property::AAMuteControl, Stream::Playback, Quantity::Mute},
    {property::GetAAMinVol, Stream::Playback, Quantity::MinDecibels},
    {property::GetAAMaxVol, Stream::Playback, Quantity::MaxDecibels},
    {property::GetAAVolStep, Stream::Playback, Quantity::DecibelStep},
}};

const MixerProperty* mixerProperty(std::string_view name) {
    for (const auto& property : kMixerProperties)
        if (property.name == name) return &property;
    return nullptr;
}

bool isVolume(Quantity quantity) { return quantity != Quantity::Mute; }

bool supported(const AlsaMixer& mixer, const MixerProperty& property) {
    return isVolume(property.quantity) ? mixer.hasVolume(property.stream) : mixer.hasSwitch(property.stream);
}

std::string numberText(double value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, float(value)).ptr;
    return std::string(digits, end);
}

std::optional<std::string> read(const AlsaMixer& mixer, const MixerProperty& property) {
    const Stream stream = property.stream;
    std::optional<double> value;
    switch (property.quantity) {
    case Quantity::Scalar: value = mixer.scalar(stream); break;
    case Quantity::Decibels: value = mixer.decibels(stream); break;
    case Quantity::MinDecibels:
        if (const auto range = mixer.decibelRange(stream)) value = range->first;
        break;
    case Quantity::MaxDecibels:
        if (const auto range = mixer.decibelRange(stream)) value = range->second;
        break;
    case Quantity::DecibelStep: value = mixer.decibelStep(stream); break;
    case Quantity::Mute:
        if (const auto on = mixer.switchOn(stream)) return *on ? "0" : "1";
        return std::nullopt;
    }
    if (!value) return std::nullopt;
    return numberText(*value);
}

bool write(AlsaMixer& mixer, const MixerProperty& property, PropertyValue value) {
    const Stream stream = property.stream;
    const float* number = std::get_if<float>(&value);
    const int32_t* integer = std::get_if<int32_t>(&value);
    switch (property.quantity) {
    case Quantity::Scalar:
        return number && std::isfinite(*number) && *number >= 0 && *number <= 1 && mixer.setScalar(stream, *number);
    case Quantity::Decibels: return number && std::isfinite(*number) && mixer.setDecibels(stream, *number);
    case Quantity::Mute: return integer && (*integer == 0 || *integer == 1) && mixer.setSwitch(stream, *integer == 0);
    default: return false;  // ranges are read only
    }
}

// The values the callback watches, to tell which property changed.
struct Watched {
    std::optional<double> micLevel, monitorLevel;
    std::optional<bool> micOn, monitorOn;
};

Watched watched(const AlsaMixer& mixer) {
    return {mixer.scalar(Stream::Capture), mixer.scalar(Stream::Playback), mixer.switchOn(Stream::Capture),
            mixer.switchOn(Stream::Playback)};
}

std::vector<ChangeEvent> changesBetween(const Watched& before, const Watched& after) {
    std::vector<ChangeEvent> events;
    auto changed = [&](bool differs, std::initializer_list<std::string_view> names) {
        if (differs)
            for (const auto name : names)
                events.push_back({ChangeEvent::Kind::PropertyChanged, Direction::Recording, std::string(name)});
    };
    changed(before.micLevel != after.micLevel, {property::VolumeScalarControl, property::VolumeControl});
    changed(before.micOn != after.micOn, {property::MuteControl});
    changed(before.monitorLevel != after.monitorLevel, {property::AAVolumeScalarControl, property::AAVolumeControl});
    changed(before.monitorOn != after.monitorOn, {property::AAMuteControl});
    return events;
}

std::vector<ChangeEvent> bothDevices(ChangeEvent::Kind kind) {
    return {{kind, Direction::Playback, {}}, {kind, Direction::Recording, {}}};
}

// The card named by the environment, else the card with the headset's USB id.
std::optional<int> headsetCard() {
    if (const char* named = std::getenv(kAudioCardVariable); named && *named) {
        const int index = snd_card_get_index(named);
        if (index < 0) log::linef("alsa: no card %s (%s)", named, kAudioCardVariable);
        return index >= 0 ? std::optional(index) : std::nullopt;
    }
    return findCardByUsbId("/proc/asound", kHeadsetUsbId);
}

bool isHeadsetCard(const SoundCardEvent& event) {
    if (const char* named = std::getenv(kAudioCardVariable); named && *named)
        return snd_card_get_index(named) == event.card;
    return event.usbId == kHeadsetUsbId;
}

}  // namespace

struct AlsaAudioChip::State {
    std::mutex mutex;
    bool initialised = false;
    std::optional<int> card;
    std::unique_ptr<AlsaMixer> mixer;
    bool removed = false;
    Watched last;
    ChangeCallback callback;
    std::jthread events;  // last: stopped and joined first

    std::optional<Direction> deviceOf(const DeviceRecord& device) const {
        if (!initialised || !mixer || removed || !card || device.reserved != *card || device.usable != 1)
            return std::nullopt;
        if (device.id == kPlaybackId && device.type == kPlaybackDeviceTypes[0]) return Direction::Playback;
        if (device.id == kRecordingId && device.type == kRecordingDeviceType && mixer->hasMicrophone())
            return Direction::Recording;
        return std::nullopt;
    }

    void notify(const std::vector<ChangeEvent>& changes) {
        ChangeCallback copy;
        {
            std::lock_guard lock(mutex);
            copy = callback;
        }
        if (copy)
            for (const auto& change : changes) copy(change);
    }

    // With the lock held: the changes since the last look, or the removal.
    std::vector<ChangeEvent> takeMixerEvents() {
        if (!mixer || removed) return {};
        if (!mixer->handleEvents()) return markRemoved();
        const Watched now = watched(*mixer);
        auto changes = changesBetween(last, now);
        last = now;
        return changes;
    }

    std::vector<ChangeEvent> markRemoved() {
        if (removed) return {};
        removed = true;
        log::linef("alsa: card %d is gone", card.value_or(-1));
        return bothDevices(ChangeEvent::Kind::DeviceRemoved);
    }

    std::vector<ChangeEvent> takeCardEvents(SoundCardMonitor& monitor) {
        std::vector<ChangeEvent> changes;
        while (const auto event = monitor.receive()) {
            std::lock_guard lock(mutex);
            if (event->kind == SoundCardEvent::Kind::Removed && event->card == card && mixer) {
                for (auto& change : markRemoved()) changes.push_back(std::move(change));
            } else if (event->kind == SoundCardEvent::Kind::Added && isHeadsetCard(*event)) {
                for (auto& change : bothDevices(ChangeEvent::Kind::DeviceArrived)) changes.push_back(std::move(change));
            }
        }
        return changes;
    }

    // The event thread: waits on the udev monitor and the mixer together.
    void watch(std::stop_token stop) {
        SoundCardMonitor monitor;
        while (!stop.stop_requested()) {
            std::vector<pollfd> descriptors{{monitor.fd(), POLLIN, 0}};
            {
                std::lock_guard lock(mutex);
                if (mixer && !removed)
                    for (const auto& descriptor : mixer->pollDescriptors()) descriptors.push_back(descriptor);
            }
            if (::poll(descriptors.data(), descriptors.size(), kPollMs) <= 0) continue;
            std::vector<ChangeEvent> changes;
            if (descriptors.size() > 1) {
                std::lock_guard lock(mutex);
                changes = takeMixerEvents();
            }
            if (descriptors[0].revents & POLLIN)
                for (auto& change : takeCardEvents(monitor)) changes.push_back(std::move(change));
            notify(changes);
        }
    }

    void stopWatching() {
        if (!events.joinable()) return;
        events.request_stop();
        events.join();
    }
};

AlsaAudioChip::AlsaAudioChip() : state_(std::make_shared<State>()) {}

AlsaAudioChip::~AlsaAudioChip() { uninit(); }

bool AlsaAudioChip::init() {
    std::lock_guard lock(state_->mutex);
    if (state_->initialised) return true;
    state_->initialised = true;
    state_->events = std::jthread([state = state_.get()](std::stop_token stop) { state->watch(stop); });
    return true;
}

void AlsaAudioChip::createDeviceList() {
    std::lock_guard lock(state_->mutex);
    if (!state_->initialised) return;
    state_->mixer.reset();
    state_->removed = false;
    state_->card = headsetCard();
    if (state_->card) state_->mixer = AlsaMixer::open(*state_->card);
    if (state_->mixer) state_->last = watched(*state_->mixer);
}

int AlsaAudioChip::deviceCount(Direction direction) {
    std::lock_guard lock(state_->mutex);
    if (!state_->initialised || !state_->mixer || state_->removed) return 0;
    return direction == Direction::Playback || state_->mixer->hasMicrophone() ? 1 : 0;
}

std::optional<DeviceRecord> AlsaAudioChip::deviceById(Direction direction, int index) {
    if (index != 0 || deviceCount(direction) == 0) return std::nullopt;
    std::lock_guard lock(state_->mutex);
    const int32_t card = state_->card.value_or(-1);
    if (direction == Direction::Playback) return DeviceRecord{kPlaybackId, kPlaybackDeviceTypes[0], card, 1};
    return DeviceRecord{kRecordingId, kRecordingDeviceType, card, 1};
}

Status AlsaAudioChip::getProperty(const DeviceRecord& device, std::string_view name, const Channel&,
                                  std::string& text) {
    std::lock_guard lock(state_->mutex);
    const auto direction = state_->deviceOf(device);
    if (!direction) return Status::NoDevice;
    const MixerProperty* property = mixerProperty(name);
    if (*direction != Direction::Recording || !property || !supported(*state_->mixer, *property))
        return Status::NotSupported;
    const auto value = read(*state_->mixer, *property);
    if (!value) return Status::Failed;
    text = *value;
    return Status::Ok;
}

Status AlsaAudioChip::setProperty(const DeviceRecord& device, std::string_view name, PropertyValue value,
                                  const Channel&) {
    std::lock_guard lock(state_->mutex);
    const auto direction = state_->deviceOf(device);
    if (!direction) return Status::NoDevice;
    const MixerProperty* property = mixerProperty(name);
    if (*direction != Direction::Recording || !property || !supported(*state_->mixer, *property))
        return Status::NotSupported;
    return write(*state_->mixer, *property, value) ? Status::Ok : Status::Failed;
}

void AlsaAudioChip::registerCallback(ChangeCallback callback) {
    std::lock_guard lock(state_->mutex);
    state_->callback = std::move(callback);
}

void AlsaAudioChip::uninit() {
    state_->stopWatching();
    std::lock_guard lock(state_->mutex);
    state_->initialised = false;
    state_->mixer.reset();
    state_->card.reset();
}

Status AlsaAudioChip::showAsioPanel() { return Status::NotSupported; }
Status AlsaAudioChip::playTestSound(const DeviceRecord&) { return Status::NotSupported; }
Status AlsaAudioChip::stopTestSound(const DeviceRecord&) { return Status::NotSupported; }
Status AlsaAudioChip::closeTestSound() { return Status::NotSupported; }

}  // namespace viremo::audio_chip
