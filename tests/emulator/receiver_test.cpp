#include "emulator/receiver.h"

#include <gtest/gtest.h>

#include "emulator/products.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;
using testing::packet;

class ReceiverTest : public ::testing::Test {
protected:
    std::shared_ptr<DeviceFirmware> mouse = mouseFirmware();
    Receiver receiver{mouse};

    std::vector<Bytes> send(const Bytes& request) { return receiver.answer(request); }
};

TEST_F(ReceiverTest, QueryOnlineSaysWhetherTheDeviceIsReachable) {
    // 170 + status 1 + byte 8 255 = 0x1AA
    EXPECT_EQ(send(packet(170)), std::vector<Bytes>{frame({4, 0xAA, 0x01, 170, 0, 0, 0, 1, 0xFF})});
    receiver.setLinkUp(false);
    EXPECT_EQ(send(packet(170)), std::vector<Bytes>{frame({4, 0xAB, 0, 170, 0, 0, 0, 1, 0})});
}

TEST_F(ReceiverTest, LinkDownAnswersEveryOtherCommandWith170AndForwardsNothing) {
    receiver.setLinkUp(false);
    for (const Bytes& request : {packet(1), packet(3, 24), packet(6, 1, 0, {9}), packet(26, 6)})
        EXPECT_EQ(send(request), std::vector<Bytes>{frame({4, 0xAB, 0, 170, 0, 0, 0, 1})}) << int(request[3]);
    EXPECT_FALSE(mouse->sessionOpen());
    EXPECT_EQ(mouse->memory(region::Settings)[0], 0);
}

TEST_F(ReceiverTest, LinkUpForwardsToTheDeviceBehind) {
    // The 34-byte information block as the host reads it through the
    // receiver: 24 bytes, then 10. Mouse block: product 221C, version 1.10,
    // 11 buttons, 16 x 128 macro bytes, sensor 3325, DPI step 50, highest
    // level 88, lowest DPI 100.
    EXPECT_EQ(send(packet(3, 24, 0)),
              std::vector<Bytes>{frame({4, 0xCC, 0x01, 3, 24, 0, 0, 1, 0x1C, 0x22, 0x10, 0x01, 0x00, 0x0B, 0x10, 0x00,
                                 0x00, 0x25, 0x33, 0x32, 0x58, 0x00, 0x64, 0x00})});
    EXPECT_EQ(send(packet(3, 10, 24)), std::vector<Bytes>{frame({4, 0x26, 0, 3, 10, 24, 0, 1})});
    send(packet(1));
    EXPECT_TRUE(mouse->sessionOpen());
}

TEST_F(ReceiverTest, BrokenPacketIsAnsweredWithError) {
    Bytes broken = packet(170);
    broken[1] = 0;
    EXPECT_EQ(send(broken), std::vector<Bytes>{frame({4, 0xA8, 0x01, 170, 0, 0, 0, 254})});
}

}  // namespace
}  // namespace viremo::emulator
