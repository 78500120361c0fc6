#pragma once
// The key positions of the last complete read of a keyboard, kept in its
// device data folder, so that a key whose factory code is no longer in the
// key table (because it was reassigned) is still found after a restart:
//
//   "KeyPositions.json": {"KeyCount": 128, "Positions": [37, 48, 255, ...]}
//
// "KeyCount" is the keyboard's number of key positions; positions of a
// keyboard with another count are not used.
#include <filesystem>
#include <optional>

#include "devices/keyboard/keyboard_layout.h"

namespace viremo::devices::keyboard {

inline constexpr std::string_view kPositionFileName = "KeyPositions.json";

// Nullopt when there is no file, it is broken or it is of another keyboard.
std::optional<PositionMap> readRememberedPositions(const std::filesystem::path& folder, int keyCount);
bool writeRememberedPositions(const std::filesystem::path& folder, int keyCount, const PositionMap& positions);

}  // namespace viremo::devices::keyboard
