#pragma once
// The answer to the production tool's query of the device table: 1024 bytes
// of little-endian 32-bit words, zero where not listed. Words 0-3 the
// program's version (2, 3, 0, 2), word 4 the number of device kinds, then
// for each kind k vendor id, product id and model id at words 5+3k..7+3k.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace viremo::ui {

inline constexpr size_t kDeviceTableBlockSize = 1024;

std::vector<uint8_t> BuildDeviceTableBlock();

}  // namespace viremo::ui
