#include "hid/report_descriptor.h"

#include <gtest/gtest.h>

#include "descriptors.h"

namespace viremo::hid {
namespace {

using testing::kCompositeDescriptor;
using testing::kHeadsetDescriptor;
using Bytes = std::vector<uint8_t>;

TEST(ReportDescriptor, SplitsTheCompositeInterfaceIntoItsTopLevelCollections) {
    const auto parsed = parseReportDescriptor(kCompositeDescriptor);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.collections.size(), 4u);

    struct Expected {
        uint16_t page, usage;
        Bytes inputIds, outputIds;
        uint16_t inputLength, outputLength;
    };
    const Expected expected[] = {
        {0x0001, 0x06, {1}, {1}, 9, 2},   // 1 + 8 bytes in, 1 + 1 byte out
        {0x0001, 0x80, {2}, {}, 2, 0},    // 1 + 1
        {0x000C, 0x01, {3}, {}, 3, 0},    // 1 + 2
        {0xFF1C, 0x92, {4}, {4}, 64, 64}, // 1 + 63 each way
    };
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const Collection& c = parsed.collections[i];
        EXPECT_EQ(c.number, i + 1);
        EXPECT_EQ(c.usagePage, expected[i].page);
        EXPECT_EQ(c.usage, expected[i].usage);
        EXPECT_TRUE(c.usesReportIds);
        EXPECT_EQ(c.inputReportIds, expected[i].inputIds);
        EXPECT_EQ(c.outputReportIds, expected[i].outputIds);
        EXPECT_EQ(c.inputReportByteLength, expected[i].inputLength);
        EXPECT_EQ(c.outputReportByteLength, expected[i].outputLength);
        EXPECT_EQ(c.featureReportByteLength, 0);
    }

    // The keyboard's input items: modifiers (bits 0-7), keys (from bit 16);
    // the reserved byte is padding and has no item.
    const auto& items = parsed.collections[0].inputItems;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].bitOffset, 0u);
    EXPECT_TRUE(items[0].isRange);
    EXPECT_EQ(items[0].usageMin, 0xE0);
    EXPECT_EQ(items[0].usageMax, 0xE7);
    EXPECT_FALSE(items[0].isArray);
    EXPECT_EQ(items[1].bitOffset, 16u);
    EXPECT_TRUE(items[1].isArray);
    EXPECT_EQ(items[1].logicalMax, 255);  // "26 FF 00": unsigned, not -1
}

TEST(ReportDescriptor, CountsTheIdByteAlsoWithoutReportIds) {
    const auto parsed = parseReportDescriptor(kHeadsetDescriptor);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.collections.size(), 1u);
    const Collection& c = parsed.collections[0];
    EXPECT_FALSE(c.usesReportIds);
    EXPECT_EQ(c.usagePage, 0x000C);
    EXPECT_EQ(c.inputReportIds, Bytes{0});
    EXPECT_EQ(c.inputReportByteLength, 2);
    EXPECT_EQ(c.outputReportByteLength, 3);
    EXPECT_TRUE(c.ownsInputReport(0));
    EXPECT_FALSE(c.ownsInputReport(1));
    ASSERT_EQ(c.inputItems.size(), 1u);
    EXPECT_EQ(c.inputItems[0].usages.size(), 8u);
    EXPECT_EQ(c.inputItems[0].usages[3], (Usage{0x0C, 0xCD}));
}

TEST(ReportDescriptor, PopRestoresPushedGlobalsAndLongItemsAreSkipped) {
    const Bytes descriptor = {
        0xFE, 0x02, 0x10, 0xAA, 0xBB,  // long item, two data bytes
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
        0x75, 0x08, 0x95, 0x02,        // size 8, count 2
        0xA4, 0x75, 0x01, 0x95, 0x10,  // push, then size 1, count 16
        0xB4,                          // pop: size 8, count 2 again
        0x09, 0x01, 0x81, 0x02, 0xC0,
    };
    const auto parsed = parseReportDescriptor(descriptor);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.collections[0].inputReportByteLength, 3);  // 1 + 16 bits
    EXPECT_EQ(parsed.collections[0].inputItems[0].reportSize, 8);
}

TEST(ReportDescriptor, RejectsMalformedDescriptors) {
    const Bytes open = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    auto within = [&](Bytes body) {
        Bytes d = open;
        d.insert(d.end(), body.begin(), body.end());
        d.push_back(0xC0);
        return d;
    };
    Bytes deep;
    for (int i = 0; i < kMaxCollectionDepth + 1; ++i) deep.insert(deep.end(), {0xA1, 0x00});
    for (int i = 0; i < kMaxCollectionDepth + 1; ++i) deep.push_back(0xC0);
    Bytes pushes = open;
    for (int i = 0; i < kMaxPushDepth + 1; ++i) pushes.push_back(0xA4);

    const struct {
        const char* name;
        Bytes descriptor;
    } cases[] = {
        {"empty", {}},
        {"truncated short item", {0x05}},
        {"truncated four-byte item", {0x07, 0x01, 0x02}},
        {"truncated long item header", {0xFE, 0x05}},
        {"long item longer than the rest", {0xFE, 0x05, 0x00, 0x01}},
        {"collection not ended", open},
        {"end without start", {0xC0}},
        {"nested too deeply", deep},
        {"pop without push", within({0xB4})},
        {"push too deep", pushes},
        {"report size above 32", within({0x75, 0x21, 0x95, 0x01, 0x81, 0x02})},
        {"absurd report count", within({0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02})},
        {"report longer than the limit", within({0x75, 0x20, 0x96, 0x00, 0x04, 0x81, 0x02, 0x81, 0x02})},
        {"report id 0", within({0x85, 0x00})},
        {"item outside a collection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}},
        {"ids on some reports only", within({0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0x85, 0x02, 0x81, 0x02})},
        {"reversed usage range", within({0x19, 0x05, 0x29, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02})},
        {"one report id in two collections",
         {0xA1, 0x01, 0x85, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0, 0xA1, 0x01, 0x81, 0x02, 0xC0}},
    };
    for (const auto& c : cases) {
        const auto parsed = parseReportDescriptor(c.descriptor);
        EXPECT_FALSE(parsed.ok()) << c.name;
        EXPECT_TRUE(parsed.collections.empty()) << c.name;
    }
}

// Every cut and every single-byte change of a valid descriptor gives a
// result or an error; under the sanitizers this also proves no read leaves
// the buffer.
TEST(ReportDescriptor, SurvivesEveryTruncationAndByteFlip) {
    for (size_t length = 0; length < kCompositeDescriptor.size(); ++length) {
        const Bytes cut(kCompositeDescriptor.begin(), kCompositeDescriptor.begin() + length);
        (void)parseReportDescriptor(cut);
    }
    for (size_t at = 0; at < kCompositeDescriptor.size(); ++at) {
        for (uint8_t value : {0x00, 0x7F, 0x80, 0xFE, 0xFF}) {
            Bytes changed = kCompositeDescriptor;
            changed[at] = value;
            const auto parsed = parseReportDescriptor(changed);
            for (const auto& c : parsed.collections) EXPECT_LE(c.inputReportByteLength, kMaxReportBytes + 1);
        }
    }
}

}  // namespace
}  // namespace viremo::hid
