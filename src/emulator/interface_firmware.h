#pragma once
// The firmware of one USB interface on the emulated bus. Every output report
// the host writes is kept in a log (the bytes exactly as written); reports for
// the command collection go to the interface's command target, whose replies
// are sent back at once. Interfaces without a target (the boot keyboard or
// mouse) only log what they are sent.
//
// Tests reach the wire here: the packet log, faults to commit on the next
// command packets, and input reports or notifications to send to the host.
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "emulator/command_packet.h"
#include "emulator/command_target.h"
#include "emulator/fault.h"
#include "hid/emulated_bus.h"

namespace viremo::emulator {

class InterfaceFirmware : public hid::EmulatedInterface {
public:
    // `notificationReportId`: the report id of the interface's consumer-control
    // collection, 0 when it has none.
    explicit InterfaceFirmware(std::shared_ptr<CommandTarget> target = nullptr,
                               uint8_t notificationReportId = 0);

    void connect(hid::InputReportSender send) override;
    void disconnect() override;
    void onOutputReport(std::span<const uint8_t> report) override;

    bool connected() const;
    bool hasCommandTarget() const { return target_ != nullptr; }
    // False when the interface is not plugged in.
    bool sendInputReport(std::span<const uint8_t> report);
    // A consumer-control report carrying a 16-bit event code, e.g. 0x0401
    // (asks the host to synchronise).
    bool sendNotification(uint16_t code);

    // The fault is committed on the next `times` command packets whose code
    // matches (kForever: until cleared), then dropped.
    void injectFault(const Fault& fault, int times = 1);
    void clearFaults();

    std::vector<Report> receivedReports() const;
    void clearLog();

private:
    struct PendingFault {
        Fault fault;
        int remaining = 1;
    };

    std::vector<Report> answer(std::span<const uint8_t> report);
    std::optional<Fault> takeFault(uint8_t commandCode);

    const std::shared_ptr<CommandTarget> target_;
    const uint8_t notificationReportId_;

    mutable std::mutex sendMutex_;  // held while sending, so disconnect waits for a send in flight
    hid::InputReportSender send_;

    mutable std::mutex stateMutex_;
    std::vector<Report> log_;
    std::deque<PendingFault> faults_;
};

}  // namespace viremo::emulator
