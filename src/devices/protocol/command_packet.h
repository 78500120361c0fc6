#pragma once
// The 64-byte command report of the vendor collection and its reply.
//
//   byte 0     report id, always 4
//   bytes 1-2  checksum: sum of bytes 3..63, 16 bits, little-endian
//   byte 3     command code
//   byte 4     data length of this packet
//   bytes 5-6  address, little-endian
//   byte 7     0 (in a reply: the status)
//   bytes 8..  data, zero-filled to the end
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace viremo::devices {

inline constexpr size_t kPacketSize = 64;
inline constexpr uint8_t kCommandReportId = 4;
inline constexpr size_t kPacketDataOffset = 8;
inline constexpr size_t kMaxPacketData = kPacketSize - kPacketDataOffset;  // 56

using Packet = std::array<uint8_t, kPacketSize>;

enum class Command : uint8_t {
    BeginSession = 1,
    EndSession = 2,
    ReadDeviceInfo = 3,
    ReadSettings = 5,
    WriteSettings = 6,
    ReadKeyTable = 7,
    WriteKeyTable = 9,
    WriteLightPage = 11,
    StreamLightFrame = 18,
    WriteMacroMemory = 21,
    WriteBulk = 23,
    ReadStatus = 26,
    ReadKeyAttributes = 27,
    TakeLightControl = 28,
    QueryOnline = 170,
};

// Reply status bytes, and the command byte a receiver answers with when the
// device behind it cannot be reached.
inline constexpr uint8_t kStatusRefused = 255;
inline constexpr uint8_t kStatusError = 254;
inline constexpr uint8_t kReplyDeviceUnreachable = 170;

// A packet with its checksum filled. `data` (at most 56 bytes) goes to
// byte 8; `length` is the count the device is asked to read or write.
Packet buildPacket(Command command, uint16_t address, uint8_t length, std::span<const uint8_t> data = {});

// Sum of bytes 3..63.
uint16_t packetChecksum(const Packet& packet);

inline uint8_t replyCommand(const Packet& reply) { return reply[3]; }
inline uint8_t replyStatus(const Packet& reply) { return reply[7]; }
inline std::span<const uint8_t> replyData(const Packet& reply) {
    return std::span<const uint8_t>(reply).subspan(kPacketDataOffset);
}

}  // namespace viremo::devices
