#pragma once
// The chip a run of the program talks to, chosen once at start: the emulated
// chip with --demo, its settings kept in <application data>/demo/
// headset.chip.json between runs (read here, written when the run ends), the
// ALSA mixer of the headset's sound card otherwise.
#include <filesystem>
#include <memory>

#include "platform/audio_chip/audio_chip.h"
#include "platform/audio_chip/emulated_audio_chip.h"

namespace viremo::audio_chip {

class ChipForRun {
public:
    explicit ChipForRun(bool demo);
    ~ChipForRun();
    ChipForRun(const ChipForRun&) = delete;
    ChipForRun& operator=(const ChipForRun&) = delete;

    AudioChip* get() { return chip_.get(); }
    // The emulated chip of a demo run; null otherwise.
    EmulatedAudioChip* emulated() { return emulated_; }
    const char* name() const { return emulated_ ? "emulated" : "ALSA mixer"; }

private:
    std::unique_ptr<AudioChip> chip_;
    EmulatedAudioChip* emulated_ = nullptr;
};

// Where a demo run keeps the emulated chip's settings; the folder is made.
std::filesystem::path demoChipFile();

}  // namespace viremo::audio_chip
