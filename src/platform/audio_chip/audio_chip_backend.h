#pragma once
// The backend the program talks to, chosen once at start: the emulated chip
// for the demo, the ALSA mixer otherwise.
#include <memory>

#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

enum class Backend { Emulated, Alsa };

std::unique_ptr<AudioChip> makeAudioChip(Backend backend);

}  // namespace viremo::audio_chip
