#pragma once
// Command packets and replies in the debug log: a title line ("命令" for a
// packet, "返回" for a reply) and the 64 bytes as two lines of 32 values,
// lower-case hexadecimal, groups of four set apart by a wider gap.
#include <span>
#include <string>
#include <string_view>

#include "devices/protocol/command_packet.h"

namespace viremo::devices {

inline constexpr std::string_view kPacketTitle = "命令";
inline constexpr std::string_view kReplyTitle = "返回";

// "04 01 00 01  00 00 00 00  ..." for up to 32 bytes.
std::string hexLine(std::span<const uint8_t> bytes);

void logPacket(std::string_view title, const Packet& packet);

}  // namespace viremo::devices
