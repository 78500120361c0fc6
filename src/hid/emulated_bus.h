#pragma once
// An in-process bus of virtual HID devices, served by the firmware objects of
// emulator/. A virtual device is plugged per USB interface with its report
// descriptor, exactly as a hidraw node presents one: the bus parses the
// descriptor with the same parser as the hidraw backend, so each top-level
// collection becomes one interface path
//   <node>#vid_VVVV&pid_PPPP&mi_II[&colCC]
// with its own input report ids. Reads, writes, time-outs and cancel behave
// as on hidraw. Devices can be plugged and unplugged at any time.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "hid/backend.h"

namespace viremo::hid {

// Delivers one input report (report-id byte first, 0 when the descriptor
// uses no report ids) from the device to the host; the bus routes it to the
// collection that owns the report id and fits it to that collection's input
// report length.
using InputReportSender = std::function<void(std::span<const uint8_t> report)>;

// The device side of one USB interface: implemented by emulator/.
class EmulatedInterface {
public:
    virtual ~EmulatedInterface() = default;
    // Called when plugged; the firmware keeps `send` for replies and
    // notifications, and may call it from any thread, also from within
    // onOutputReport.
    virtual void connect(InputReportSender send) = 0;
    // Called when unplugged; `send` must not be used after this returns.
    virtual void disconnect() = 0;
    // An output report written by the host (report-id byte first, 0 when the
    // descriptor uses no report ids), on the writer's thread.
    virtual void onOutputReport(std::span<const uint8_t> report) = 0;
};

struct EmulatedUsbInterface {
    std::string node;  // stands in for /dev/hidrawN, unique on the bus
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
    uint8_t interfaceNumber = 0;
    std::vector<uint8_t> reportDescriptor;
    std::shared_ptr<EmulatedInterface> firmware;
};

class EmulatedBus : public Backend {
public:
    EmulatedBus();
    ~EmulatedBus() override;

    // False when the node is taken or the descriptor does not parse. The
    // firmware is connected before the host can see the interface. The bus
    // never holds its lock while calling firmware, so firmware may call back
    // into the bus from any of its calls.
    bool plug(EmulatedUsbInterface usbInterface);
    // Open interfaces of the node fail their pending and later transfers.
    void unplug(const std::string& node);
    bool isPlugged(const std::string& node) const;

    // Injects an input report as if the device had sent it.
    void sendInputReport(const std::string& node, std::span<const uint8_t> report);

    // Backend
    bool enumerate(std::vector<std::string>& paths) override;  // never fails
    std::unique_ptr<Connection> open(const std::string& path, const OpenFlags& flags) override;
    std::unique_ptr<Connection> tryOpen(const std::string& path, const OpenFlags& flags, OpenError& error) override;
    std::unique_ptr<ChangeMonitor> monitorChanges() override;

    struct Impl;  // the bus's state; named here so its connections can hold it

private:
    std::shared_ptr<Impl> impl_;
};

}  // namespace viremo::hid
