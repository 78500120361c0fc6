// The uhid events, byte by byte. Offsets are those of the kernel's packed
// struct uhid_event: a 32-bit type, then the fields of the event.
#include "emulator/uhid_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace viremo::emulator::uhid {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes slice(const Bytes& bytes, size_t at, size_t length) {
    return Bytes(bytes.begin() + ptrdiff_t(at), bytes.begin() + ptrdiff_t(at + length));
}

TEST(UhidEvents, Create2CarriesIdsTextsAndDescriptor) {
    DeviceDescription device;
    device.name = "viremo keyboard";
    device.phys = "viremo-uhid-1/input1";
    device.vendorId = 0x320F;
    device.productId = 0x5078;
    device.version = 0x0102;
    device.reportDescriptor = {0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01, 0xC0};

    const Bytes event = create2Event(device);
    ASSERT_EQ(event.size(), 280u + 8u);
    EXPECT_EQ(slice(event, 0, 4), (Bytes{11, 0, 0, 0}));
    EXPECT_EQ(std::string(event.begin() + 4, event.begin() + 19), "viremo keyboard");
    EXPECT_EQ(event[19], 0);
    EXPECT_EQ(std::string(event.begin() + 132, event.begin() + 152), "viremo-uhid-1/input1");
    EXPECT_EQ(event[152], 0);
    EXPECT_EQ(event[196], 0);  // no uniq
    EXPECT_EQ(slice(event, 260, 2), (Bytes{8, 0}));  // descriptor size
    EXPECT_EQ(slice(event, 262, 2), (Bytes{3, 0}));  // bus USB
    EXPECT_EQ(slice(event, 264, 4), (Bytes{0x0F, 0x32, 0, 0}));
    EXPECT_EQ(slice(event, 268, 4), (Bytes{0x78, 0x50, 0, 0}));
    EXPECT_EQ(slice(event, 272, 4), (Bytes{0x02, 0x01, 0, 0}));
    EXPECT_EQ(slice(event, 276, 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(slice(event, 280, 8), device.reportDescriptor);
}

TEST(UhidEvents, Create2CutsLongTextsAndRefusesBadDescriptors) {
    DeviceDescription device;
    device.name = std::string(200, 'n');
    device.phys = std::string(100, 'p');
    device.reportDescriptor = Bytes(4096, 0xC0);
    const Bytes event = create2Event(device);
    ASSERT_EQ(event.size(), kEventSize);
    EXPECT_EQ(event[4 + 126], 'n');
    EXPECT_EQ(event[4 + 127], 0);  // the name field keeps its terminator
    EXPECT_EQ(event[132 + 62], 'p');
    EXPECT_EQ(event[132 + 63], 0);
    EXPECT_EQ(slice(event, 260, 2), (Bytes{0x00, 0x10}));

    device.reportDescriptor.push_back(0xC0);
    EXPECT_TRUE(create2Event(device).empty());
    device.reportDescriptor.clear();
    EXPECT_TRUE(create2Event(device).empty());
}

TEST(UhidEvents, EventsWeSend) {
    EXPECT_EQ(destroyEvent(), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(input2Event(Bytes{4, 0xAA, 0xBB}), (Bytes{12, 0, 0, 0, 3, 0, 4, 0xAA, 0xBB}));
    EXPECT_EQ(getReportReplyEvent(0x01020304, 5), (Bytes{10, 0, 0, 0, 4, 3, 2, 1, 5, 0, 0, 0}));
    EXPECT_EQ(setReportReplyEvent(7, 5), (Bytes{14, 0, 0, 0, 7, 0, 0, 0, 5, 0}));

    const Bytes longest = input2Event(Bytes(4096, 1));
    ASSERT_EQ(longest.size(), 6u + 4096u);
    EXPECT_EQ(slice(longest, 4, 2), (Bytes{0x00, 0x10}));
    EXPECT_TRUE(input2Event(Bytes(4097, 1)).empty());
    EXPECT_TRUE(input2Event(Bytes{}).empty());
}

// A whole event as the kernel sends it: kEventSize bytes, the given ones first.
Bytes fromKernel(std::initializer_list<std::pair<size_t, uint8_t>> bytes) {
    Bytes event(kEventSize, 0);
    for (const auto& [at, value] : bytes) event[at] = value;
    return event;
}

TEST(UhidEvents, OutputReportAsWritten) {
    // Output, 3 bytes {4, 0x10, 0x20}, report type output.
    const auto event = parseKernelEvent(fromKernel({{0, 6}, {4, 4}, {5, 0x10}, {6, 0x20}, {4100, 3}, {4102, 1}}));
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type, EventType::Output);
    EXPECT_EQ(event->reportType, ReportType::Output);
    EXPECT_EQ(event->data, (Bytes{4, 0x10, 0x20}));
}

TEST(UhidEvents, RequestsAndNotices) {
    const auto request = parseKernelEvent(fromKernel({{0, 9}, {4, 0x78}, {5, 0x56}, {8, 4}, {9, 0}}));
    ASSERT_TRUE(request);
    EXPECT_EQ(request->type, EventType::GetReport);
    EXPECT_EQ(request->requestId, 0x5678u);
    EXPECT_EQ(request->reportNumber, 4);
    EXPECT_EQ(request->reportType, ReportType::Feature);

    const auto setReport = parseKernelEvent(fromKernel({{0, 13}, {4, 9}, {8, 2}, {9, 1}}));
    ASSERT_TRUE(setReport);
    EXPECT_EQ(setReport->type, EventType::SetReport);
    EXPECT_EQ(setReport->requestId, 9u);

    for (uint8_t type : {2, 3, 4, 5}) {
        const auto notice = parseKernelEvent(Bytes{type, 0, 0, 0});
        ASSERT_TRUE(notice) << int(type);
        EXPECT_EQ(uint32_t(notice->type), type);
    }
}

TEST(UhidEvents, MalformedEventsAreRefused) {
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"shorter than a type", {6, 0, 0}},
        {"unknown type", {99, 0, 0, 0}},
        {"our own event type", {12, 0, 0, 0, 1, 0, 0}},
        {"output cut short", Bytes{6, 0, 0, 0, 4}},
        {"output larger than its buffer", fromKernel({{0, 6}, {4100, 0x01}, {4101, 0x10}, {4102, 1}})},
        {"output of an unknown report type", fromKernel({{0, 6}, {4100, 1}, {4102, 7}})},
        {"request cut short", Bytes{9, 0, 0, 0, 1, 0, 0, 0, 4}},
    };
    for (const auto& malformed : cases) EXPECT_FALSE(parseKernelEvent(malformed.bytes)) << malformed.what;
}

}  // namespace
}  // namespace viremo::emulator::uhid
