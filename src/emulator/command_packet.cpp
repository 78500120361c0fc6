#include "emulator/command_packet.h"

#include <algorithm>

namespace viremo::emulator {

namespace {

constexpr size_t kChecksumFirstByte = 3;

void fillChecksum(Report& report) {
    const uint16_t sum = packetChecksum(report);
    report[1] = uint8_t(sum & 0xFF);
    report[2] = uint8_t(sum >> 8);
}

}  // namespace

uint16_t packetChecksum(std::span<const uint8_t> packet) {
    uint16_t sum = 0;
    const size_t end = std::min(packet.size(), kPacketLength);
    for (size_t i = kChecksumFirstByte; i < end; ++i) sum = uint16_t(sum + packet[i]);
    return sum;
}

bool isIntactPacket(std::span<const uint8_t> packet) {
    if (packet.size() != kPacketLength || packet[0] != kCommandReportId) return false;
    const uint16_t stored = uint16_t(packet[1] | (packet[2] << 8));
    return stored == packetChecksum(packet);
}

std::optional<Command> commandOf(std::span<const uint8_t> report) {
    if (report.size() < kDataOffset || report[0] != kCommandReportId) return std::nullopt;
    Command command;
    command.code = report[3];
    command.length = report[4];
    command.address = uint16_t(report[5] | (report[6] << 8));
    const size_t dataEnd = std::min(report.size(), kPacketLength);
    command.data = report.subspan(kDataOffset, dataEnd - kDataOffset);
    return command;
}

Report buildReply(const Command& command, uint8_t status, std::span<const uint8_t> data) {
    Report reply = buildBareReply(command.code, status, data);
    reply[4] = command.length;
    reply[5] = uint8_t(command.address & 0xFF);
    reply[6] = uint8_t(command.address >> 8);
    fillChecksum(reply);
    return reply;
}

Report buildBareReply(uint8_t commandCode, uint8_t status, std::span<const uint8_t> data) {
    Report reply(kPacketLength, 0);
    reply[0] = kCommandReportId;
    reply[3] = commandCode;
    reply[7] = status;
    const size_t length = std::min(data.size(), kMaxDataLength);
    std::copy_n(data.begin(), length, reply.begin() + kDataOffset);
    fillChecksum(reply);
    return reply;
}

}  // namespace viremo::emulator
