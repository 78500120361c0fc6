#pragma once
// Little-endian words of the companion's frames and blocks, byte by byte.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace viremo::companion {

inline void appendU32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(value >> shift));
}

inline void appendU64(std::vector<uint8_t>& bytes, uint64_t value) {
    for (int shift = 0; shift < 64; shift += 8) bytes.push_back(uint8_t(value >> shift));
}

inline uint32_t readU32(std::span<const uint8_t> bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + size_t(i)];
    return value;
}

inline uint64_t readU64(std::span<const uint8_t> bytes, size_t offset) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | bytes[offset + size_t(i)];
    return value;
}

}  // namespace viremo::companion
