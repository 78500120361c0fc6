#include "emulator/device_firmware.h"

#include <gtest/gtest.h>

#include "emulator/products.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;
using testing::packet;

// The one reply to a packet (empty when there is none or more than one).
Bytes replyTo(DeviceFirmware& firmware, const Bytes& request) {
    auto replies = firmware.answer(request);
    return replies.size() == 1 ? replies.front() : Bytes{};
}

uint8_t statusOf(DeviceFirmware& firmware, const Bytes& request) {
    const Bytes reply = replyTo(firmware, request);
    return reply.size() == 64 ? reply[7] : 0;
}

TEST(DeviceFirmware, ReadDeviceInfoAnswersInTheReplyFormat) {
    auto keyboard = keyboardFirmware();
    // 0x78 0x50: product 5078; 0x05 0x01: version 1.05; 128 key positions;
    // 32 x 128 bytes of macro memory. Checksum 3 + 34 + 1 + 0x78 + 0x50 + 5 +
    // 1 + 0x80 + 0x20 = 0x194.
    EXPECT_EQ(replyTo(*keyboard, packet(3, 34)),
              frame({4, 0x94, 0x01, 3, 34, 0, 0, 1, 0x78, 0x50, 0x05, 0x01, 0x00, 0x80, 0x20}));
}

TEST(DeviceFirmware, AccessOutsideARegionIsAnError) {
    struct Case {
        const char* what;
        Bytes request;
        uint8_t status;
    };
    const Case cases[] = {
        {"settings read ending at the last byte", packet(5, 56, 200), kStatusAccepted},
        {"settings read past the end", packet(5, 6, 251), kStatusError},
        {"read longer than a packet's data", packet(5, 57, 0), kStatusError},
        {"settings write ending at the last byte", packet(6, 2, 254, {1, 2}), kStatusAccepted},
        {"settings write past the end", packet(6, 2, 255, {1, 2}), kStatusError},
        {"write longer than a packet's data", packet(6, 57, 0), kStatusError},
        {"address far beyond the region", packet(6, 1, 0xFFFF, {1}), kStatusError},
        {"device info read past its 34 bytes", packet(3, 34, 1), kStatusError},
        {"status block of 6 bytes", packet(26, 6, 0), kStatusAccepted},
        {"status block read of 7 bytes", packet(26, 7, 0), kStatusError},
        {"light frame of 512 bytes, last chunk", packet(18, 8, 504), kStatusAccepted},
        {"light frame past 512 bytes", packet(18, 9, 504), kStatusError},
        {"a command the product does not know", packet(99), kStatusRefused},
    };
    for (const auto& c : cases) {
        auto keyboard = keyboardFirmware();
        EXPECT_EQ(statusOf(*keyboard, c.request), c.status) << c.what;
    }
}

TEST(DeviceFirmware, RefusedWriteLeavesMemoryAlone) {
    auto keyboard = keyboardFirmware();
    const Bytes before = keyboard->memory(region::Settings);
    EXPECT_EQ(statusOf(*keyboard, packet(6, 2, 255, {7, 7})), kStatusError);
    Bytes badChecksum = packet(6, 2, 0, {7, 7});
    badChecksum[1] ^= 1;
    EXPECT_EQ(statusOf(*keyboard, badChecksum), kStatusError);
    EXPECT_EQ(keyboard->memory(region::Settings), before);
}

TEST(DeviceFirmware, WritesLandAtTheirAddressAndReadBack) {
    auto mouse = mouseFirmware();
    // Slot 3 from byte 80, beyond the 71 bytes of its block.
    ASSERT_EQ(statusOf(*mouse, packet(6, 3, 0x01D0, {0x11, 0x22, 0x33})), kStatusAccepted);
    const Bytes settings = mouse->memory(region::Settings);
    EXPECT_EQ(Bytes(settings.begin() + 0x1CF, settings.begin() + 0x1D4), (Bytes{0, 0x11, 0x22, 0x33, 0}));
    // 5 + 2 + 0xD1 + 0x01 + 1 + 0x22 + 0x33 = 0x12F
    EXPECT_EQ(replyTo(*mouse, packet(5, 2, 0x01D1)), frame({4, 0x2F, 0x01, 5, 2, 0xD1, 0x01, 1, 0x22, 0x33}));
}

TEST(DeviceFirmware, LightFramesFillTheFrameBuffer) {
    auto pad = mousePadFirmware();
    EXPECT_EQ(statusOf(*pad, packet(18, 3, 0, {0xFE, 0x1F, 0x00})), kStatusAccepted);
    EXPECT_EQ(statusOf(*pad, packet(18, 3, 42, {1, 2, 3})), kStatusAccepted);
    const Bytes frameBuffer = pad->memory(region::LightFrame);
    ASSERT_EQ(frameBuffer.size(), 512u);
    EXPECT_EQ(Bytes(frameBuffer.begin(), frameBuffer.begin() + 3), (Bytes{0xFE, 0x1F, 0x00}));
    EXPECT_EQ(Bytes(frameBuffer.begin() + 42, frameBuffer.begin() + 45), (Bytes{1, 2, 3}));
}

TEST(DeviceFirmware, SessionLeftOpenIsVisible) {
    auto headset = headsetFirmware();
    EXPECT_FALSE(headset->sessionOpen());
    EXPECT_EQ(replyTo(*headset, packet(1)), frame({4, 2, 0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE(headset->sessionOpen());
    EXPECT_EQ(statusOf(*headset, packet(6, 1, 0, {2})), kStatusAccepted);
    EXPECT_EQ(statusOf(*headset, packet(2)), kStatusAccepted);
    EXPECT_FALSE(headset->sessionOpen());
    statusOf(*headset, packet(1));
    EXPECT_TRUE(headset->sessionOpen()) << "begun, never ended";
    EXPECT_EQ(headset->sessionsBegun(), 2);
    EXPECT_EQ(headset->sessionsEnded(), 1);
}

TEST(DeviceFirmware, BrokenBeginSessionOpensNothing) {
    auto keyboard = keyboardFirmware();
    Bytes broken = packet(1);
    broken[2] = 1;
    EXPECT_EQ(replyTo(*keyboard, broken), frame({4, 0xFF, 0, 1, 0, 0, 0, 254}));
    EXPECT_FALSE(keyboard->sessionOpen());
}

TEST(DeviceFirmware, TakeLightControlIsAcknowledged) {
    auto keyboard = keyboardFirmware();
    EXPECT_EQ(replyTo(*keyboard, packet(28)), frame({4, 29, 0, 28, 0, 0, 0, 1}));
    EXPECT_EQ(keyboard->lightControlTaken(), 1);
}

TEST(DeviceFirmware, ReportsOtherThanCommandsGetNoReply) {
    auto headset = headsetFirmware();
    EXPECT_TRUE(headset->answer(Bytes{0xFF, 0x22, 0xAA, 0, 1, 2, 3}).empty());
    EXPECT_TRUE(headset->answer(Bytes{4, 1, 0}).empty());
}

TEST(DeviceFirmware, ProductsPlugInTheirOwnCommands) {
    auto mouse = mouseFirmware();
    mouse->setCommand(23, [](const Command& command, MemoryMap& memory) {
        const bool written = memory.write("settings", command.address, command.data.first(command.length));
        return CommandResult{written ? kStatusAccepted : kStatusError, {}};
    });
    EXPECT_EQ(statusOf(*mouse, packet(23, 2, 10, {5, 6})), kStatusAccepted);
    EXPECT_EQ(mouse->memory(region::Settings)[11], 6);
}

}  // namespace
}  // namespace viremo::emulator
