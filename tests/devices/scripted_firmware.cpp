#include "scripted_firmware.h"

#include <algorithm>

namespace viremo::test_support {

Report reply(uint8_t command, uint8_t status, std::vector<uint8_t> data) {
    Report report{};
    report[0] = 4;
    report[3] = command;
    report[7] = status;
    std::copy_n(data.begin(), std::min<size_t>(data.size(), 56), report.begin() + 8);
    return report;
}

void ScriptedFirmware::connect(hid::InputReportSender send) {
    std::lock_guard lock(mutex_);
    send_ = std::move(send);
}

void ScriptedFirmware::disconnect() {
    std::lock_guard lock(mutex_);
    send_ = nullptr;
}

void ScriptedFirmware::onOutputReport(std::span<const uint8_t> report) {
    std::vector<Report> replies;
    hid::InputReportSender send;
    {
        std::unique_lock lock(mutex_);
        Report copy{};
        std::copy_n(report.begin(), std::min<size_t>(report.size(), copy.size()), copy.begin());
        received_.push_back(copy);
        if (holdNext_) {
            holdNext_ = false;
            held_ = true;
            changed_.notify_all();
            changed_.wait(lock, [&] { return !held_; });
        }
        if (!script_.empty()) {
            replies = std::move(script_.front());
            script_.pop_front();
        } else {
            replies.push_back(reply(copy[3], 0, std::vector<uint8_t>(56, dataByte)));
        }
        send = send_;
    }
    if (!send) return;
    for (const auto& answer : replies) send(answer);
}

void ScriptedFirmware::script(std::vector<Report> replies) {
    std::lock_guard lock(mutex_);
    script_.push_back(std::move(replies));
}

void ScriptedFirmware::holdNextWrite() {
    std::lock_guard lock(mutex_);
    holdNext_ = true;
}

void ScriptedFirmware::waitUntilHeld() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return held_; });
}

void ScriptedFirmware::release() {
    {
        std::lock_guard lock(mutex_);
        held_ = false;
    }
    changed_.notify_all();
}

std::vector<Report> ScriptedFirmware::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<uint8_t> commandCollectionDescriptor() {
    return {
        0x06, 0x1C, 0xFF,  // usage page 0xFF1C
        0x09, 0x92,        // usage 0x92
        0xA1, 0x01,        // collection (application)
        0x85, 0x04,        //   report id 4
        0x15, 0x00,        //   logical minimum 0
        0x26, 0xFF, 0x00,  //   logical maximum 255
        0x75, 0x08,        //   report size 8
        0x95, 0x3F,        //   report count 63
        0x09, 0x01,        //   usage 1
        0x81, 0x02,        //   input (data, variable, absolute)
        0x09, 0x01,        //   usage 1
        0x91, 0x02,        //   output (data, variable, absolute)
        0xC0,              // end collection
    };
}

ScriptedDevice::ScriptedDevice() {
    plug();
    path = bus.enumeratePaths().at(0);
}

void ScriptedDevice::plug() {
    bus.plug({"node", 0x320F, 0x5078, 0x0100, 1, commandCollectionDescriptor(), firmware});
}

}  // namespace viremo::test_support
