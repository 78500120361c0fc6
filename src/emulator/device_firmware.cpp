#include "emulator/device_firmware.h"

#include "emulator/command_codes.h"

namespace viremo::emulator {

namespace {

CommandResult error() { return {kStatusError, {}}; }

}  // namespace

DeviceFirmware::DeviceFirmware(MemoryMap memory) : memory_(std::move(memory)) {
    handlers_[command::BeginSession] = [this](const Command&, MemoryMap&) {
        sessionOpen_ = true;
        ++sessionsBegun_;
        return CommandResult{};
    };
    handlers_[command::EndSession] = [this](const Command&, MemoryMap&) {
        sessionOpen_ = false;
        ++sessionsEnded_;
        return CommandResult{};
    };
    handlers_[command::TakeLightControl] = [this](const Command&, MemoryMap&) {
        ++lightControlTaken_;
        return CommandResult{};
    };
    addMemoryCommands();
}

void DeviceFirmware::addMemoryCommands() {
    for (const auto& region : memory_.regions()) {
        const std::string name = region.name;
        if (region.readCommand != kNoCommand)
            handlers_[region.readCommand] = [this, name](const Command& command, MemoryMap&) {
                return readRegion(name, command);
            };
        if (region.writeCommand != kNoCommand)
            handlers_[region.writeCommand] = [this, name](const Command& command, MemoryMap&) {
                return writeRegion(name, command);
            };
    }
}

CommandResult DeviceFirmware::readRegion(std::string_view region, const Command& command) const {
    if (command.length > kMaxDataLength) return error();
    auto bytes = memory_.read(region, command.address, command.length);
    if (!bytes) return error();
    return {kStatusAccepted, std::move(*bytes)};
}

CommandResult DeviceFirmware::writeRegion(std::string_view region, const Command& command) {
    if (command.length > command.data.size()) return error();
    if (!memory_.write(region, command.address, command.data.first(command.length))) return error();
    return {};
}

std::vector<Report> DeviceFirmware::answer(std::span<const uint8_t> report) {
    const auto command = commandOf(report);
    if (!command) return {};
    if (!isIntactPacket(report)) return {buildReply(*command, kStatusError)};

    std::lock_guard lock(mutex_);
    const auto handler = handlers_.find(command->code);
    if (handler == handlers_.end()) return {buildReply(*command, kStatusRefused)};
    const CommandResult result = handler->second(*command, memory_);
    return {buildReply(*command, result.status, result.data)};
}

void DeviceFirmware::setCommand(uint8_t code, CommandHandler handler) {
    std::lock_guard lock(mutex_);
    handlers_[code] = std::move(handler);
}

std::vector<uint8_t> DeviceFirmware::memory(std::string_view region) const {
    std::lock_guard lock(mutex_);
    const MemoryRegion* found = memory_.find(region);
    return found ? found->bytes : std::vector<uint8_t>{};
}

std::vector<uint8_t> DeviceFirmware::memory(std::string_view region, size_t address, size_t length) const {
    std::lock_guard lock(mutex_);
    return memory_.read(region, address, length).value_or(std::vector<uint8_t>{});
}

bool DeviceFirmware::writeMemory(std::string_view region, size_t address, std::span<const uint8_t> data) {
    std::lock_guard lock(mutex_);
    return memory_.write(region, address, data);
}

bool DeviceFirmware::sessionOpen() const {
    std::lock_guard lock(mutex_);
    return sessionOpen_;
}

int DeviceFirmware::sessionsBegun() const {
    std::lock_guard lock(mutex_);
    return sessionsBegun_;
}

int DeviceFirmware::sessionsEnded() const {
    std::lock_guard lock(mutex_);
    return sessionsEnded_;
}

int DeviceFirmware::lightControlTaken() const {
    std::lock_guard lock(mutex_);
    return lightControlTaken_;
}

}  // namespace viremo::emulator
