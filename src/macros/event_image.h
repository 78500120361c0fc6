#pragma once
// Device memory images of macros and recoil patterns. Both use one
// container, all values little-endian:
//
//   0   2   0x55AA
//   2   2   total image size in bytes
//   4   2   number of blocks n
//   6   10  zero
//   16  2n  offset of each block from the image start
//   then per block: event count (2), two zero bytes, 4 bytes per event
//
// so an image takes 16 + 6n + 4 x (all events) bytes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include <json/value.h>

#include "macros/macro_event.h"

namespace viremo {

using EventBlock = std::vector<PackedMacroEvent>;

inline constexpr uint16_t kImageMagic = 0x55AA;

size_t eventImageSize(std::span<const EventBlock> blocks);

// The container; nullopt when it would not fit the 16-bit size and offsets.
std::optional<std::vector<uint8_t>> buildEventImage(std::span<const EventBlock> blocks);

// The "Events" array of a macro or recoil document, packed; a document
// without one gives an empty block.
EventBlock packEvents(const Json::Value& document);

}  // namespace viremo
