#include "emulator/interface_firmware.h"

#include <array>

namespace viremo::emulator {

InterfaceFirmware::InterfaceFirmware(std::shared_ptr<CommandTarget> target, uint8_t notificationReportId)
    : target_(std::move(target)), notificationReportId_(notificationReportId) {}

void InterfaceFirmware::connect(hid::InputReportSender send) {
    std::lock_guard lock(sendMutex_);
    send_ = std::move(send);
}

void InterfaceFirmware::disconnect() {
    std::lock_guard lock(sendMutex_);
    send_ = nullptr;
}

bool InterfaceFirmware::connected() const {
    std::lock_guard lock(sendMutex_);
    return bool(send_);
}

void InterfaceFirmware::onOutputReport(std::span<const uint8_t> report) {
    {
        std::lock_guard lock(stateMutex_);
        log_.emplace_back(report.begin(), report.end());
    }
    for (const auto& reply : answer(report)) sendInputReport(reply);
}

std::vector<Report> InterfaceFirmware::answer(std::span<const uint8_t> report) {
    if (!target_) return {};
    const auto command = commandOf(report);
    const auto fault = command ? takeFault(command->code) : std::nullopt;
    if (!fault) return target_->answer(report);

    switch (fault->kind) {
    case FaultKind::NoReply:
        return {};
    case FaultKind::Status:
        return {buildReply(*command, fault->status)};
    case FaultKind::StaleReply: {
        auto replies = target_->answer(report);
        replies.insert(replies.begin(), buildBareReply(fault->staleCommand, kStatusAccepted));
        return replies;
    }
    }
    return {};
}

std::optional<Fault> InterfaceFirmware::takeFault(uint8_t commandCode) {
    std::lock_guard lock(stateMutex_);
    for (auto pending = faults_.begin(); pending != faults_.end(); ++pending) {
        if (pending->fault.command != kAnyCommand && pending->fault.command != commandCode) continue;
        const Fault fault = pending->fault;
        if (pending->remaining != kForever && --pending->remaining == 0) faults_.erase(pending);
        return fault;
    }
    return std::nullopt;
}

bool InterfaceFirmware::sendInputReport(std::span<const uint8_t> report) {
    std::lock_guard lock(sendMutex_);
    if (!send_) return false;
    send_(report);
    return true;
}

bool InterfaceFirmware::sendNotification(uint16_t code) {
    if (notificationReportId_ == 0) return false;
    const std::array<uint8_t, 3> report{notificationReportId_, uint8_t(code & 0xFF), uint8_t(code >> 8)};
    return sendInputReport(report);
}

void InterfaceFirmware::injectFault(const Fault& fault, int times) {
    if (times == 0) return;
    std::lock_guard lock(stateMutex_);
    faults_.push_back({fault, times});
}

void InterfaceFirmware::clearFaults() {
    std::lock_guard lock(stateMutex_);
    faults_.clear();
}

std::vector<Report> InterfaceFirmware::receivedReports() const {
    std::lock_guard lock(stateMutex_);
    return log_;
}

void InterfaceFirmware::clearLog() {
    std::lock_guard lock(stateMutex_);
    log_.clear();
}

}  // namespace viremo::emulator
