#include "devices/protocol/packet_log.h"

#include <cstdio>

#include "platform/log.h"

namespace viremo::devices {

std::string hexLine(std::span<const uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 3 + bytes.size() / 4);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) text += (i % 4 == 0) ? "  " : " ";
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        text += digits;
    }
    return text;
}

void logPacket(std::string_view title, const Packet& packet) {
    if (!log::enabled()) return;
    const std::span<const uint8_t> bytes(packet);
    log::line(title);
    log::line(hexLine(bytes.first(kPacketSize / 2)));
    log::line(hexLine(bytes.subspan(kPacketSize / 2)));
}

}  // namespace viremo::devices
