#pragma once
// A vendor command interface played by the test itself: it keeps every
// packet the host writes and answers from a script of replies written by
// hand. Without a script entry it echoes the command byte with status 0 and
// the data `dataByte` repeated.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "hid/emulated_bus.h"

namespace viremo::test_support {

using Report = std::array<uint8_t, 64>;

// A reply: command byte, status, data from byte 8.
Report reply(uint8_t command, uint8_t status = 0, std::vector<uint8_t> data = {});

class ScriptedFirmware : public hid::EmulatedInterface {
public:
    void connect(hid::InputReportSender send) override;
    void disconnect() override;
    void onOutputReport(std::span<const uint8_t> report) override;

    // The replies to the next packet (none: the packet goes unanswered).
    void script(std::vector<Report> replies);
    // Holds the writer inside its write until release() (the host's
    // transaction stays in progress meanwhile).
    void holdNextWrite();
    void waitUntilHeld();
    void release();

    std::vector<Report> received() const;
    uint8_t dataByte = 0;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    hid::InputReportSender send_;
    std::deque<std::vector<Report>> script_;
    std::vector<Report> received_;
    bool holdNext_ = false;
    bool held_ = false;
};

// The vendor command collection: report id 4, 64-byte input and output
// reports counting the id.
std::vector<uint8_t> commandCollectionDescriptor();

// A bus with one scripted command interface plugged as "node", and the
// path to open it.
struct ScriptedDevice {
    ScriptedDevice();
    void plug();
    hid::EmulatedBus bus;
    std::shared_ptr<ScriptedFirmware> firmware = std::make_shared<ScriptedFirmware>();
    std::string path;
};

}  // namespace viremo::test_support
