#include "emulator/headset_colours.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "emulator/demo_set.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::packet;

const char* const kHeadset = "emulated/headset/if3#vid_0c76&pid_1630&mi_03";

// One colour report written out by hand: id, target, group, 0, levels, then
// zeros up to 17 bytes.
Bytes colourReport(uint8_t target, uint8_t group, std::initializer_list<uint8_t> levels) {
    Bytes report(17, 0);
    report[0] = 0xFF;
    report[1] = target;
    report[2] = group;
    std::copy(levels.begin(), levels.end(), report.begin() + 4);
    return report;
}

// Light i shows red 10 + i, green 100 + i, blue 200 + i on target 0x22 and
// red 1, green 2, blue 3 on target 0x44; in the order the host sends a frame.
std::vector<Bytes> knownFrame() {
    std::vector<Bytes> frame;
    for (int colour = 0; colour < 3; ++colour) {
        const uint8_t base = uint8_t(colour == 0 ? 10 : colour == 1 ? 100 : 200);
        const uint8_t low = uint8_t(0xAA + colour), high = uint8_t(0xAD + colour);
        frame.push_back(colourReport(0x22, low, {base, uint8_t(base + 1), uint8_t(base + 2), uint8_t(base + 3),
                                                 uint8_t(base + 4), uint8_t(base + 5), uint8_t(base + 6)}));
        frame.push_back(colourReport(0x22, high, {uint8_t(base + 7), uint8_t(base + 8), uint8_t(base + 9),
                                                  uint8_t(base + 10), uint8_t(base + 11), uint8_t(base + 12)}));
        const uint8_t flat = uint8_t(colour + 1);
        frame.push_back(colourReport(0x44, low, {flat, flat, flat, flat, flat, flat, flat}));
        frame.push_back(colourReport(0x44, high, {flat, flat, flat, flat, flat, flat}));
    }
    return frame;
}

TEST(HeadsetColours, TwelveShortReportsOverTheBusDecodeToEveryLight) {
    hid::EmulatedBus bus;
    DemoSet set = plugDemoSet(bus);
    auto connection = bus.open(kHeadset, {.read = false, .write = true});
    ASSERT_TRUE(connection);
    ASSERT_EQ(connection->collection().outputReportByteLength, 64);  // the command packets

    for (const auto& report : knownFrame()) {
        size_t written = 0;
        ASSERT_EQ(connection->write(report, written, 100), hid::IoStatus::Done);
        EXPECT_EQ(written, 17u);
    }
    const auto log = set.headsetUsb.interfaces.front().firmware->receivedReports();
    ASSERT_EQ(log.size(), 12u);
    EXPECT_EQ(log.front().size(), 17u);

    const HeadsetColours colours = decodeColourReports(log);
    EXPECT_EQ(colours.reports, 12u);
    EXPECT_EQ(colours.ignored, 0u);
    for (size_t light = 0; light < kHeadsetLights; ++light) {
        const auto i = uint8_t(light);
        EXPECT_EQ(colours.lights[0][light], (LightLevels{uint8_t(10 + i), uint8_t(100 + i), uint8_t(200 + i)}))
            << "light " << light;
        EXPECT_EQ(colours.lights[1][light], (LightLevels{1, 2, 3})) << "light " << light;
    }
}

TEST(HeadsetColours, TheBusHoldsEachReportToItsOwnLength) {
    hid::EmulatedBus bus;
    DemoSet set = plugDemoSet(bus);
    auto connection = bus.open(kHeadset, {.read = true, .write = true});
    ASSERT_TRUE(connection);
    size_t written = 0;
    // A command packet cut to 17 bytes is refused; a colour report handed
    // over in a longer buffer goes out at its own 17 bytes.
    Bytes shortCommand = packet(3, 34);
    shortCommand.resize(17);
    EXPECT_EQ(connection->write(shortCommand, written, 100), hid::IoStatus::Failed);
    Bytes longColour = colourReport(0x22, 0xAA, {1});
    longColour.resize(64, 0xEE);
    EXPECT_EQ(connection->write(longColour, written, 100), hid::IoStatus::Done);
    EXPECT_EQ(written, 17u);
    EXPECT_EQ(connection->write(packet(3, 34), written, 100), hid::IoStatus::Done);
    EXPECT_EQ(written, 64u);
    const auto log = set.headsetUsb.interfaces.front().firmware->receivedReports();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], colourReport(0x22, 0xAA, {1}));
}

TEST(HeadsetColours, MalformedReportsChangeNoLight) {
    const Bytes wrongTarget = colourReport(0x33, 0xAA, {9});
    const Bytes wrongGroup = colourReport(0x22, 0xB0, {9});
    Bytes wrongPad = colourReport(0x22, 0xAA, {9});
    wrongPad[3] = 1;
    Bytes cut = colourReport(0x22, 0xAA, {9});
    cut.resize(16);
    HeadsetColours colours;
    for (const auto& report : {wrongTarget, wrongGroup, wrongPad, cut, packet(3, 34)})
        EXPECT_FALSE(colours.take(report));
    EXPECT_EQ(colours.ignored, 5u);
    EXPECT_EQ(colours.lights, HeadsetColours{}.lights);
}

}  // namespace
}  // namespace viremo::emulator
