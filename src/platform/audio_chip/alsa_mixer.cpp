#include "platform/audio_chip/alsa_mixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

#include "platform/log.h"

namespace viremo::audio_chip {
namespace {

constexpr const char* kMicrophoneElement = "Mic";
constexpr snd_mixer_selem_channel_id_t kFirstChannel = SND_MIXER_SCHN_FRONT_LEFT;
constexpr double kCentibels = 100.0;  // ALSA gives decibels x 100

// The simple-mixer calls of one side of an element.
struct StreamCalls {
    int (*hasVolume)(snd_mixer_elem_t*);
    int (*hasSwitch)(snd_mixer_elem_t*);
    int (*volumeRange)(snd_mixer_elem_t*, long*, long*);
    int (*volume)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long*);
    int (*setVolume)(snd_mixer_elem_t*, long);
    int (*decibelRange)(snd_mixer_elem_t*, long*, long*);
    int (*decibels)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long*);
    int (*setDecibels)(snd_mixer_elem_t*, long, int);
    int (*switchOn)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, int*);
    int (*setSwitch)(snd_mixer_elem_t*, int);
};

// A volume or switch common to both sides belongs to the capture side (the
// microphone): the monitor needs a playback control of its own.
int hasOwnPlaybackVolume(snd_mixer_elem_t* element) {
    return snd_mixer_selem_has_playback_volume(element) && !snd_mixer_selem_has_common_volume(element);
}
int hasOwnPlaybackSwitch(snd_mixer_elem_t* element) {
    return snd_mixer_selem_has_playback_switch(element) && !snd_mixer_selem_has_common_switch(element);
}

constexpr StreamCalls kCapture{
    snd_mixer_selem_has_capture_volume,    snd_mixer_selem_has_capture_switch,
    snd_mixer_selem_get_capture_volume_range, snd_mixer_selem_get_capture_volume,
    snd_mixer_selem_set_capture_volume_all, snd_mixer_selem_get_capture_dB_range,
    snd_mixer_selem_get_capture_dB,        snd_mixer_selem_set_capture_dB_all,
    snd_mixer_selem_get_capture_switch,    snd_mixer_selem_set_capture_switch_all,
};
constexpr StreamCalls kPlayback{
    hasOwnPlaybackVolume,                   hasOwnPlaybackSwitch,
    snd_mixer_selem_get_playback_volume_range, snd_mixer_selem_get_playback_volume,
    snd_mixer_selem_set_playback_volume_all, snd_mixer_selem_get_playback_dB_range,
    snd_mixer_selem_get_playback_dB,        snd_mixer_selem_set_playback_dB_all,
    snd_mixer_selem_get_playback_switch,    snd_mixer_selem_set_playback_switch_all,
};

const StreamCalls& callsOf(Stream stream) { return stream == Stream::Capture ? kCapture : kPlayback; }

// alsa-lib's own error messages go to the program's log, not to stderr.
void logAlsaError(const char* file, int line, const char* function, int, const char* format, ...) {
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    log::linef("alsa: %s (%s:%d %s)", text, file, line, function);
}

snd_mixer_elem_t* findElement(snd_mixer_t* mixer, const char* name) {
    snd_mixer_selem_id_t* id = nullptr;
    if (snd_mixer_selem_id_malloc(&id) < 0) return nullptr;
    snd_mixer_selem_id_set_name(id, name);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_elem_t* element = snd_mixer_find_selem(mixer, id);
    snd_mixer_selem_id_free(id);
    return element;
}

}  // namespace

std::unique_ptr<AlsaMixer> AlsaMixer::open(int card) {
    static std::once_flag quiet;
    std::call_once(quiet, [] { snd_lib_error_set_handler(logAlsaError); });
    snd_mixer_t* mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0) return nullptr;
    const std::string name = "hw:" + std::to_string(card);
    if (snd_mixer_attach(mixer, name.c_str()) < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 ||
        snd_mixer_load(mixer) < 0) {
        log::linef("alsa: cannot open the mixer of card %d", card);
        snd_mixer_close(mixer);
        return nullptr;
    }
    std::unique_ptr<AlsaMixer> opened(new AlsaMixer(mixer));
    opened->microphone_ = findElement(mixer, kMicrophoneElement);
    return opened;
}

