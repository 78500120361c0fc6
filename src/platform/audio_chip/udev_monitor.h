#pragma once
// A udev monitor of one subsystem. Events come from udevd when it runs (it
// passes a device on once it has set it up, access rights included), else
// straight from the kernel (a container, a bare initramfs).
#include <memory>
#include <optional>
#include <string>

namespace viremo::audio_chip {

struct UdevEvent {
    std::string action;   // "add", "remove", "change", ...
    std::string sysname;  // "card1", "controlC1", ...
    // idVendor and idProduct of the USB device above it (empty when there
    // is none, and on removal, when it is gone).
    std::string usbVendorId;
    std::string usbProductId;
};

class UdevMonitor {
public:
    explicit UdevMonitor(const char* subsystem);
    ~UdevMonitor();
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    bool valid() const;
    // The descriptor to poll for input; -1 when not valid.
    int fd() const;
    // The next event that is already there, without waiting.
    std::optional<UdevEvent> receive();
    // Waits up to timeoutMs for the next event.
    std::optional<UdevEvent> waitForEvent(int timeoutMs);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace viremo::audio_chip
