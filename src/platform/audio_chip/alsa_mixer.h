#pragma once
// The mixer of one ALSA card as far as the headset uses it: the "Mic"
// element, whose capture side is the microphone and whose playback side
// (when it has one of its own) is the monitor of the microphone in the
// headphones. Not thread-safe: its owner serialises the calls.
#include <poll.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace viremo::audio_chip {

enum class Stream { Capture, Playback };  // microphone, monitor

class AlsaMixer {
public:
    // Null when the card's mixer cannot be opened.
    static std::unique_ptr<AlsaMixer> open(int card);
    ~AlsaMixer();
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    bool hasMicrophone() const { return microphone_ != nullptr; }
    bool hasVolume(Stream stream) const;
    bool hasSwitch(Stream stream) const;

    // The volume from 0 (lowest step) to 1 (highest), of the first channel;
    // setting sets every channel.
    std::optional<double> scalar(Stream stream) const;
    bool setScalar(Stream stream, double scalar);
    std::optional<double> decibels(Stream stream) const;
    bool setDecibels(Stream stream, double decibels);
    // Lowest and highest volume in decibels, and the size of one step.
    std::optional<std::pair<double, double>> decibelRange(Stream stream) const;
    std::optional<double> decibelStep(Stream stream) const;
    // On: the sound passes (not muted).
    std::optional<bool> switchOn(Stream stream) const;
    bool setSwitch(Stream stream, bool on);

    std::vector<pollfd> pollDescriptors() const;
    // Takes in the changes the card reports; false when the card is gone.
    bool handleEvents();

private:
    explicit AlsaMixer(snd_mixer_t* mixer);
    std::optional<std::pair<long, long>> volumeRange(Stream stream) const;

    snd_mixer_t* mixer_;
    snd_mixer_elem_t* microphone_ = nullptr;
};

}  // namespace viremo::audio_chip
