// The mouse pad's settings block, start sequence and light frame on the
// emulated pad. Expected packets are written out by hand.
#include <gtest/gtest.h>

#include "devices/pad/mouse_pad_device.h"
#include "devices/protocol/result_code.h"
#include "emulator/mouse_pad_firmware.h"
#include "lit_device_fixture.h"

namespace viremo::devices::testing {
namespace {

constexpr uint8_t kReadSettings = 5;
constexpr uint8_t kWriteSettings = 6;

class MousePadTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.writeFactoryProfile("MousePad");
        ASSERT_TRUE(firmware.product().plug(bus));
        attachDriver(pad, bus, kKindMousePad, configureMousePad);
        pad.StopLighting();
    }
    void TearDown() override { pad.StopLighting(); }

    std::vector<Bytes> wire() const { return firmware.product().commandInterface()->receivedReports(); }
    void clearWire() const { firmware.product().commandInterface()->clearLog(); }
    void injectFault(const emulator::Fault& fault) const {
        firmware.product().commandInterface()->injectFault(fault);
    }
    // The pad's settings memory at profile 0 holds `block`.
    void putSettings(const Bytes& block) const { ASSERT_TRUE(firmware.device()->writeMemory("settings", 0, block)); }

    LitDeviceFolders data;
    emulator::MousePadFirmware firmware;
    hid::EmulatedBus bus;
    FakeClock clock;
    CVendrakeMousePadDevice pad{bus, clock};
};

TEST_F(MousePadTest, StartReadsTheInformationInASessionAndLoadsTheProfile) {
    ASSERT_TRUE(pad.ReadAllFromDevice().succeeded());
    pad.StopLighting();
    const auto sent = wire();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0], kBeginSession);
    EXPECT_EQ(sent[1], packet(3, 34, 0));
    EXPECT_EQ(sent[2], kEndSession);
    EXPECT_EQ(pad.GetLightInfo().mode, 2);
    EXPECT_EQ(pad.GetLightInfo().brightness, 3);
}

// Mode 2 goes out as its code 0x12, speed 1 as 4 - 1; bytes the profile
// does not set stay as last read. Twice in a row sends the same block.
TEST_F(MousePadTest, WritesTheBlockToSlotZeroInASession) {
    ASSERT_TRUE(pad.LoadProfile().succeeded());
    clearWire();
    ASSERT_EQ(pad.WriteSettingsRecord(0, 0).code(), kSuccess);
    ASSERT_EQ(pad.WriteSettingsRecord(0, 0).code(), kSuccess);
    const Bytes block{0, 0x12, 3, 3, 0, 0, 18, 52, 86, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<Bytes> expected{kBeginSession, packet(kWriteSettings, 21, 0, block), kEndSession,
                                      kBeginSession, packet(kWriteSettings, 21, 0, block), kEndSession};
    EXPECT_EQ(wire(), expected);
    EXPECT_EQ(first(firmware.settingsBytes(), 21), block);
}

TEST_F(MousePadTest, ReadsTheActiveProfilesBlockAndWritesItBackAsRead) {
    struct Case {
        const char* what;
        Bytes stored;      // at profile 0
        Bytes writtenBack;
    };
    const Case cases[] = {
        {"known mode code, kept bytes",
         {0, 0x13, 2, 1, 0x44, 1, 1, 2, 3, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
         {0, 0x13, 2, 1, 0x44, 1, 1, 2, 3, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {"unknown mode code",
         {0, 0x77, 4, 0, 0, 0, 5, 6, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {0, 0x77, 4, 0, 0, 0, 5, 6, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"brightness and speed out of range",
         {0, 0x10, 200, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {0, 0x10, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        putSettings(c.stored);
        clearWire();
        ASSERT_EQ(pad.ReadLightSettings().code(), kSuccess);
        ASSERT_EQ(pad.WriteSettingsRecord(0, 0).code(), kSuccess);
        const auto sent = wire();
        ASSERT_EQ(sent.size(), 5u);
        EXPECT_EQ(sent[0], packet(kReadSettings, 1, 0));
        EXPECT_EQ(sent[1], packet(kReadSettings, 26, 0));
        EXPECT_EQ(sent[3], packet(kWriteSettings, 21, 0, c.writtenBack));
    }
    // A speed byte of 9 stands for no speed step: taken as the slowest, 0.
    EXPECT_EQ(pad.GetLightInfo().brightness, 4);
    EXPECT_EQ(pad.GetLightInfo().speed, 0);
}

TEST_F(MousePadTest, ReadsTheBlockOfTheActiveProfileAt25BytesAPiece) {
    Bytes memory(128, 0);
    memory[0] = 2;
    memory[50] = 2;
    memory[51] = 0x15;
    putSettings(memory);
    clearWire();
    ASSERT_EQ(pad.ReadLightSettings().code(), kSuccess);
    EXPECT_EQ(wire()[1], packet(kReadSettings, 26, 50));
    EXPECT_EQ(pad.Settings().bytes[0], 2);
    EXPECT_EQ(pad.GetLightInfo().mode, 5);
}

TEST_F(MousePadTest, AFailedReadKeepsThePreviousBlock) {
    putSettings({0, 0x13, 2, 1, 0x44, 1, 1, 2, 3, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    ASSERT_EQ(pad.ReadLightSettings().code(), kSuccess);
    const LightSettings before = pad.Settings();
    putSettings(Bytes(21, 0));
    // The read goes unanswered, or the pad refuses it.
    for (const emulator::Fault& fault : {emulator::Fault{emulator::FaultKind::NoReply, kReadSettings},
                                         emulator::Fault{emulator::FaultKind::Status, kReadSettings, 255}}) {
        injectFault(fault);
        const DeviceResult result = pad.ReadLightSettings();
        EXPECT_FALSE(result.succeeded());
        EXPECT_EQ(pad.Settings(), before);
        EXPECT_EQ(pad.GetLightInfo().mode, 3);
    }
}

TEST_F(MousePadTest, AWriteTheDeviceRefusesReportsTheChannelsResult) {
    injectFault({emulator::FaultKind::Status, kWriteSettings, 255});
    EXPECT_EQ(pad.WriteSettingsRecord(0, 0).code(), kRefused);
}

// Light 0 at (255, 32, 0) and level 255: each byte x 255 / 256.
TEST_F(MousePadTest, StreamsThe45ByteFrameOfItsFifteenLights) {
    pad.SetLightColour(0, {255, 32, 0, 255});
    pad.SetLightColour(14, {16, 0, 128, 128});
    clearWire();
    pad.SendLightFrame();
    Bytes frame(45, 0);
    frame[0] = 0xFE, frame[1] = 0x1F, frame[2] = 0x00;
    frame[42] = 8, frame[43] = 0, frame[44] = 64;
    const std::vector<Bytes> expected{packet(18, 45, 0, frame)};
    EXPECT_EQ(wire(), expected);
}

}  // namespace
}  // namespace viremo::devices::testing
