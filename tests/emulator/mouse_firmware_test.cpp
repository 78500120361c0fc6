#include "emulator/mouse_firmware.h"

#include <gtest/gtest.h>

#include "emulator/command_codes.h"
#include "emulator/products.h"
#include "emulator/report_descriptors.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;
using testing::packet;

// A packet whose data runs from `first` to `last` of `bytes`.
Bytes packetOf(uint8_t command, uint16_t address, const Bytes& bytes, size_t first, size_t last) {
    Bytes request = packet(command, uint8_t(last - first), address);
    std::copy(bytes.begin() + std::ptrdiff_t(first), bytes.begin() + std::ptrdiff_t(last), request.begin() + 8);
    unsigned sum = 0;
    for (size_t i = 3; i < 64; ++i) sum += request[i];
    request[1] = uint8_t(sum);
    request[2] = uint8_t(sum >> 8);
    return request;
}

// Writes `bytes` from address 0 up in pieces of `piece` bytes; the statuses.
std::vector<uint8_t> writeInPieces(CommandTarget& target, uint8_t command, uint16_t address, const Bytes& bytes,
                                   size_t piece) {
    std::vector<uint8_t> statuses;
    for (size_t at = 0; at < bytes.size(); at += piece) {
        const size_t end = std::min(bytes.size(), at + piece);
        const auto replies = target.answer(packetOf(command, uint16_t(address + at), bytes, at, end));
        statuses.push_back(replies.empty() ? 0 : replies.back()[7]);
    }
    return statuses;
}

Bytes replyData(CommandTarget& target, const Bytes& request) {
    const auto replies = target.answer(request);
    if (replies.empty()) return {};
    return Bytes(replies.back().begin() + 8, replies.back().begin() + 8 + request[4]);
}

class MouseFirmwareTest : public ::testing::Test {
protected:
    MouseFirmware mouse;
    DeviceFirmware& device = *mouse.device();
    Receiver& receiver = *mouse.receiver();
};

TEST_F(MouseFirmwareTest, FactorySlotReadsAtItsAddress) {
    // Slot 1 at 128: spectrum (1), brightness 4, speed byte 2, multicolour,
    // red; 1000 Hz (3), stage 1 active; stages of levels 6, 14, 30, 51, 68,
    // all enabled, in red, green, blue, yellow, magenta; third argument 1.
    const Bytes expected{
        0, 1, 4, 2, 0, 1, 255, 0, 0, 0, 0, 3, 1, 0,            //
        1, 0, 6, 0, 6, 0, 255, 0, 0,                           //
        1, 0, 14, 0, 14, 0, 0, 255, 0,                         //
        1, 0, 30, 0, 30, 0, 0, 0, 255,                         //
        1, 0, 51, 0, 51, 0, 255, 255, 0,                       //
        1, 0, 68, 0, 68, 0, 255, 0, 255,                       //
        1, 0, 0, 0, 0, 0, 0,                                   // third, screen, correction
        0, 0, 0, 0, 0};                                        // 66-70
    Bytes read = replyData(device, packet(command::ReadSettings, 56, 128));
    const Bytes tail = replyData(device, packet(command::ReadSettings, 15, 128 + 56));
    read.insert(read.end(), tail.begin(), tail.end());
    EXPECT_EQ(read, expected);
    EXPECT_EQ(replyData(device, packet(command::ReadSettings, 1, 0)), Bytes{0}) << "active profile";
    EXPECT_EQ(receiver.answer(packet(command::ReadSettings, 72, 3 * 128))[0][7], kStatusError)
        << "longer than one packet";
}

