#pragma once
// Reading properties into the program's settings. The chip answers with
// decimal text; a read that fails, or whose text is not a number, leaves the
// setting as it was (so a failed read never turns into a level of 0 that a
// later write would send to the chip).
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

// The whole text as a finite number, as the chip writes it ("0.45", "-12",
// "1"); nullopt for anything else.
std::optional<double> parseNumber(std::string_view text);

// An integral property (switches, selections, band values).
bool readInteger(AudioChip& chip, const DeviceRecord& device, std::string_view name, const Channel& channel,
                 int32_t& value);
// A scalar property read as a level 0..100 (rounded, clamped).
bool readLevel(AudioChip& chip, const DeviceRecord& device, std::string_view name, const Channel& channel,
               int& level);
// Writes a level 0..100 (clamped) as its scalar.
Status writeLevel(AudioChip& chip, const DeviceRecord& device, std::string_view name, const Channel& channel,
                  int level);

}  // namespace viremo::audio_chip
