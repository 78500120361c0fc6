#include "emulator/interface_firmware.h"

#include <gtest/gtest.h>

#include "emulator/products.h"
#include "emulator/report_descriptors.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;
using testing::packet;

const Bytes kBeginSessionAccepted = frame({4, 2, 0, 1, 0, 0, 0, 1});

class InterfaceFirmwareTest : public ::testing::Test {
protected:
    void SetUp() override { port.connect(sent.sender()); }

    std::vector<Bytes> write(const Bytes& report) {
        port.onOutputReport(report);
        return sent.take();
    }

    std::shared_ptr<DeviceFirmware> keyboard = keyboardFirmware();
    InterfaceFirmware port{keyboard, kConsumerReportId};
    testing::Sent sent;
};

TEST_F(InterfaceFirmwareTest, LogsEveryReportExactlyAsWritten) {
    const Bytes ledReport{0x01, 0x02};
    EXPECT_EQ(write(packet(1)), std::vector<Bytes>{kBeginSessionAccepted});
    EXPECT_TRUE(write(ledReport).empty());
    EXPECT_EQ(port.receivedReports(), (std::vector<Bytes>{packet(1), ledReport}));
    port.clearLog();
    EXPECT_TRUE(port.receivedReports().empty());
}

TEST_F(InterfaceFirmwareTest, FaultsOnTheNextPacket) {
    struct Case {
        const char* what;
        Fault fault;
        std::vector<Bytes> replies;
        bool sessionOpened;
    };
    const Case cases[] = {
        {"no reply", {FaultKind::NoReply}, {}, false},
        // 1 + 255 = 0x100 and 1 + 254 = 0xFF
        {"refused", {FaultKind::Status, kAnyCommand, 255}, {frame({4, 0x00, 0x01, 1, 0, 0, 0, 255})}, false},
        {"error", {FaultKind::Status, kAnyCommand, 254}, {frame({4, 0xFF, 0, 1, 0, 0, 0, 254})}, false},
        {"stale reply first",
         {FaultKind::StaleReply, kAnyCommand, 0, 5},
         {frame({4, 6, 0, 5, 0, 0, 0, 1}), kBeginSessionAccepted},
         true},
    };
    for (const auto& c : cases) {
        keyboard = keyboardFirmware();
        InterfaceFirmware faulty{keyboard};
        faulty.connect(sent.sender());
        faulty.injectFault(c.fault);
        faulty.onOutputReport(packet(1));
        EXPECT_EQ(sent.take(), c.replies) << c.what;
        EXPECT_EQ(keyboard->sessionOpen(), c.sessionOpened) << c.what;
        faulty.onOutputReport(packet(1));
        EXPECT_EQ(sent.take(), std::vector<Bytes>{kBeginSessionAccepted}) << c.what << ": the fault is used up";
    }
}

TEST_F(InterfaceFirmwareTest, FaultWaitsForItsCommandAndRepeats) {
    port.injectFault({FaultKind::NoReply, 3}, 2);
    EXPECT_EQ(write(packet(1)).size(), 1u);
    EXPECT_TRUE(write(packet(3, 34)).empty());
    EXPECT_TRUE(write(packet(3, 34)).empty());
    EXPECT_EQ(write(packet(3, 34)).size(), 1u);

    port.injectFault({FaultKind::NoReply}, kForever);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(write(packet(1)).empty());
    port.clearFaults();
    EXPECT_EQ(write(packet(1)).size(), 1u);
}

TEST_F(InterfaceFirmwareTest, NotificationsCarryTheEventCode) {
    EXPECT_TRUE(port.sendNotification(0x0401));
    EXPECT_EQ(sent.take(), (std::vector<Bytes>{{3, 0x01, 0x04}}));

    InterfaceFirmware headsetPort{headsetFirmware(), kHeadsetConsumerReportId};
    headsetPort.connect(sent.sender());
    EXPECT_TRUE(headsetPort.sendNotification(0x1103));
    EXPECT_EQ(sent.take(), (std::vector<Bytes>{{1, 0x03, 0x11}}));

    InterfaceFirmware bootKeyboard;
    bootKeyboard.connect(sent.sender());
    EXPECT_FALSE(bootKeyboard.sendNotification(0x0401)) << "no consumer-control collection";
}

TEST_F(InterfaceFirmwareTest, NothingIsSentOnceDisconnected) {
    port.disconnect();
    EXPECT_FALSE(port.connected());
    EXPECT_FALSE(port.sendNotification(0x0401));
    port.onOutputReport(packet(1));
    EXPECT_TRUE(sent.take().empty());
}

}  // namespace
}  // namespace viremo::emulator
