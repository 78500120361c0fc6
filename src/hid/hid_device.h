#pragma once
// One HID interface (one top-level collection of a USB interface), the
// program's only way of talking to HID hardware. It knows nothing of the
// command protocol. Reports are seen as on Windows: every report starts with
// its report-id byte (0 when the collection has no report ids) and report
// lengths count that byte.
//
// The object talks through a Backend: hidraw for real devices, the emulated
// bus for the demo and the tests. One thread may block in Read or Write
// while another calls Close, which wakes it at once. Writes run on a thread
// of the object's own (report_writer.h), since a hidraw write can block in
// the kernel longer than any time-out the caller gives.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hid/backend.h"
#include "hid/usage_data.h"

namespace viremo::hid {

inline constexpr int kInfinite = -1;

class HidDevice {
public:
    explicit HidDevice(Backend& backend = systemBackend());
    ~HidDevice();
    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    // Enumeration: every present interface path, walked with a cursor. False,
    // with an empty list, when the enumeration could not run at all.
    bool EnumerateInterfaces();
    std::optional<std::string> NextInterfacePath();
    void ReleaseInterfaceList();

    // Every transfer is timed and cancellable whatever `overlapped` says, and
    // opens are always shared: neither hidraw nor the emulated bus has the
    // Windows sharing modes that `exclusive` asks for (no caller asks).
    bool Open(const std::string& path, bool read, bool write, bool overlapped, bool exclusive);
    void Close();
    bool IsOpen() const;
    // Why the last Open failed (None after a successful one).
    OpenError LastOpenError() const;

    // One transfer with a time-out in ms (kInfinite waits until data arrives
    // or Close is called). Returns false on time-out, cancel or I/O error;
    // `transferred` gets the byte count (0 on failure).
    bool Read(uint8_t* buffer, size_t length, size_t* transferred, int timeoutMs);
    bool Write(const uint8_t* buffer, size_t length, size_t* transferred, int timeoutMs);

    // Fills the input usage data from one input report (report-id byte first).
    bool UnpackInputReport(const uint8_t* report, size_t length);
    const Collection& Capabilities() const;  // of the open interface

    uint16_t VendorId() const;
    uint16_t ProductId() const;
    uint16_t VersionNumber() const;
    uint16_t UsagePage() const;
    uint16_t Usage() const;
    uint16_t InputReportByteLength() const;
    uint16_t OutputReportByteLength() const;
    uint16_t FeatureReportByteLength() const;
    uint32_t InterfaceNumber() const;
    uint32_t CollectionNumber() const;
    const std::string& DevicePath() const;
    std::vector<uint8_t>& InputReportBuffer();
    const std::vector<UsageData>& InputUsageData() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// "vid_", "pid_", "&mi_" and "&col" numbers of an interface path,
// hexadecimal, found without regard to case; 0 when absent. They are not
// narrowed: a value too large for its field matches no table row.
uint32_t VendorIdFromPath(const std::string& path);
uint32_t ProductIdFromPath(const std::string& path);
uint32_t InterfaceNumberFromPath(const std::string& path);
uint32_t CollectionNumberFromPath(const std::string& path);

}  // namespace viremo::hid
