#include "emulator/receiver.h"

#include <array>

#include "emulator/command_codes.h"

namespace viremo::emulator {

namespace {

// Reply byte 8 of QueryOnline: 255 while the device answers, 0 while not.
constexpr uint8_t kReachable = 255;
constexpr uint8_t kUnreachable = 0;

}  // namespace

Receiver::Receiver(std::shared_ptr<DeviceFirmware> device) : device_(std::move(device)) {}

std::vector<Report> Receiver::answer(std::span<const uint8_t> report) {
    const auto command = commandOf(report);
    if (!command) return {};
    if (!isIntactPacket(report)) return {buildReply(*command, kStatusError)};

    const bool up = linkUp_;
    if (command->code == command::QueryOnline) {
        const std::array<uint8_t, 1> online{up ? kReachable : kUnreachable};
        return {buildReply(*command, kStatusAccepted, online)};
    }
    if (!up) return {buildBareReply(command::QueryOnline, kStatusAccepted)};
    return device_->answer(report);
}

}  // namespace viremo::emulator
