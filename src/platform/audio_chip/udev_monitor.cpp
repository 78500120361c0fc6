#include "platform/audio_chip/udev_monitor.h"

#include <libudev.h>
#include <poll.h>
#include <unistd.h>

#include "platform/log.h"

namespace viremo::audio_chip {
namespace {

std::string text(const char* value) { return value ? value : ""; }

}  // namespace

struct UdevMonitor::State {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;

    ~State() {
        if (monitor) udev_monitor_unref(monitor);
        if (context) udev_unref(context);
    }
};

UdevMonitor::UdevMonitor(const char* subsystem) : state_(std::make_unique<State>()) {
    state_->context = udev_new();
    if (!state_->context) return;
    const char* source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    state_->monitor = udev_monitor_new_from_netlink(state_->context, source);
    if (state_->monitor && (udev_monitor_filter_add_match_subsystem_devtype(state_->monitor, subsystem, nullptr) < 0 ||
                            udev_monitor_enable_receiving(state_->monitor) < 0)) {
        udev_monitor_unref(state_->monitor);
        state_->monitor = nullptr;
    }
    if (!state_->monitor) log::linef("udev: no monitor of the %s subsystem", subsystem);
}

UdevMonitor::~UdevMonitor() = default;

bool UdevMonitor::valid() const { return state_->monitor != nullptr; }

int UdevMonitor::fd() const { return state_->monitor ? udev_monitor_get_fd(state_->monitor) : -1; }

std::optional<UdevEvent> UdevMonitor::receive() {
    if (!state_->monitor) return std::nullopt;
    udev_device* device = udev_monitor_receive_device(state_->monitor);
    if (!device) return std::nullopt;
    UdevEvent event{text(udev_device_get_action(device)), text(udev_device_get_sysname(device)), {}, {}};
    if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device")) {
        event.usbVendorId = text(udev_device_get_sysattr_value(usb, "idVendor"));
        event.usbProductId = text(udev_device_get_sysattr_value(usb, "idProduct"));
    }
    udev_device_unref(device);
    return event;
}

std::optional<UdevEvent> UdevMonitor::waitForEvent(int timeoutMs) {
    if (!state_->monitor) return std::nullopt;
    pollfd ready{fd(), POLLIN, 0};
    if (::poll(&ready, 1, timeoutMs) <= 0) return std::nullopt;
    return receive();
}

}  // namespace viremo::audio_chip
