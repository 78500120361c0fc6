#include "emulator/uhid_events.h"

#include <algorithm>

namespace viremo::emulator::uhid {
namespace {

// Field offsets from the start of an event (the type takes bytes 0-3).
namespace create2 {
inline constexpr size_t kName = 4, kNameSize = 128;
inline constexpr size_t kPhys = 132, kPhysSize = 64;
inline constexpr size_t kUniq = 196, kUniqSize = 64;
inline constexpr size_t kDescriptorSize = 260;
inline constexpr size_t kBus = 262;
inline constexpr size_t kVendor = 264;
inline constexpr size_t kProduct = 268;
inline constexpr size_t kVersion = 272;
inline constexpr size_t kCountry = 276;
inline constexpr size_t kDescriptor = 280;
}  // namespace create2

namespace input2 {
inline constexpr size_t kSize = 4;
inline constexpr size_t kData = 6;
}  // namespace input2

namespace output {
inline constexpr size_t kData = 4;
inline constexpr size_t kSize = 4100;
inline constexpr size_t kReportType = 4102;
inline constexpr size_t kEnd = 4103;
}  // namespace output

// GET_REPORT, SET_REPORT and their replies.
namespace request {
inline constexpr size_t kId = 4;
inline constexpr size_t kReportNumber = 8;
inline constexpr size_t kReportType = 9;
inline constexpr size_t kEnd = 10;
inline constexpr size_t kReplyError = 8;
inline constexpr size_t kGetReplySize = 10;
inline constexpr size_t kGetReplyEnd = 12;
inline constexpr size_t kSetReplyEnd = 10;
}  // namespace request

void put16(std::vector<uint8_t>& event, size_t at, uint16_t value) {
    event[at] = uint8_t(value);
    event[at + 1] = uint8_t(value >> 8);
}

void put32(std::vector<uint8_t>& event, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) event[at + i] = uint8_t(value >> (8 * i));
}

uint16_t get16(std::span<const uint8_t> bytes, size_t at) { return uint16_t(bytes[at] | bytes[at + 1] << 8); }

uint32_t get32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

// A zero-terminated text field; longer texts are cut to fit.
void putText(std::vector<uint8_t>& event, size_t at, size_t fieldSize, const std::string& text) {
    const size_t length = std::min(text.size(), fieldSize - 1);
    std::copy_n(text.begin(), length, event.begin() + ptrdiff_t(at));
}

std::vector<uint8_t> event(EventType type, size_t length) {
    std::vector<uint8_t> bytes(length, 0);
    put32(bytes, 0, uint32_t(type));
    return bytes;
}

bool knownReportType(uint8_t value) { return value <= uint8_t(ReportType::Input); }

}  // namespace

std::vector<uint8_t> create2Event(const DeviceDescription& device) {
    const auto& descriptor = device.reportDescriptor;
    if (descriptor.empty() || descriptor.size() > kDataMax) return {};
    auto bytes = event(EventType::Create2, create2::kDescriptor + descriptor.size());
    putText(bytes, create2::kName, create2::kNameSize, device.name);
    putText(bytes, create2::kPhys, create2::kPhysSize, device.phys);
    putText(bytes, create2::kUniq, create2::kUniqSize, device.uniq);
    put16(bytes, create2::kDescriptorSize, uint16_t(descriptor.size()));
    put16(bytes, create2::kBus, device.bus);
    put32(bytes, create2::kVendor, device.vendorId);
    put32(bytes, create2::kProduct, device.productId);
    put32(bytes, create2::kVersion, device.version);
    put32(bytes, create2::kCountry, device.country);
    std::copy(descriptor.begin(), descriptor.end(), bytes.begin() + ptrdiff_t(create2::kDescriptor));
    return bytes;
}

std::vector<uint8_t> destroyEvent() { return event(EventType::Destroy, 4); }

std::vector<uint8_t> input2Event(std::span<const uint8_t> report) {
    if (report.empty() || report.size() > kDataMax) return {};
    auto bytes = event(EventType::Input2, input2::kData + report.size());
    put16(bytes, input2::kSize, uint16_t(report.size()));
    std::copy(report.begin(), report.end(), bytes.begin() + ptrdiff_t(input2::kData));
    return bytes;
}

std::vector<uint8_t> getReportReplyEvent(uint32_t requestId, uint16_t error) {
    auto bytes = event(EventType::GetReportReply, request::kGetReplyEnd);
    put32(bytes, request::kId, requestId);
    put16(bytes, request::kReplyError, error);
    put16(bytes, request::kGetReplySize, 0);
    return bytes;
}

std::vector<uint8_t> setReportReplyEvent(uint32_t requestId, uint16_t error) {
    auto bytes = event(EventType::SetReportReply, request::kSetReplyEnd);
    put32(bytes, request::kId, requestId);
    put16(bytes, request::kReplyError, error);
    return bytes;
}

std::optional<KernelEvent> parseKernelEvent(std::span<const uint8_t> bytes) {
    if (bytes.size() < 4) return std::nullopt;
    KernelEvent parsed;
    const uint32_t type = get32(bytes, 0);
    switch (EventType(type)) {
    case EventType::Start:
    case EventType::Stop:
    case EventType::Open:
    case EventType::Close:
        parsed.type = EventType(type);
        return parsed;
    case EventType::Output: {
        if (bytes.size() < output::kEnd) return std::nullopt;
        const uint16_t size = get16(bytes, output::kSize);
        if (size > kDataMax || !knownReportType(bytes[output::kReportType])) return std::nullopt;
        parsed.type = EventType::Output;
        parsed.reportType = ReportType(bytes[output::kReportType]);
        parsed.data.assign(bytes.begin() + output::kData, bytes.begin() + ptrdiff_t(output::kData + size));
        return parsed;
    }
    case EventType::GetReport:
    case EventType::SetReport: {
        if (bytes.size() < request::kEnd || !knownReportType(bytes[request::kReportType])) return std::nullopt;
        parsed.type = EventType(type);
        parsed.requestId = get32(bytes, request::kId);
        parsed.reportNumber = bytes[request::kReportNumber];
        parsed.reportType = ReportType(bytes[request::kReportType]);
        return parsed;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace viremo::emulator::uhid