TEST_F(MouseFirmwareTest, BlockWrittenThroughTheReceiverDecodes) {
    // Static red-green-blue 10 20 30, brightness 3, speed byte 1, direction
    // 1, single colour, 500 Hz (2), stage 1 active, two stages (800 DPI
    // green, 1600 separate X/Y 1600 x 3200 blue), 1920 x 1080, correction 7, 9.
    Bytes block(66, 0);
    const Bytes head{0, 3, 3, 1, 1, 0, 10, 20, 30, 0, 0, 2, 1, 0,  //
                     1, 0, 14, 0, 14, 0, 0, 255, 0,               //
                     1, 1, 30, 0, 51, 0, 0, 0, 255};
    std::copy(head.begin(), head.end(), block.begin());
    const Bytes tail{1, 0x80, 0x07, 0x38, 0x04, 7, 9};
    std::copy(tail.begin(), tail.end(), block.begin() + 59);
    EXPECT_EQ(writeInPieces(receiver, command::WriteSettings, 0, block, 24), (std::vector<uint8_t>{1, 1, 1}));

    mouse::SettingsBlock expected;
    expected.modeCode = 3;
    expected.brightness = 3;
    expected.speedByte = 1;
    expected.direction = 1;
    expected.red = 10;
    expected.green = 20;
    expected.blue = 30;
    expected.reportRate = 2;
    expected.activeStage = 1;
    expected.stages[0] = {1, 0, 14, 14, 0, 255, 0};
    expected.stages[1] = {1, 1, 30, 51, 0, 0, 255};
    expected.third = 1;
    expected.screenWidth = 1920;
    expected.screenHeight = 1080;
    expected.correctMinSq = 7;
    expected.correctPixThresh = 9;
    EXPECT_EQ(mouse.settings(0), expected);
    EXPECT_EQ(mouse.settingsBytes(0), block);
    EXPECT_EQ(mouse::settingsBlockBytes(expected), block);
    EXPECT_EQ(mouse.settings(1)->modeCode, 1) << "other slots untouched";
}

