#include "emulator/mouse_pad_firmware.h"

#include <gtest/gtest.h>

#include "emulator/command_codes.h"
#include "emulator/report_descriptors.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::packet;

class MousePadFirmwareTest : public ::testing::Test {
protected:
    uint8_t status(std::initializer_list<uint8_t> data, uint8_t command, uint16_t address) {
        const auto replies = pad.device()->answer(packet(command, uint8_t(data.size()), address, data));
        return replies.empty() ? 0 : replies.back()[7];
    }

    MousePadFirmware pad;
};

TEST_F(MousePadFirmwareTest, FactoryBlockReadsAtAddressZero) {
    // Profile 0, wave (code 0), brightness 4, speed byte 2, multicolour, red.
    const auto replies = pad.device()->answer(packet(command::ReadSettings, 26, 0));
    ASSERT_EQ(replies.size(), 1u);
    Bytes expected(26, 0);
    expected[2] = 4;
    expected[3] = 2;
    expected[5] = 1;
    expected[6] = 255;
    EXPECT_EQ(Bytes(replies[0].begin() + 8, replies[0].begin() + 34), expected);
}

TEST_F(MousePadFirmwareTest, WrittenBlockDecodesAndKeepsItsOtherBytes) {
    EXPECT_EQ(status({0, 7, 2, 3, 0x44, 0, 1, 2, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 0x55}, command::WriteSettings, 0),
              kStatusAccepted);
    EXPECT_EQ(pad.settings(), (LightSettingsBlock{0, 7, 2, 3, 0, 1, 2, 3}));
    const Bytes bytes = pad.settingsBytes();
    EXPECT_EQ(bytes[4], 0x44);
    EXPECT_EQ(bytes[20], 0x55);
}

TEST_F(MousePadFirmwareTest, FortyFiveByteFrameDecodesToFifteenLights) {
    // (255, 32, 0) at level 255 arrives as FE 1F 00; the host sends 24 bytes, then 21.
    EXPECT_EQ(status({0xFE, 0x1F, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3},
                     command::StreamLightFrame, 0),
              kStatusAccepted);
    EXPECT_EQ(status({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8, 9}, command::StreamLightFrame, 24),
              kStatusAccepted);
    const auto lights = pad.lights();
    ASSERT_EQ(lights.size(), 15u);
    EXPECT_EQ(lights[0], (FrameColour{0xFE, 0x1F, 0x00}));
    EXPECT_EQ(lights[7], (FrameColour{1, 2, 3}));
    EXPECT_EQ(lights[14], (FrameColour{7, 8, 9}));
}

TEST_F(MousePadFirmwareTest, AsksTheHostToSynchronise) {
    testing::Sent sent;
    EXPECT_FALSE(pad.notify(pad::kSynchroniseCode)) << "not plugged";
    pad.product().commandInterface()->connect(sent.sender());
    EXPECT_TRUE(pad.notify(pad::kSynchroniseCode));
    EXPECT_EQ(sent.take(), (std::vector<Bytes>{{kConsumerReportId, 0x01, 0x04}}));
}

}  // namespace
}  // namespace viremo::emulator
