#include "devices/protocol/command_channel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <numeric>

#include "devices/protocol/result_code.h"
#include "devices/protocol/session.h"
#include "platform/log.h"
#include "scripted_firmware.h"

namespace viremo::devices {
namespace {

using test_support::reply;
using test_support::Report;

// A 64-byte report that starts with `head` and is zero after it.
Report report(std::initializer_list<uint8_t> head, uint8_t fill = 0, size_t fillFrom = 64) {
    Report bytes{};
    std::fill(bytes.begin() + std::min<size_t>(fillFrom, 64), bytes.end(), fill);
    std::copy(head.begin(), head.end(), bytes.begin());
    return bytes;
}

std::vector<uint8_t> counting(size_t count, uint8_t first = 0) {
    std::vector<uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(CommandPacket, ChecksumIsTheSumOfBytesThreeToSixtyThreeLittleEndian) {
    EXPECT_EQ(buildPacket(Command::BeginSession, 0, 0), report({0x04, 0x01, 0x00, 0x01}));
    const std::vector<uint8_t> data{0x10, 0x20, 0x30};
    EXPECT_EQ(buildPacket(Command::WriteSettings, 0x0125, 3, data),
              report({0x04, 0x8F, 0x00, 0x06, 0x03, 0x25, 0x01, 0x00, 0x10, 0x20, 0x30}));
    // 6 + 56 + 56 x 255 = 0x3806
    const std::vector<uint8_t> full(56, 0xFF);
    EXPECT_EQ(buildPacket(Command::WriteSettings, 0, 56, full),
              report({0x04, 0x06, 0x38, 0x06, 0x38, 0x00, 0x00, 0x00}, 0xFF, 8));
}

class ChannelTest : public ::testing::Test {
protected:
    void open(ConnectionMode mode) {
        ASSERT_TRUE(channel.Attach(mode, device.path));
        channel.SetConnectionMode(mode);
    }

    test_support::ScriptedDevice device;
    CommandChannel channel{device.bus};
};

TEST_F(ChannelTest, DeviceInfoIsOnePacketOnTheCable) {
    open(ConnectionMode::Cable);
    device.firmware->dataByte = 0xAB;
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.ReadDeviceInfo(info), kSuccess);
    EXPECT_EQ(device.firmware->received(), std::vector<Report>{report({0x04, 0x25, 0x00, 0x03, 0x22})});
    EXPECT_TRUE(std::all_of(info.begin(), info.end(), [](uint8_t byte) { return byte == 0xAB; }));
}

TEST_F(ChannelTest, DeviceInfoIsTwoPacketsThroughTheReceiver) {
    open(ConnectionMode::Receiver);
    device.firmware->script({reply(0x03, 0, counting(24))});
    device.firmware->script({reply(0x03, 0, counting(10, 24))});
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.ReadDeviceInfo(info), kSuccess);
    const std::vector<Report> expected{report({0x04, 0x1B, 0x00, 0x03, 0x18, 0x00, 0x00}),
                                       report({0x04, 0x25, 0x00, 0x03, 0x0A, 0x18, 0x00})};
    EXPECT_EQ(device.firmware->received(), expected);
    const auto bytes = counting(34);
    EXPECT_TRUE(std::equal(info.begin(), info.end(), bytes.begin()));
}

TEST_F(ChannelTest, KeyTableWriteToAnotherPageIsRefusedWithoutSending) {
    open(ConnectionMode::Cable);
    const std::vector<uint8_t> table(512);
    EXPECT_EQ(channel.WriteKeyTable(1, table), kBadKeyTablePage);
    EXPECT_TRUE(device.firmware->received().empty());
}

TEST_F(ChannelTest, ReplyStatusGivesTheResult) {
    open(ConnectionMode::Cable);
    const struct {
        uint8_t status;
        int result;
    } cases[] = {{255, kRefused}, {254, kDeviceError}, {0, kSuccess}, {17, kSuccess}};
    const std::vector<uint8_t> settings{1};
    for (const auto& c : cases) {
        device.firmware->script({reply(0x06, c.status)});
        EXPECT_EQ(channel.WriteSettings(0, settings), c.result) << "status " << int(c.status);
    }
}

TEST_F(ChannelTest, SessionEndsOnEveryWayOut) {
    open(ConnectionMode::Cable);
    const Report begin = report({0x04, 0x01, 0x00, 0x01});
    const Report end = report({0x04, 0x02, 0x00, 0x02});
    const std::vector<uint8_t> settings{1};
    // A sequence that leaves after its first write fails, and one whose
    // BeginSession is refused: both end their session.
    const auto writeTwice = [&] {
        Session session(channel);
        if (session.Begun() != kSuccess) return session.Begun();
        if (const int result = channel.WriteSettings(0, settings); result != kSuccess) return result;
        return channel.WriteSettings(0, settings);
    };
    device.firmware->script({reply(0x01)});
    device.firmware->script({reply(0x06, 254)});
    EXPECT_EQ(writeTwice(), kDeviceError);
    const Report write = report({0x04, 0x08, 0x00, 0x06, 0x01, 0x00, 0x00, 0x00, 0x01});
    device.firmware->script({reply(0x01, 255)});
    EXPECT_EQ(writeTwice(), kRefused);
    EXPECT_EQ(device.firmware->received(), (std::vector<Report>{begin, write, end, begin, end}));
}

TEST_F(ChannelTest, ChunkedWriteStopsAtTheFirstFailure) {
    open(ConnectionMode::Receiver);
    device.firmware->script({reply(0x06, 254)});
    EXPECT_EQ(channel.WriteSettings(0, counting(60)), kDeviceError);
    EXPECT_EQ(device.firmware->received().size(), 1u);
}

TEST_F(ChannelTest, ReceiverAnsweringOneSeventyMeansTheDeviceIsUnreachable) {
    open(ConnectionMode::Receiver);
    device.firmware->script({reply(0xAA)});
    std::array<uint8_t, 1> value{};
    EXPECT_EQ(channel.ReadSettings(0, value), kUnreachable);
}

TEST_F(ChannelTest, OneStaleReplyIsReadPast) {
    open(ConnectionMode::Cable);
    std::array<uint8_t, 1> value{};
    // On the cable a 170 is just another command's reply.
    device.firmware->script({reply(0xAA), reply(0x05, 0, {0x42})});
    EXPECT_EQ(channel.ReadSettings(0, value), kSuccess);
    EXPECT_EQ(value[0], 0x42);
    // A second reply that does not match is taken as the answer.
    device.firmware->script({reply(0x07, 0, {0x01}), reply(0x09, 0, {0x02})});
    EXPECT_EQ(channel.ReadSettings(0, value), kSuccess);
    EXPECT_EQ(value[0], 0x02);
}

TEST_F(ChannelTest, ClosedOrSuspendedChannelSendsNothing) {
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.ReadDeviceInfo(info), kNotDone);
    EXPECT_EQ(channel.BeginSession(), kNotDone);
    open(ConnectionMode::Cable);
    channel.SetSuspended(true);
    EXPECT_EQ(channel.ReadDeviceInfo(info), kNotDone);
    EXPECT_EQ(channel.StreamLightFrame(info), kNotDone);
    channel.Detach();
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_EQ(channel.WriteMacroMemory(info), kNotDone);
    EXPECT_TRUE(device.firmware->received().empty());
}

