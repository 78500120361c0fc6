#pragma once
// The events of Linux's /dev/uhid, built and parsed byte by byte. Every event
// is a 32-bit type followed by its fields, packed, little-endian; the kernel
// sends whole events of kEventSize bytes and accepts shorter ones from us (it
// fills the rest with zeros).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace viremo::emulator::uhid {

inline constexpr size_t kEventSize = 4376;  // the largest event, CREATE2
inline constexpr size_t kDataMax = 4096;    // bytes of a report or descriptor

enum class EventType : uint32_t {
    Destroy = 1,
    Start = 2,
    Stop = 3,
    Open = 4,
    Close = 5,
    Output = 6,
    GetReport = 9,
    GetReportReply = 10,
    Create2 = 11,
    Input2 = 12,
    SetReport = 13,
    SetReportReply = 14,
};

enum class ReportType : uint8_t { Feature = 0, Output = 1, Input = 2 };

inline constexpr uint16_t kBusUsb = 0x03;
inline constexpr uint16_t kErrorIo = 5;  // EIO, for report requests we do not serve

// What the kernel needs to create a HID device.
struct DeviceDescription {
    std::string name;  // at most 127 bytes are kept
    std::string phys;  // at most 63
    std::string uniq;  // at most 63
    uint16_t bus = kBusUsb;
    uint32_t vendorId = 0;
    uint32_t productId = 0;
    uint32_t version = 0;
    uint32_t country = 0;
    std::vector<uint8_t> reportDescriptor;
};

// Empty when the descriptor is empty or longer than kDataMax.
std::vector<uint8_t> create2Event(const DeviceDescription& device);
std::vector<uint8_t> destroyEvent();
// One input report as the device sends it (with its report-id byte only when
// the descriptor uses report ids). Empty when the report is empty or longer
// than kDataMax.
std::vector<uint8_t> input2Event(std::span<const uint8_t> report);
std::vector<uint8_t> getReportReplyEvent(uint32_t requestId, uint16_t error);
std::vector<uint8_t> setReportReplyEvent(uint32_t requestId, uint16_t error);

// An event from the kernel.
struct KernelEvent {
    EventType type = EventType::Destroy;
    ReportType reportType = ReportType::Output;  // Output, GetReport, SetReport
    uint32_t requestId = 0;                      // GetReport, SetReport
    uint8_t reportNumber = 0;                    // GetReport, SetReport
    std::vector<uint8_t> data;                   // Output: the report as written
};

// Nothing when the bytes are too short for the event's fields or its type is
// one we do not know.
std::optional<KernelEvent> parseKernelEvent(std::span<const uint8_t> bytes);

}  // namespace viremo::emulator::uhid
