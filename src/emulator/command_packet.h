#pragma once
// The 64-byte command packet of the 320F products and the reply they send.
//
//   packet: [0] report id 4, [1..2] checksum (sum of bytes 3..63, 16 bits),
//           [3] command, [4] data length n, [5..6] address, [7] 0, [8..] data
//   reply:  the same frame; [7] holds the status, data from [8].
//
// All multi-byte fields are little-endian.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace viremo::emulator {

using Report = std::vector<uint8_t>;

inline constexpr uint8_t kCommandReportId = 4;
inline constexpr size_t kPacketLength = 64;
inline constexpr size_t kDataOffset = 8;
inline constexpr size_t kMaxDataLength = kPacketLength - kDataOffset;  // 56

// Reply status byte: 255 refused, 254 error, anything else accepted.
inline constexpr uint8_t kStatusAccepted = 1;
inline constexpr uint8_t kStatusError = 254;
inline constexpr uint8_t kStatusRefused = 255;

// A command packet taken apart. `data` views the packet's data bytes as far as
// the packet reaches, at most the 56 bytes of the data area.
struct Command {
    uint8_t code = 0;
    uint8_t length = 0;
    uint16_t address = 0;
    std::span<const uint8_t> data;
};

// Sum of bytes 3 to 63 as an unsigned 16-bit value.
uint16_t packetChecksum(std::span<const uint8_t> packet);

// A 64-byte report with id 4 whose checksum matches.
bool isIntactPacket(std::span<const uint8_t> packet);

// The command of a report with id 4 that is long enough to carry one; no
// checksum test. Nullopt for every other report.
std::optional<Command> commandOf(std::span<const uint8_t> report);

// A reply to `command`: its code, length and address repeated, the status,
// then `data` (cut to the data area), with the checksum filled in.
Report buildReply(const Command& command, uint8_t status, std::span<const uint8_t> data = {});

// A reply carrying only a command byte and a status, for answers that do not
// echo a packet (the receiver's own replies, stale replies).
Report buildBareReply(uint8_t commandCode, uint8_t status, std::span<const uint8_t> data = {});

}  // namespace viremo::emulator
