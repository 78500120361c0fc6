#pragma once
// Plugs emulated USB interfaces into the running Linux kernel through
// /dev/uhid, so that they appear as real HID devices with their own
// /dev/hidrawN nodes: the same records and firmware the emulated bus takes,
// seen by the real HID stack instead (the kernel tests, or trying the
// program on a machine without the products).
//
// One uhid device per USB interface: bus USB, the product's ids and version
// and the interface's report descriptor. Its `phys` ends in "/input<N>" with
// N the interface number, as on real USB HID devices; that is where the
// hidraw backend finds the number when a device has no USB interface parent
// in sysfs. Output reports written to the hidraw node reach the firmware's
// onOutputReport (report-id byte first, as written); the firmware's input
// reports go to the kernel, without their id byte when the descriptor uses
// no report ids, as a device sends them. Feature reports are not served.
//
// One thread per adapter serves the kernel's events; plug and unplug may be
// called from any thread but not from within the firmware's callbacks.
// Creating uhid devices needs write access to /dev/uhid (usually root).
#include <map>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "hid/emulated_bus.h"

namespace viremo::emulator {

class UhidAdapter {
public:
    UhidAdapter();
    ~UhidAdapter();  // unplugs everything
    UhidAdapter(const UhidAdapter&) = delete;
    UhidAdapter& operator=(const UhidAdapter&) = delete;

    // False, with the reason in `why`, when the node is taken, the descriptor
    // does not parse, /dev/uhid cannot be opened or the kernel refuses the
    // device. The hidraw node appears shortly after a successful plug.
    bool plug(hid::EmulatedUsbInterface usbInterface, std::string* why = nullptr);
    // Destroys the kernel's device, then disconnects the firmware.
    void unplug(const std::string& node);
    bool isPlugged(const std::string& node) const;

private:
    struct Device;

    // What the firmware calls to send an input report (report-id byte first).
    static hid::InputReportSender inputReportSender(const std::weak_ptr<Device>& device);
    void serve(std::stop_token stop);
    void handleEvent(Device& device);
    void wakeServer();

    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<Device>> devices_;
    unsigned plugged_ = 0;  // numbers the devices' phys
    int wake_ = -1;         // eventfd: the device set changed or the server stops
    std::jthread server_;
};

}  // namespace viremo::emulator
