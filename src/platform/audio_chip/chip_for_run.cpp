#include "platform/audio_chip/chip_for_run.h"

#include "platform/audio_chip/audio_chip_backend.h"
#include "platform/audio_chip/emulated_chip_file.h"
#include "platform/folders.h"

namespace viremo::audio_chip {

std::filesystem::path demoChipFile() {
    const auto folder = folders::applicationData() / "demo";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / "headset.chip.json";
}

ChipForRun::ChipForRun(bool demo) {
    if (!demo) {
        chip_ = makeAudioChip(Backend::Alsa);
        return;
    }
    auto emulated = std::make_unique<EmulatedAudioChip>();
    loadEmulatedChip(*emulated, demoChipFile());
    emulated_ = emulated.get();
    chip_ = std::move(emulated);
}

ChipForRun::~ChipForRun() {
    if (emulated_) saveEmulatedChip(*emulated_, demoChipFile());
}

}  // namespace viremo::audio_chip
