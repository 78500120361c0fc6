// The command channel and the device object against the emulated products,
// whose firmware is written separately from the host side.
#include <gtest/gtest.h>

#include "devices/protocol/command_channel.h"
#include "devices/protocol/result_code.h"
#include "devices/vendrake_usb_device.h"
#include "emulator/demo_set.h"
#include "emulator/products.h"

namespace viremo::devices {
namespace {

using emulator::Fault;
using emulator::FaultKind;
using Bytes = std::vector<uint8_t>;

Bytes packet(std::initializer_list<uint8_t> head) {
    Bytes bytes(64, 0);
    std::copy(head.begin(), head.end(), bytes.begin());
    return bytes;
}

class EmulatedProductsTest : public ::testing::Test {
protected:
    std::string commandPath(const std::string& productId) {
        for (const auto& path : bus.enumeratePaths())
            if (path.find("pid_" + productId) != std::string::npos && path.find("&col04") != std::string::npos)
                return path;
        return {};
    }
    void open(CommandChannel& channel, const std::string& productId, ConnectionMode mode) {
        ASSERT_TRUE(channel.Attach(mode, commandPath(productId)));
        channel.SetConnectionMode(mode);
    }

    hid::EmulatedBus bus;
    emulator::DemoSet demo = emulator::plugDemoSet(bus);
    CommandChannel channel{bus};
};

TEST_F(EmulatedProductsTest, KeyboardInformationInOnePacketOnTheCable) {
    open(channel, "5078", ConnectionMode::Cable);
    std::array<uint8_t, 34> info{};
    ASSERT_EQ(channel.ReadDeviceInfo(info), kSuccess);
    EXPECT_EQ(Bytes(info.begin(), info.end()), demo.keyboard->memory(emulator::region::DeviceInfo));
    EXPECT_EQ(demo.keyboardUsb.commandInterface()->receivedReports(),
              std::vector<Bytes>{packet({0x04, 0x25, 0x00, 0x03, 0x22})});
}

TEST_F(EmulatedProductsTest, MouseInformationInTwoPacketsThroughTheReceiver) {
    open(channel, "221d", ConnectionMode::Receiver);
    EXPECT_TRUE(channel.QueryOnline());
    demo.mouseReceiverUsb.commandInterface()->clearLog();
    std::array<uint8_t, 34> info{};
    ASSERT_EQ(channel.ReadDeviceInfo(info), kSuccess);
    EXPECT_EQ(Bytes(info.begin(), info.end()), demo.mouse->memory(emulator::region::DeviceInfo));
    const std::vector<Bytes> expected{packet({0x04, 0x1B, 0x00, 0x03, 0x18, 0x00, 0x00}),
                                      packet({0x04, 0x25, 0x00, 0x03, 0x0A, 0x18, 0x00})};
    EXPECT_EQ(demo.mouseReceiverUsb.commandInterface()->receivedReports(), expected);
}

TEST_F(EmulatedProductsTest, MouseOutOfReachOfItsReceiver) {
    open(channel, "221d", ConnectionMode::Receiver);
    demo.mouseReceiver->setLinkUp(false);
    EXPECT_FALSE(channel.QueryOnline());
    std::array<uint8_t, 34> info{};
    EXPECT_EQ(channel.ReadDeviceInfo(info), kUnreachable);
    demo.mouseReceiver->setLinkUp(true);
    EXPECT_TRUE(channel.QueryOnline());
}

TEST_F(EmulatedProductsTest, FaultsOfTheFirmwareGiveTheirResults) {
    open(channel, "5078", ConnectionMode::Cable);
    auto& wire = *demo.keyboardUsb.commandInterface();
    std::array<uint8_t, 6> status{};
    wire.injectFault({FaultKind::Status, emulator::kAnyCommand, 254});
    EXPECT_EQ(channel.ReadStatus(0, status), kDeviceError);
    wire.injectFault({FaultKind::Status, emulator::kAnyCommand, 255});
    EXPECT_EQ(channel.ReadStatus(0, status), kRefused);
    wire.injectFault({FaultKind::StaleReply, emulator::kAnyCommand, 0, 0x05});
    EXPECT_EQ(channel.ReadStatus(0, status), kSuccess);
    EXPECT_EQ(Bytes(status.begin(), status.end()), demo.keyboard->memory(emulator::region::Status));
}

TEST_F(EmulatedProductsTest, SessionsAndLightControl) {
    CVendrakeUSBDevice keyboard(bus);
    InterfaceRecord identity;
    identity.modelId = kModelWiredKeyboard;
    keyboard.SetIdentity(identity);
    open(keyboard.Channel(), "5078", ConnectionMode::Cable);
    EXPECT_EQ(keyboard.Channel().BeginSession(), kSuccess);
    EXPECT_TRUE(demo.keyboard->sessionOpen());
    EXPECT_EQ(keyboard.Channel().EndSession(), kSuccess);
    EXPECT_FALSE(demo.keyboard->sessionOpen());
    keyboard.SetLightingControl(true);
    EXPECT_EQ(demo.keyboard->lightControlTaken(), 1);
}

TEST_F(EmulatedProductsTest, MousePadLightFrameReachesTheFirmware) {
    CVendrakeUSBDevice pad(bus);
    // The pad keeps the channel's default packet size: 45 bytes in 24 + 21.
    ASSERT_TRUE(pad.Channel().Attach(ConnectionMode::Cable, commandPath("1004")));
    pad.SetLightCount(15);
    pad.SetLightingControl(true);
    pad.SetLightColour(0, {255, 32, 0, 255});
    pad.SetLightColour(14, {0, 0, 200, 128});
    pad.SendLightFrame();
    const Bytes frame = demo.mousePad->memory(emulator::region::LightFrame);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 3), (Bytes{0xFE, 0x1F, 0x00}));
    EXPECT_EQ(Bytes(frame.begin() + 42, frame.begin() + 45), (Bytes{0x00, 0x00, 0x64}));
    const auto sent = demo.mousePadUsb.commandInterface()->receivedReports();
    ASSERT_EQ(sent.size(), 2u);
    // Bytes 24-44 from address 0x18; checksum 0x12 + 0x15 + 0x18 + 0x64 (light 14's blue) = 0xA3.
    EXPECT_EQ(Bytes(sent[1].begin(), sent[1].begin() + 8), (Bytes{0x04, 0xA3, 0x00, 0x12, 0x15, 0x18, 0x00, 0x00}));
}

}  // namespace
}  // namespace viremo::devices
