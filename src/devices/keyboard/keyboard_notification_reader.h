#pragma once
// A reader of a keyboard's consumer-control interface, on which the keyboard
// reports events as usage codes: 0x401 "read my settings again", 0x402 the
// same after an onboard reset, 0x10nn and 0x11nn a change of the active
// onboard profile. Each report's first usage goes to the handler, on the
// reader's thread.
//
// The reader waits in short, timed reads, so that Stop returns within
// 100 ms; it is never killed.
#include <cstdint>
#include <functional>
#include <thread>

#include "hid/hid_device.h"

namespace viremo::devices::keyboard {

inline constexpr uint16_t kSynchroniseCode = 0x0401;
inline constexpr uint16_t kSettingsResetCode = 0x0402;

class NotificationReader {
public:
    using Handler = std::function<void(uint16_t code)>;

    NotificationReader() = default;
    ~NotificationReader() { Stop(); }
    NotificationReader(const NotificationReader&) = delete;
    NotificationReader& operator=(const NotificationReader&) = delete;

    // Starts reading `device` (open, and left open by the reader).
    void Start(hid::HidDevice& device, Handler handler);
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

private:
    static void Run(std::stop_token stop, hid::HidDevice& device, const Handler& handler);

    Handler handler_;
    std::jthread thread_;
};

// The event code of an input report as unpacked into the device's usage
// data: the first usage of the first record; 0 when there is none.
uint16_t eventCode(const hid::HidDevice& device);

}  // namespace viremo::devices::keyboard
