#include "devices/protocol/command_packet.h"

#include <algorithm>

namespace viremo::devices {

uint16_t packetChecksum(const Packet& packet) {
    uint16_t sum = 0;
    for (size_t i = 3; i < kPacketSize; ++i) sum = static_cast<uint16_t>(sum + packet[i]);
    return sum;
}

Packet buildPacket(Command command, uint16_t address, uint8_t length, std::span<const uint8_t> data) {
    Packet packet{};
    packet[0] = kCommandReportId;
    packet[3] = static_cast<uint8_t>(command);
    packet[4] = length;
    packet[5] = static_cast<uint8_t>(address & 0xFF);
    packet[6] = static_cast<uint8_t>(address >> 8);
    std::copy_n(data.begin(), std::min(data.size(), kMaxPacketData), packet.begin() + kPacketDataOffset);
    const uint16_t checksum = packetChecksum(packet);
    packet[1] = static_cast<uint8_t>(checksum & 0xFF);
    packet[2] = static_cast<uint8_t>(checksum >> 8);
    return packet;
}

}  // namespace viremo::devices
