// The hidraw connection over a packet socket pair standing in for the node:
// like hidraw, each write on the other end arrives as one whole report.
#include "hid/hidraw_connection.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "descriptors.h"
#include "hid/report_descriptor.h"

namespace viremo::hid {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

struct FakeNode {
    explicit FakeNode(const std::vector<uint8_t>& descriptor, size_t collection) {
        int fds[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
        device = fds[1];
        auto parsed = parseReportDescriptor(descriptor);
        connection = std::make_unique<HidrawConnection>(fds[0], 0x320F, 0x5078, 0x0102,
                                                        parsed.collections.at(collection));
    }
    ~FakeNode() { ::close(device); }

    void deviceSends(const Bytes& wire) const { ASSERT_EQ(::write(device, wire.data(), wire.size()), ssize_t(wire.size())); }
    Bytes hostWrote() const {
        Bytes wire(128);
        const ssize_t n = ::read(device, wire.data(), wire.size());
        wire.resize(n > 0 ? size_t(n) : 0);
        return wire;
    }

    int device = -1;
    std::unique_ptr<HidrawConnection> connection;
};

TEST(HidrawConnection, ReadsOnlyItsOwnCollectionsReports) {
    FakeNode node(testing::kCompositeDescriptor, 2);  // consumer control, id 3
    node.deviceSends({0x04, 0xAA, 0xBB});  // the command collection's
    node.deviceSends({0x01, 0x00, 0x00});  // the keyboard's
    node.deviceSends({0x03, 0x01, 0x04});
    Bytes buffer(3);
    size_t transferred = 0;
    ASSERT_EQ(node.connection->read(buffer, transferred, 1000), IoStatus::Done);
    EXPECT_EQ(buffer, (Bytes{0x03, 0x01, 0x04}));
    EXPECT_EQ(transferred, 3u);
    EXPECT_EQ(node.connection->read(buffer, transferred, 20), IoStatus::TimedOut);
}

TEST(HidrawConnection, AddsTheIdByteOnReadAndWritesReportsUnchanged) {
    FakeNode node(testing::kHeadsetDescriptor, 0);  // no report ids
    node.deviceSends({0x08});
    Bytes buffer(2);
    size_t transferred = 0;
    ASSERT_EQ(node.connection->read(buffer, transferred, 1000), IoStatus::Done);
    EXPECT_EQ(buffer, (Bytes{0x00, 0x08}));

    const Bytes report = {0x00, 0x12, 0x34};
    ASSERT_EQ(node.connection->write(report, transferred, 1000), IoStatus::Done);
    EXPECT_EQ(transferred, 3u);
    EXPECT_EQ(node.hostWrote(), report);  // hidraw wants the 0 in front
    EXPECT_EQ(node.connection->write(Bytes{0x01, 0x12, 0x34}, transferred, 1000), IoStatus::Failed);
}

TEST(HidrawConnection, PadsShortReportsToTheCollectionLength) {
    FakeNode node(testing::kCompositeDescriptor, 3);  // command collection, 64 bytes
    node.deviceSends({0x04, 0x11, 0x22});
    Bytes buffer(64, 0xEE);
    size_t transferred = 0;
    ASSERT_EQ(node.connection->read(buffer, transferred, 1000), IoStatus::Done);
    EXPECT_EQ(transferred, 64u);
    Bytes expected(64, 0);
    expected[0] = 0x04, expected[1] = 0x11, expected[2] = 0x22;
    EXPECT_EQ(buffer, expected);
}

TEST(HidrawConnection, TimesOutAndCancelWakesAndStays) {
    FakeNode node(testing::kCompositeDescriptor, 3);
    Bytes buffer(64);
    size_t transferred = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(node.connection->read(buffer, transferred, 1000), IoStatus::TimedOut);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 990ms);
    EXPECT_LT(waited, 2000ms);  // generous: the machine may be busy

    // The next read starts clean: a report sent now is read whole.
    node.deviceSends({0x04, 0x05});
    ASSERT_EQ(node.connection->read(buffer, transferred, 1000), IoStatus::Done);
    EXPECT_EQ(buffer[1], 0x05);

    std::jthread canceller([&] {
        std::this_thread::sleep_for(50ms);
        node.connection->cancel();
    });
    EXPECT_EQ(node.connection->read(buffer, transferred, -1), IoStatus::Cancelled);
    EXPECT_EQ(node.connection->read(buffer, transferred, -1), IoStatus::Cancelled);
    EXPECT_EQ(node.connection->write(Bytes(64, 0x04), transferred, 100), IoStatus::Cancelled);
}

TEST(HidrawConnection, DeviceGoneFailsTheRead) {
    FakeNode node(testing::kCompositeDescriptor, 3);
    ::shutdown(node.device, SHUT_RDWR);
    Bytes buffer(64);
    size_t transferred = 0;
    EXPECT_EQ(node.connection->read(buffer, transferred, 1000), IoStatus::Failed);
}

}  // namespace
}  // namespace viremo::hid
