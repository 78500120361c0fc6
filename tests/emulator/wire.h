#pragma once
// Test-side helpers for the wire: packets built here, independently of the
// firmware's own packet code, and a sender that keeps what the firmware sends.
#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <span>
#include <vector>

namespace viremo::emulator::testing {

using Bytes = std::vector<uint8_t>;

// A 64-byte command packet: id 4, checksum over bytes 3..63, command,
// length, address (little-endian), 0, data.
inline Bytes packet(uint8_t command, uint8_t length = 0, uint16_t address = 0,
                    std::initializer_list<uint8_t> data = {}) {
    Bytes bytes(64, 0);
    bytes[0] = 4;
    bytes[3] = command;
    bytes[4] = length;
    bytes[5] = uint8_t(address);
    bytes[6] = uint8_t(address >> 8);
    size_t at = 8;
    for (uint8_t byte : data) bytes[at++] = byte;
    unsigned sum = 0;
    for (size_t i = 3; i < 64; ++i) sum += bytes[i];
    bytes[1] = uint8_t(sum);
    bytes[2] = uint8_t(sum >> 8);
    return bytes;
}

// A 64-byte reply frame written out by hand: the first bytes given, zeros after.
inline Bytes frame(std::initializer_list<uint8_t> head) {
    Bytes bytes(head);
    bytes.resize(64, 0);
    return bytes;
}

struct Sent {
    std::mutex mutex;
    std::vector<Bytes> reports;

    auto sender() {
        return [this](std::span<const uint8_t> report) {
            std::lock_guard lock(mutex);
            reports.emplace_back(report.begin(), report.end());
        };
    }
    std::vector<Bytes> take() {
        std::lock_guard lock(mutex);
        return std::exchange(reports, {});
    }
};

}  // namespace viremo::emulator::testing
