#include "emulator/command_packet.h"

#include <gtest/gtest.h>

#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;

TEST(CommandPacket, ChecksumCoversBytesThreeToSixtyThree) {
    struct Case {
        const char* what;
        Bytes packet;
        uint16_t checksum;
    };
    Bytes zeroCommandOne = frame({4, 0, 0, 1});
    Bytes idAndChecksumIgnored = frame({4, 0xAA, 0xBB, 1});
    // 6 + 2 + 0x02 + 0x01 + 0xFF + 0xFF = 521 = 0x0209
    Bytes settingsWrite = frame({4, 0, 0, 6, 2, 0x02, 0x01, 0, 0xFF, 0xFF});
    // 61 bytes of 0xFF: 61 x 255 = 15555 = 0x3CC3
    Bytes allOnes(64, 0xFF);
    allOnes[0] = 4;
    const Case cases[] = {
        {"all-zero command 1", zeroCommandOne, 1},
        {"report id and checksum bytes excluded", idAndChecksumIgnored, 1},
        {"command, length, address and data summed", settingsWrite, 0x0209},
        {"every counted byte 255", allOnes, 0x3CC3},
    };
    for (const auto& c : cases) EXPECT_EQ(packetChecksum(c.packet), c.checksum) << c.what;
}

TEST(CommandPacket, IntactOnlyWithIdFourSixtyFourBytesAndMatchingChecksum) {
    EXPECT_TRUE(isIntactPacket(frame({4, 1, 0, 1})));
    EXPECT_FALSE(isIntactPacket(frame({4, 2, 0, 1}))) << "checksum off by one";
    EXPECT_FALSE(isIntactPacket(frame({4, 0, 1, 1}))) << "checksum bytes swapped";
    EXPECT_FALSE(isIntactPacket(frame({3, 1, 0, 1}))) << "another report id";
    Bytes shortPacket = frame({4, 1, 0, 1});
    shortPacket.resize(63);
    EXPECT_FALSE(isIntactPacket(shortPacket));
}

TEST(CommandPacket, ReplyRepeatsCommandLengthAddressAndCarriesStatusAndData) {
    const auto command = commandOf(frame({4, 0, 0, 5, 3, 0x34, 0x12}));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->address, 0x1234);
    const uint8_t data[] = {0xA1, 0xB2, 0xC3};
    // checksum: 5 + 3 + 0x34 + 0x12 + 1 + 0xA1 + 0xB2 + 0xC3 = 613 = 0x0265
    EXPECT_EQ(buildReply(*command, kStatusAccepted, data),
              frame({4, 0x65, 0x02, 5, 3, 0x34, 0x12, 1, 0xA1, 0xB2, 0xC3}));
    EXPECT_EQ(buildBareReply(170, kStatusAccepted), frame({4, 0xAB, 0, 170, 0, 0, 0, 1}));
}

TEST(CommandPacket, ShortOrForeignReportsCarryNoCommand) {
    EXPECT_FALSE(commandOf(Bytes{4, 0, 0, 1}));
    EXPECT_FALSE(commandOf(frame({3, 0, 0, 1})));
    // A long report is read only as far as the packet reaches.
    Bytes longReport = frame({4, 0, 0, 1});
    longReport.resize(80, 0xEE);
    ASSERT_TRUE(commandOf(longReport));
    EXPECT_EQ(commandOf(longReport)->data.size(), 56u);
}

}  // namespace
}  // namespace viremo::emulator