TEST_F(MouseFirmwareTest, ButtonTableIsWiredOutOfKeyOrder) {
    // Left, right, middle, back, forward, DPI loop, up, down, fire, game
    // mode, and a button the host does not know.
    const Bytes expected{0x10, 0x01, 0x00, 0x10, 0x02, 0x00, 0x10, 0x04, 0x00, 0x10, 0x08, 0x00,
                         0x10, 0x10, 0x00, 0x13, 0x03, 0x00, 0x13, 0x01, 0x00, 0x13, 0x02, 0x00,
                         0x14, 0x78, 0x02, 0xA0, 0x1B, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(replyData(device, packet(command::ReadKeyTable, 33, 0)), expected);

    // Through the receiver the host writes 24 bytes, then 9.
    Bytes table = expected;
    table[27] = 0x70;  // game mode button plays macro 1
    table[28] = 0x01;
    EXPECT_EQ(writeInPieces(receiver, command::WriteKeyTable, 0, table, 24), (std::vector<uint8_t>{1, 1}));
    EXPECT_EQ(mouse.buttonCode(9), (mouse::ButtonCode{0x70, 0x01, 0x00}));
    EXPECT_EQ(mouse.buttonTable(), table);
}

TEST_F(MouseFirmwareTest, RecoilImageOfFourGunsReadsBack) {
    // Guns 0 and 2 with events, 1 and 3 empty: offsets 24, 36, 40, 48;
    // length 16 + 24 + 4 x 3 = 52.
    const Bytes image{0xAA, 0x55, 52, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
                      24, 0, 36, 0, 40, 0, 48, 0,                             //
                      2, 0, 0, 0, 10, 0, 0x81, 1, 20, 0, 0x01, 1,             // gun 0: left down, up
                      0, 0, 0, 0,                                             // gun 1
                      1, 0, 0, 0, 0x2C, 0x01, 0x02, 0xF6,                     // gun 2: move, 300 ms
                      0, 0, 0, 0};                                            // gun 3
    EXPECT_EQ(writeInPieces(receiver, command::WriteBulk, 0, image, 56), (std::vector<uint8_t>{1}));
    std::string why;
    const auto guns = mouse.guns(&why);
    ASSERT_TRUE(guns) << why;
    const std::vector<MacroEvents> expected{
        {{10, 1, true, 1}, {20, 1, false, 1}}, {}, {{300, 2, false, 0xF6}}, {}};
    EXPECT_EQ(*guns, expected);
    EXPECT_FALSE(mouse.macros()) << "the macro memory is apart";
}

TEST_F(MouseFirmwareTest, BulkWriteStaysInTheRecoilMemory) {
    const Bytes piece(56, 0x5A);
    EXPECT_EQ(writeInPieces(device, command::WriteBulk, 4040, piece, 56), (std::vector<uint8_t>{1}));
    EXPECT_EQ(writeInPieces(device, command::WriteBulk, 4041, piece, 56), (std::vector<uint8_t>{kStatusError}));
    EXPECT_EQ(mouse.recoilMemory().size(), 4096u);
}

TEST_F(MouseFirmwareTest, LinkLostInTheMiddleOfAWriteKeepsWhatArrived) {
    const Bytes image(112, 0x5A);
    EXPECT_EQ(writeInPieces(receiver, command::WriteBulk, 0, Bytes(image.begin(), image.begin() + 56), 56),
              (std::vector<uint8_t>{1}));
    mouse.setLinkUp(false);
    const auto replies = receiver.answer(packetOf(command::WriteBulk, 56, image, 56, 112));
    EXPECT_EQ(replies, (std::vector<Bytes>{frame({4, 0xAB, 0, 170, 0, 0, 0, 1})})) << "unreachable";
    const Bytes memory = mouse.recoilMemory();
    EXPECT_EQ(memory[55], 0x5A);
    EXPECT_EQ(memory[56], 0);
}

TEST_F(MouseFirmwareTest, MacroImageReadsBack) {
    const Bytes image{0xAA, 0x55, 26, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
                      18, 0, 1, 0, 0, 0, 5, 0, 0x84, 0x04};
    EXPECT_EQ(writeInPieces(receiver, command::WriteMacroMemory, 0, image, 24), (std::vector<uint8_t>{1, 1}));
    const auto macros = mouse.macros();
    ASSERT_TRUE(macros);
    EXPECT_EQ(*macros, (std::vector<MacroEvents>{{{5, 4, true, 4}}}));
}

TEST(MouseFirmware, SensorFieldsOfTheDeviceInformation) {
    // 3389: step 50, highest level 519 (0x207), lowest 50.
    MouseFirmware mouse(mouse::kLinearSensor);
    const Bytes info = replyData(*mouse.device(), packet(command::ReadDeviceInfo, 34, 0));
    EXPECT_EQ(Bytes(info.begin() + 5, info.begin() + 16),
              (Bytes{11, 16, 0, 0, 0x89, 0x33, 50, 0x07, 0x02, 50, 0}));
}

class MouseInputReportTest : public MouseFirmwareTest {
protected:
    void SetUp() override { mouse.receiverProduct().commandInterface()->connect(sent.sender()); }
    testing::Sent sent;
};

TEST_F(MouseInputReportTest, ButtonsChangeTheMouseAndAreReported) {
    EXPECT_TRUE(mouse.pressDpiButton());  // profile 0: stage 1 to 2
    EXPECT_EQ(mouse.settings(0)->activeStage, 2);
    mouse.pressProfileButton();
    EXPECT_EQ(mouse.activeProfile(), 1);
    EXPECT_TRUE(mouse.pressDpiButton());  // profile 1: stage 1 to 2
    EXPECT_EQ(sent.take(), (std::vector<Bytes>{{kConsumerReportId, 0x20, 0x11},
                                              {kConsumerReportId, 0x01, 0x10},
                                              {kConsumerReportId, 0x21, 0x11}}));
}

TEST_F(MouseInputReportTest, DpiButtonSkipsDisabledStagesAndGoesRound) {
    for (uint16_t stage : {0, 1, 3}) {
        const Bytes disabled{0};
        device.writeMemory(region::Settings, 14 + 9 * stage, disabled);
    }
    // Enabled: 2 and 4; active 1.
    EXPECT_TRUE(mouse.pressDpiButton());
    EXPECT_TRUE(mouse.pressDpiButton());
    EXPECT_TRUE(mouse.pressDpiButton());
    EXPECT_EQ(sent.take(), (std::vector<Bytes>{{kConsumerReportId, 0x20, 0x11},
                                              {kConsumerReportId, 0x40, 0x11},
                                              {kConsumerReportId, 0x20, 0x11}}));
    for (uint16_t stage : {2, 4}) {
        const Bytes disabled{0};
        device.writeMemory(region::Settings, 14 + 9 * stage, disabled);
    }
    EXPECT_FALSE(mouse.pressDpiButton());
    EXPECT_TRUE(sent.take().empty());
}

TEST_F(MouseInputReportTest, NothingReachesTheHostThroughADownLink) {
    mouse.setLinkUp(false);
    EXPECT_FALSE(mouse.notify(mouse::kFlashCode));
    mouse.setLinkUp(true);
    EXPECT_TRUE(mouse.notify(mouse::kFlashCode));
    EXPECT_EQ(sent.take(), (std::vector<Bytes>{{kConsumerReportId, 0x03, 0x04}}));
}

TEST_F(MouseFirmwareTest, BatteryIsReadInTheStatus) {
    mouse.setBattery(37);
    EXPECT_EQ(replyData(receiver, packet(command::ReadStatus, 6, 0)), (Bytes{0, 0, 0, 0, 37, 0}));
}

}  // namespace
}  // namespace viremo::emulator
