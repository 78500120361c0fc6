#include "platform/audio_chip/audio_chip_backend.h"

#include "platform/audio_chip/alsa_audio_chip.h"
#include "platform/audio_chip/emulated_audio_chip.h"

namespace viremo::audio_chip {

std::unique_ptr<AudioChip> makeAudioChip(Backend backend) {
    if (backend == Backend::Emulated) return std::make_unique<EmulatedAudioChip>();
    return std::make_unique<AlsaAudioChip>();
}

}  // namespace viremo::audio_chip
