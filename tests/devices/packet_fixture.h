#pragma once
// Expected packets, written out by hand: `packet` only adds the report id
// and the checksum (the sum of bytes 3 to 63).
#include <algorithm>
#include <cstdint>
#include <vector>

namespace viremo::devices::testing {

using Bytes = std::vector<uint8_t>;

inline Bytes packet(uint8_t command, uint8_t length, uint16_t address, const Bytes& data = {}) {
    Bytes bytes(64, 0);
    bytes[0] = 4;
    bytes[3] = command;
    bytes[4] = length;
    bytes[5] = uint8_t(address);
    bytes[6] = uint8_t(address >> 8);
    std::copy(data.begin(), data.end(), bytes.begin() + 8);
    unsigned sum = 0;
    for (size_t i = 3; i < 64; ++i) sum += bytes[i];
    bytes[1] = uint8_t(sum);
    bytes[2] = uint8_t(sum >> 8);
    return bytes;
}
// The first `count` bytes of a memory image.
inline Bytes first(const Bytes& bytes, size_t count) {
    return Bytes(bytes.begin(), bytes.begin() + long(std::min(count, bytes.size())));
}

inline const Bytes kBeginSession = packet(1, 0, 0);
inline const Bytes kEndSession = packet(2, 0, 0);

// Profile integer of an assignment code.
inline int code(uint8_t category, uint8_t first, uint8_t second) { return category << 16 | first << 8 | second; }

}  // namespace viremo::devices::testing
