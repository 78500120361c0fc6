#include "devices/keyboard/keyboard_notification_reader.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "platform/log.h"
#include "platform/stoppable_sleep.h"

namespace viremo::devices::keyboard {
namespace {

constexpr int kReadSliceMs = 50;
// After a failed read (an interface going away), so that a dead interface
// does not keep the reader in a tight loop.
constexpr std::chrono::milliseconds kPauseAfterError{10};

}  // namespace

void NotificationReader::Start(hid::HidDevice& device, Handler handler) {
    Stop();
    handler_ = std::move(handler);
    thread_ = std::jthread([this, &device](std::stop_token stop) { Run(stop, device, handler_); });
}

void NotificationReader::Stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    thread_.join();
    thread_ = {};
}

void NotificationReader::Run(std::stop_token stop, hid::HidDevice& device, const Handler& handler) {
    std::vector<uint8_t> report(64);
    while (!stop.stop_requested()) {
        if (!device.IsOpen()) break;
        report.assign(std::max<size_t>(device.InputReportByteLength(), 2), 0);
        size_t length = 0;
        if (!device.Read(report.data(), report.size(), &length, kReadSliceMs)) {
            sleepFor(stop, kPauseAfterError);
            continue;
        }
        if (!device.UnpackInputReport(report.data(), length)) continue;
        log::line("接收到自动添加设备的同步信息要求  TEST");
        handler(eventCode(device));
    }
    log::line("MS 设备同步线程设定退出");
}

uint16_t eventCode(const hid::HidDevice& device) {
    const auto& records = device.InputUsageData();
    if (records.empty()) return 0;
    const hid::UsageData& first = records.front();
    if (!first.isButton) return uint16_t(first.rawValue);
    return first.usagesOn.empty() ? 0 : first.usagesOn.front();
}

}  // namespace viremo::devices::keyboard
