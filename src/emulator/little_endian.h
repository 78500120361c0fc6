#pragma once
// 16-bit values in the products' memory images, low byte first.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace viremo::emulator {

inline void putWord(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = uint8_t(value & 0xFF);
    bytes[offset + 1] = uint8_t(value >> 8);
}

inline uint16_t wordAt(std::span<const uint8_t> bytes, size_t offset) {
    return uint16_t(bytes[offset] | (bytes[offset + 1] << 8));
}

}  // namespace viremo::emulator