AlsaMixer::AlsaMixer(snd_mixer_t* mixer) : mixer_(mixer) {}

AlsaMixer::~AlsaMixer() { snd_mixer_close(mixer_); }

bool AlsaMixer::hasVolume(Stream stream) const { return microphone_ && callsOf(stream).hasVolume(microphone_); }

bool AlsaMixer::hasSwitch(Stream stream) const { return microphone_ && callsOf(stream).hasSwitch(microphone_); }

std::optional<std::pair<long, long>> AlsaMixer::volumeRange(Stream stream) const {
    long min = 0, max = 0;
    if (!hasVolume(stream) || callsOf(stream).volumeRange(microphone_, &min, &max) < 0 || max <= min)
        return std::nullopt;
    return std::pair{min, max};
}

std::optional<double> AlsaMixer::scalar(Stream stream) const {
    const auto range = volumeRange(stream);
    long value = 0;
    if (!range || callsOf(stream).volume(microphone_, kFirstChannel, &value) < 0) return std::nullopt;
    return double(value - range->first) / double(range->second - range->first);
}

bool AlsaMixer::setScalar(Stream stream, double scalar) {
    const auto range = volumeRange(stream);
    if (!range) return false;
    const long value = range->first + std::lround(scalar * double(range->second - range->first));
    return callsOf(stream).setVolume(microphone_, value) >= 0;
}

std::optional<double> AlsaMixer::decibels(Stream stream) const {
    long centibels = 0;
    if (!hasVolume(stream) || callsOf(stream).decibels(microphone_, kFirstChannel, &centibels) < 0)
        return std::nullopt;
    return double(centibels) / kCentibels;
}

bool AlsaMixer::setDecibels(Stream stream, double decibels) {
    // The nearest step at or below the value.
    return hasVolume(stream) &&
           callsOf(stream).setDecibels(microphone_, std::lround(decibels * kCentibels), -1) >= 0;
}

std::optional<std::pair<double, double>> AlsaMixer::decibelRange(Stream stream) const {
    long min = 0, max = 0;
    if (!hasVolume(stream) || callsOf(stream).decibelRange(microphone_, &min, &max) < 0) return std::nullopt;
    return std::pair{double(min) / kCentibels, double(max) / kCentibels};
}

std::optional<double> AlsaMixer::decibelStep(Stream stream) const {
    const auto decibels = decibelRange(stream);
    const auto steps = volumeRange(stream);
    if (!decibels || !steps) return std::nullopt;
    return (decibels->second - decibels->first) / double(steps->second - steps->first);
}

std::optional<bool> AlsaMixer::switchOn(Stream stream) const {
    int on = 0;
    if (!hasSwitch(stream) || callsOf(stream).switchOn(microphone_, kFirstChannel, &on) < 0) return std::nullopt;
    return on != 0;
}

bool AlsaMixer::setSwitch(Stream stream, bool on) {
    return hasSwitch(stream) && callsOf(stream).setSwitch(microphone_, on ? 1 : 0) >= 0;
}

std::vector<pollfd> AlsaMixer::pollDescriptors() const {
    const int count = snd_mixer_poll_descriptors_count(mixer_);
    if (count <= 0) return {};
    std::vector<pollfd> descriptors(static_cast<size_t>(count));
    const int filled = snd_mixer_poll_descriptors(mixer_, descriptors.data(), unsigned(count));
    descriptors.resize(size_t(std::max(filled, 0)));
    return descriptors;
}

// Removing a control frees its element: the element is looked up again.
bool AlsaMixer::handleEvents() {
    const bool present = snd_mixer_handle_events(mixer_) >= 0;
    microphone_ = present ? findElement(mixer_, kMicrophoneElement) : nullptr;
    return present;
}

}  // namespace viremo::audio_chip
