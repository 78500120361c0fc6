#pragma once
// The emulated chip's settings kept in a JSON file between runs of the demo:
//   { "playback": { "<property>": number, ... }, "recording": { ... } }
#include <filesystem>

#include "platform/audio_chip/emulated_audio_chip.h"

namespace viremo::audio_chip {

// Restores every known property whose value has the property's type and
// range; anything else in the file is passed over. A file that is not JSON
// is kept as "<name>.bad" and the chip keeps its factory values. False when
// nothing could be read.
bool loadEmulatedChip(EmulatedAudioChip& chip, const std::filesystem::path& file);
bool saveEmulatedChip(const EmulatedAudioChip& chip, const std::filesystem::path& file);

}  // namespace viremo::audio_chip