TEST_F(ChannelTest, NoReplyWithinTheTimeOutGivesZero) {
    open(ConnectionMode::Cable);
    device.firmware->script({});
    std::array<uint8_t, 1> value{};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(channel.ReadSettings(0, value), kNotDone);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
}

TEST_F(ChannelTest, LightFrameStreamsInPayloadChunksWithoutLogging) {
    open(ConnectionMode::Cable);
    log::Capture capture;
    const std::vector<uint8_t> frame(384, 0x01);
    EXPECT_EQ(channel.StreamLightFrame(frame), kSuccess);
    const auto sent = device.firmware->received();
    ASSERT_EQ(sent.size(), 7u);  // 6 x 56 + 48
    EXPECT_EQ(sent.front(), report({0x04, 0x82, 0x00, 0x12, 0x38, 0x00, 0x00, 0x00}, 0x01, 8));
    Report last = report({0x04, 0xC3, 0x00, 0x12, 0x30, 0x50, 0x01, 0x00});
    std::fill(last.begin() + 8, last.begin() + 56, 0x01);
    EXPECT_EQ(sent.back(), last);
    EXPECT_TRUE(capture.lines().empty());
}

TEST_F(ChannelTest, LightFrameThroughTheReceiverSendsNothingAndSucceeds) {
    open(ConnectionMode::Receiver);
    const std::vector<uint8_t> frame(384, 0x01);
    EXPECT_EQ(channel.StreamLightFrame(frame), kSuccess);
    EXPECT_TRUE(device.firmware->received().empty());
}

