#include "emulator/demo_set.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "emulator/products.h"
#include "hid/usage_data.h"
#include "wire.h"

namespace viremo::emulator {
namespace {

using testing::Bytes;
using testing::frame;
using testing::packet;

class DemoSetTest : public ::testing::Test {
protected:
    std::unique_ptr<hid::Connection> open(const std::string& path) {
        return bus.open(path, {.read = true, .write = true, .exclusive = false});
    }

    // One exchange over the bus: write the packet, read one report.
    Bytes exchange(hid::Connection& connection, const Bytes& request) {
        size_t transferred = 0;
        if (connection.write(request, transferred, 1000) != hid::IoStatus::Done) return {};
        return readOne(connection);
    }

    Bytes readOne(hid::Connection& connection, int timeoutMs = 1000) {
        Bytes buffer(connection.collection().inputReportByteLength);
        size_t transferred = 0;
        if (connection.read(buffer, transferred, timeoutMs) != hid::IoStatus::Done) return {};
        buffer.resize(transferred);
        return buffer;
    }

    hid::EmulatedBus bus;
    DemoSet set = plugDemoSet(bus);
};

const char* const kKeyboardCommand = "emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col04";
const char* const kKeyboardConsumer = "emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col03";
const char* const kMouseReceiverCommand = "emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col04";
const char* const kHeadset = "emulated/headset/if3#vid_0c76&pid_1630&mi_03";

TEST_F(DemoSetTest, PresentsTheInterfacesAndCollectionsOfEachProduct) {
    auto paths = bus.enumeratePaths();
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> expected{kHeadset};
    for (const std::string product : {"keyboard/if0#vid_320f&pid_5078", "mouse-pad/if0#vid_320f&pid_1004",
                                      "mouse-receiver/if0#vid_320f&pid_221d"}) {
        const std::string stem = "emulated/" + product.substr(0, product.find('/'));
        const std::string ids = product.substr(product.find('#'));
        expected.push_back(stem + "/if0" + ids + "&mi_00");
        for (int col = 1; col <= 4; ++col)
            expected.push_back(stem + "/if1" + ids + "&mi_01&col0" + std::to_string(col));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths, expected);

    struct Case {
        const char* path;
        uint16_t usagePage, usage, inputLength, outputLength;
    };
    const Case cases[] = {
        {kKeyboardCommand, 0xFF1C, 0x92, 64, 64},
        {kKeyboardConsumer, 0x000C, 0x01, 3, 0},
        {kMouseReceiverCommand, 0xFF1C, 0x92, 64, 64},
        {kHeadset, 0x000C, 0x01, 64, 64},
    };
    for (const auto& c : cases) {
        auto connection = open(c.path);
        ASSERT_TRUE(connection) << c.path;
        const auto& collection = connection->collection();
        EXPECT_EQ(collection.usagePage, c.usagePage) << c.path;
        EXPECT_EQ(collection.usage, c.usage) << c.path;
        EXPECT_EQ(collection.inputReportByteLength, c.inputLength) << c.path;
        EXPECT_EQ(collection.outputReportByteLength, c.outputLength) << c.path;
    }
}

TEST_F(DemoSetTest, CommandsTravelTheBus) {
    auto keyboard = open(kKeyboardCommand);
    ASSERT_TRUE(keyboard);
    EXPECT_EQ(exchange(*keyboard, packet(1)), frame({4, 2, 0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE(set.keyboard->sessionOpen());
    EXPECT_EQ(set.keyboardUsb.commandInterface()->receivedReports(), std::vector<Bytes>{packet(1)});

    auto headset = open(kHeadset);
    ASSERT_TRUE(headset);
    EXPECT_EQ(exchange(*headset, packet(2)), frame({4, 3, 0, 2, 0, 0, 0, 1}));
}

TEST_F(DemoSetTest, MouseReachedThroughItsReceiverUntilTheLinkDrops) {
    auto receiver = open(kMouseReceiverCommand);
    ASSERT_TRUE(receiver);
    EXPECT_EQ(exchange(*receiver, packet(170)), frame({4, 0xAA, 0x01, 170, 0, 0, 0, 1, 0xFF}));
    set.mouseReceiver->setLinkUp(false);
    EXPECT_EQ(exchange(*receiver, packet(1)), frame({4, 0xAB, 0, 170, 0, 0, 0, 1}));
    EXPECT_FALSE(set.mouse->sessionOpen());
}

TEST_F(DemoSetTest, NotificationsReachOnlyTheConsumerCollection) {
    auto consumer = open(kKeyboardConsumer);
    auto command = open(kKeyboardCommand);
    ASSERT_TRUE(consumer && command);
    EXPECT_TRUE(set.keyboardUsb.commandInterface()->sendNotification(0x0401));
    EXPECT_EQ(readOne(*consumer), (Bytes{3, 0x01, 0x04}));
    EXPECT_TRUE(readOne(*command, 50).empty());
}

// The host's notification readers take the event code from the first usage
// record of the consumer-control collection.
TEST_F(DemoSetTest, EventCodesUnpackFromTheConsumerCollections) {
    struct Case {
        const char* path;
        std::shared_ptr<InterfaceFirmware> port;
        uint16_t code;
    };
    const Case cases[] = {
        {kKeyboardConsumer, set.keyboardUsb.commandInterface(), 0x0401},
        {"emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col03", set.mouseReceiverUsb.commandInterface(), 0x11F3},
        {kHeadset, set.headsetUsb.commandInterface(), 0x0401},
    };
    for (const auto& c : cases) {
        auto consumer = open(c.path);
        ASSERT_TRUE(consumer) << c.path;
        ASSERT_TRUE(c.port->sendNotification(c.code));
        const Bytes report = readOne(*consumer);
        auto records = hid::buildInputUsageData(consumer->collection());
        ASSERT_TRUE(hid::unpackInputReport(consumer->collection(), report, records)) << c.path;
        ASSERT_FALSE(records.empty());
        ASSERT_FALSE(records.front().usagesOn.empty()) << c.path;
        EXPECT_EQ(records.front().usagesOn.front(), c.code) << c.path;
    }
}

TEST_F(DemoSetTest, MouseButtonsReachTheHostThroughTheReceiver) {
    auto consumer = open("emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col03");
    ASSERT_TRUE(consumer);
    ASSERT_TRUE(set.mouseHandle->pressDpiButton());
    EXPECT_EQ(readOne(*consumer), (Bytes{3, 0x20, 0x11})) << "stage 2 of profile 0";
    EXPECT_EQ(set.mouse->memory(region::Settings)[12], 2) << "the firmware the receiver serves";
}

TEST_F(DemoSetTest, UnpluggedProductDisappears) {
    set.mousePadUsb.unplug(bus);
    for (const auto& path : bus.enumeratePaths()) EXPECT_EQ(path.find("pid_1004"), std::string::npos) << path;
    EXPECT_FALSE(set.mousePadUsb.commandInterface()->connected());
    EXPECT_TRUE(set.mousePadUsb.plug(bus)) << "and comes back";
    EXPECT_TRUE(set.mousePadUsb.commandInterface()->connected());
}

}  // namespace
}  // namespace viremo::emulator
