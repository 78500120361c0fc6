#include "hid/usage_data.h"

#include <gtest/gtest.h>

#include "descriptors.h"
#include "hid/report_descriptor.h"

namespace viremo::hid {
namespace {

using U16 = std::vector<uint16_t>;

Collection collectionOf(const std::vector<uint8_t>& descriptor, size_t index) {
    auto parsed = parseReportDescriptor(descriptor);
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    return parsed.collections.at(index);
}

TEST(UsageData, ConsumerSelectorGivesTheEventCode) {
    const Collection consumer = collectionOf(testing::kCompositeDescriptor, 2);
    auto records = buildInputUsageData(consumer);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].isButton);
    EXPECT_EQ(records[0].usageMin, 0x000);
    EXPECT_EQ(records[0].usageMax, 0xFFF);

    const uint8_t report[] = {0x03, 0x01, 0x04};  // selector 0x0401
    ASSERT_TRUE(unpackInputReport(consumer, report, records));
    EXPECT_TRUE(records[0].filled);
    EXPECT_EQ(records[0].usagesOn, U16{0x0401});

    const uint8_t cases[][3] = {
        {0x03, 0x00, 0x00},  // selector 0: no usage
        {0x03, 0x00, 0x10},  // 0x1000: beyond the logical maximum
    };
    for (const auto& report : cases) {
        ASSERT_TRUE(unpackInputReport(consumer, report, records));
        EXPECT_EQ(records[0].usagesOn, U16{0});
    }
}

TEST(UsageData, ButtonListsHoldTheUsagesOnOfTheirPageWithinTheirRange) {
    const Collection keyboard = collectionOf(testing::kCompositeDescriptor, 0);
    auto records = buildInputUsageData(keyboard);
    ASSERT_EQ(records.size(), 2u);
    // Left shift (bit 1: usage E1), keys A (04) and B (05) held.
    const uint8_t report[] = {0x01, 0x02, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x00};
    ASSERT_TRUE(unpackInputReport(keyboard, report, records));
    // The keyboard page has E1, 04, 05 on; each record keeps those in its
    // own range, in report order, and ends with zeros.
    EXPECT_EQ(records[0].usagesOn, (U16{0xE1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(records[1].usagesOn, (U16{0xE1, 0x04, 0x05, 0, 0, 0}));

    const uint8_t otherReport[] = {0x02, 0x01};
    EXPECT_FALSE(unpackInputReport(keyboard, otherReport, records));
}

TEST(UsageData, ValuesAreReadRawAndScaled) {
    const std::vector<uint8_t> descriptor = {
        0x05, 0x01, 0x09, 0x00, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x01,
        0x09, 0x30, 0x15, 0x00, 0x25, 0x64, 0x35, 0x00, 0x46, 0xE8, 0x03, 0x81, 0x02,  // X: 0..100 -> 0..1000
        0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x35, 0x00, 0x45, 0x00, 0x81, 0x02,        // Y: -127..127
        0xC0,
    };
    const Collection c = collectionOf(descriptor, 0);
    auto records = buildInputUsageData(c);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].usage, 0x30);
    EXPECT_EQ(records[1].usage, 0x31);

    const struct {
        uint8_t x, y;
        int32_t scaledX, scaledY;
    } cases[] = {
        {50, 0xFF, 500, -1},
        {100, 0x7F, 1000, 127},
        {101, 0x80, 0, 0},  // outside the logical ranges: no scaled value
    };
    for (const auto& t : cases) {
        const uint8_t report[] = {0x00, t.x, t.y};
        ASSERT_TRUE(unpackInputReport(c, report, records));
        EXPECT_EQ(records[0].rawValue, t.x);
        EXPECT_EQ(records[0].scaledValue, t.scaledX);
        EXPECT_EQ(records[1].rawValue, t.y);
        EXPECT_EQ(records[1].scaledValue, t.scaledY);
    }
}

TEST(UsageData, ShortReportLeavesMissingFieldsEmpty) {
    const Collection vendor = collectionOf(testing::kCompositeDescriptor, 3);
    auto records = buildInputUsageData(vendor);
    ASSERT_EQ(records.size(), 1u);  // one usage for 63 fields: one record
    const uint8_t report[] = {0x04};
    ASSERT_TRUE(unpackInputReport(vendor, report, records));
    EXPECT_EQ(records[0].rawValue, 0u);
    EXPECT_TRUE(records[0].filled);
}

}  // namespace
}  // namespace viremo::hid