TEST_F(ChannelTest, LightFrameIsDroppedWhileATransactionIsInProgress) {
    open(ConnectionMode::Cable);
    device.firmware->holdNextWrite();
    auto pending = std::async(std::launch::async, [&] {
        std::array<uint8_t, 1> value{};
        return channel.ReadSettings(0, value);
    });
    device.firmware->waitUntilHeld();
    {
        log::Capture capture;
        const std::vector<uint8_t> frame(3, 0x10);
        EXPECT_EQ(channel.StreamLightFrame(frame), kNotDone);
        EXPECT_TRUE(capture.contains("放弃灯光数据"));
    }
    device.firmware->release();
    EXPECT_EQ(pending.get(), kSuccess);
    EXPECT_EQ(device.firmware->received().size(), 1u);
}

// A failed write used to leave the channel busy, and every light frame after
// it was dropped.
TEST_F(ChannelTest, FailedWriteLeavesTheChannelIdle) {
    open(ConnectionMode::Cable);
    device.bus.unplug("node");
    std::array<uint8_t, 1> value{};
    EXPECT_EQ(channel.ReadSettings(0, value), kWriteFailed);
    EXPECT_FALSE(channel.IsBusy());

    device.plug();
    open(ConnectionMode::Cable);
    const std::vector<uint8_t> frame{0x10, 0x20, 0x30};
    EXPECT_EQ(channel.StreamLightFrame(frame), kSuccess);
    EXPECT_EQ(device.firmware->received(),
              std::vector<Report>{report({0x04, 0x75, 0x00, 0x12, 0x03, 0x00, 0x00, 0x00, 0x10, 0x20, 0x30})});
}

TEST_F(ChannelTest, QueryOnline) {
    open(ConnectionMode::Cable);
    EXPECT_TRUE(channel.QueryOnline());
    EXPECT_TRUE(device.firmware->received().empty());

    channel.SetConnectionMode(ConnectionMode::Receiver);
    ASSERT_TRUE(channel.Attach(ConnectionMode::Receiver, device.path));
    const struct {
        Report answer;
        bool online;
    } cases[] = {
        {reply(0xAA, 0, {255}), true},
        {reply(0xAA, 0, {0}), false},
        {reply(0xAA, 254, {255}), false},
        {reply(0xAA, 255, {255}), false},
    };
    for (const auto& c : cases) {
        device.firmware->script({c.answer});
        EXPECT_EQ(channel.QueryOnline(), c.online);
    }
    EXPECT_EQ(device.firmware->received().front(), report({0x04, 0xAA, 0x00, 0xAA}));
}

TEST_F(ChannelTest, BulkWritesTakeFiftySixBytesEvenThroughTheReceiver) {
    open(ConnectionMode::Receiver);
    EXPECT_EQ(channel.WriteBulk(std::vector<uint8_t>(60)), kSuccess);
    const std::vector<Report> expected{report({0x04, 0x4F, 0x00, 0x17, 0x38, 0x00, 0x00}),
                                       report({0x04, 0x53, 0x00, 0x17, 0x04, 0x38, 0x00})};
    EXPECT_EQ(device.firmware->received(), expected);
}

TEST_F(ChannelTest, LightPageGoesToItsPageAddress) {
    open(ConnectionMode::Cable);
    const std::vector<uint8_t> colours{1, 2, 3};
    EXPECT_EQ(channel.WriteLightPage(2, 512, colours), kSuccess);
    EXPECT_EQ(device.firmware->received(),
              std::vector<Report>{report({0x04, 0x18, 0x00, 0x0B, 0x03, 0x00, 0x04, 0x00, 1, 2, 3})});
}

TEST_F(ChannelTest, DataBeyondTheAddressSpaceIsRefusedUnsent) {
    open(ConnectionMode::Cable);
    EXPECT_EQ(channel.WriteSettings(0xFFF0, std::vector<uint8_t>(32)), kNotDone);
    std::array<uint8_t, 57> tooLong{};
    EXPECT_EQ(channel.ReadStatus(0, tooLong), kNotDone);
    EXPECT_TRUE(device.firmware->received().empty());
}

TEST_F(ChannelTest, PacketsAndRepliesAreLoggedInHexadecimal) {
    open(ConnectionMode::Cable);
    log::Capture capture;
    EXPECT_EQ(channel.BeginSession(), kSuccess);
    const std::string zeros = "00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00  "
                              "00 00 00 00  00 00 00 00  00 00 00 00";
    const std::vector<std::string> expected{
        "命令", "04 01 00 01  " + zeros, "00 00 00 00  " + zeros,
        "返回", "04 00 00 01  " + zeros, "00 00 00 00  " + zeros,
    };
    EXPECT_EQ(capture.lines(), expected);
}

}  // namespace
}  // namespace viremo::devices
