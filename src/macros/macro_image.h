#pragma once
// The macro memory image a keyboard or mouse downloads: the used macros'
// events in the container of event_image.h, checked against the device's
// macro memory (128 bytes x device information byte 6).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "macros/event_image.h"

namespace viremo {

inline constexpr size_t macroCapacity(uint8_t deviceInfoByte6) { return size_t{128} * deviceInfoByte6; }

struct MacroImage {
    // 0: the image fits and `bytes` holds it. Positive: it does not fit, by
    // this many 4-byte events plus one; `bytes` is empty.
    int result = 0;
    std::vector<uint8_t> bytes;
};

MacroImage buildMacroImage(std::span<const EventBlock> macros, size_t capacity);

// The events of the macros `used` (numbers into "macro.config") of a device
// data folder, in that order; a macro never saved (no event file) contributes
// an empty block. nullopt when "macro.config" or one of the event files
// exists but cannot be read: nothing is written from a file that is broken.
std::optional<std::vector<EventBlock>> loadMacroBlocks(const std::filesystem::path& deviceFolder,
                                                       const std::vector<int>& used);

// Why the macros `used` cannot be written, naming the file; nothing when
// they can.
std::optional<std::string> macroFilesProblem(const std::filesystem::path& deviceFolder, const std::vector<int>& used);

}  // namespace viremo
