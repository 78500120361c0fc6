#pragma once
// The command processor of one product, the same object whether the host
// reaches it by cable or through the product's wireless receiver.
//
// Every packet is checked (report id 4, 64 bytes, checksum); a bad one is
// answered with status 254 and has no effect. Commands are looked up in a
// table: the session and light-control commands every product knows, one read
// or write handler per command of the product's memory map, and whatever the
// product adds with setCommand. An unknown command is refused (status 255).
// A read or write outside its region, or longer than one packet's data area,
// is answered with status 254.
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

#include "emulator/command_packet.h"
#include "emulator/command_target.h"
#include "emulator/memory_map.h"

namespace viremo::emulator {

struct CommandResult {
    uint8_t status = kStatusAccepted;
    std::vector<uint8_t> data;
};

// A product's own command. It runs with the firmware locked and works on the
// memory it is given; it must not call back into the firmware.
using CommandHandler = std::function<CommandResult(const Command&, MemoryMap&)>;

class DeviceFirmware : public CommandTarget {
public:
    explicit DeviceFirmware(MemoryMap memory);

    std::vector<Report> answer(std::span<const uint8_t> report) override;

    // Adds or replaces the handler of one command code.
    void setCommand(uint8_t code, CommandHandler handler);

    // Memory as the host would see it, for tests and for products.
    std::vector<uint8_t> memory(std::string_view region) const;
    // `length` bytes from `address`; empty when the range leaves the region.
    std::vector<uint8_t> memory(std::string_view region, size_t address, size_t length) const;
    bool writeMemory(std::string_view region, size_t address, std::span<const uint8_t> data);

    // Session bookkeeping: a session stays open from BeginSession to EndSession.
    bool sessionOpen() const;
    int sessionsBegun() const;
    int sessionsEnded() const;
    // How often the host has taken control of the lighting.
    int lightControlTaken() const;

private:
    void addMemoryCommands();
    CommandResult readRegion(std::string_view region, const Command& command) const;
    CommandResult writeRegion(std::string_view region, const Command& command);

    mutable std::mutex mutex_;
    MemoryMap memory_;
    std::map<uint8_t, CommandHandler> handlers_;
    bool sessionOpen_ = false;
    int sessionsBegun_ = 0;
    int sessionsEnded_ = 0;
    int lightControlTaken_ = 0;
};

}  // namespace viremo::emulator
