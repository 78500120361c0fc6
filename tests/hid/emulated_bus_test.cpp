#include "hid/emulated_bus.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "descriptors.h"
#include "hid/hid_device.h"

namespace viremo::hid {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

// Answers every command report at once with the same bytes and the status
// byte 7 set to 1. It asks the bus questions from each of its calls: that
// would dead-lock if the bus held its lock while calling the firmware.
class EchoFirmware : public EmulatedInterface {
public:
    explicit EchoFirmware(EmulatedBus& bus) : bus_(bus) {}
    void connect(InputReportSender send) override {
        (void)bus_.enumeratePaths();
        send_ = std::move(send);
        ++connects;
    }
    void disconnect() override {
        (void)bus_.isPlugged("emu/hidraw0");
        send_ = nullptr;
        ++disconnects;
    }
    void onOutputReport(std::span<const uint8_t> report) override {
        written.assign(report.begin(), report.end());
        sawPlugged = bus_.isPlugged("emu/hidraw0");
        Bytes reply(report.begin(), report.end());
        if (reply.size() > 7) reply[7] = 1;
        send_(reply);
    }
    void send(const Bytes& report) { send_(report); }

    std::atomic<int> connects = 0;
    std::atomic<int> disconnects = 0;
    Bytes written;
    bool sawPlugged = false;

private:
    EmulatedBus& bus_;
    InputReportSender send_;
};

class EmulatedBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        keyboard = std::make_shared<EchoFirmware>(bus);
        ASSERT_TRUE(bus.plug({"emu/hidraw0", 0x320F, 0x5078, 0x0102, 1, testing::kCompositeDescriptor, keyboard}));
    }

    static Bytes commandReport() {
        Bytes report(64, 0);
        report[0] = 4;
        report[3] = 0x11;
        return report;
    }

    EmulatedBus bus;
    std::shared_ptr<EchoFirmware> keyboard;
    const std::string consumerPath = "emu/hidraw0#vid_320f&pid_5078&mi_01&col03";
    const std::string commandPath = "emu/hidraw0#vid_320f&pid_5078&mi_01&col04";
};

TEST_F(EmulatedBusTest, ListsOneInterfacePerCollectionWithItsRecord) {
    EXPECT_EQ(keyboard->connects, 1);
    const std::vector<std::string> expected = {
        "emu/hidraw0#vid_320f&pid_5078&mi_01&col01", "emu/hidraw0#vid_320f&pid_5078&mi_01&col02",
        consumerPath, commandPath};
    HidDevice device(bus);
    ASSERT_TRUE(device.EnumerateInterfaces());
    for (const auto& path : expected) EXPECT_EQ(device.NextInterfacePath(), path);
    EXPECT_EQ(device.NextInterfacePath(), std::nullopt);

    ASSERT_TRUE(device.Open(commandPath, true, true, true, false));
    EXPECT_EQ(device.VendorId(), 0x320F);
    EXPECT_EQ(device.ProductId(), 0x5078);
    EXPECT_EQ(device.VersionNumber(), 0x0102);
    EXPECT_EQ(device.UsagePage(), 0xFF1C);
    EXPECT_EQ(device.Usage(), 0x92);
    EXPECT_EQ(device.InputReportByteLength(), 64);
    EXPECT_EQ(device.OutputReportByteLength(), 64);
    EXPECT_EQ(device.InterfaceNumber(), 1u);
    EXPECT_EQ(device.CollectionNumber(), 4u);
    EXPECT_EQ(device.InputReportBuffer().size(), 64u);
}

TEST_F(EmulatedBusTest, WriteReachesTheFirmwareAndTheReplyOnlyItsCollection) {
    HidDevice command(bus), consumer(bus);
    ASSERT_TRUE(command.Open(commandPath, true, true, true, false));
    ASSERT_TRUE(consumer.Open(consumerPath, true, false, true, false));

    const Bytes report = commandReport();
    size_t written = 0;
    ASSERT_TRUE(command.Write(report.data(), report.size(), &written, 1000));
    EXPECT_EQ(written, 64u);
    EXPECT_EQ(keyboard->written, report);
    EXPECT_TRUE(keyboard->sawPlugged);

    Bytes reply(64);
    size_t read = 0;
    ASSERT_TRUE(command.Read(reply.data(), reply.size(), &read, 1000));
    EXPECT_EQ(read, 64u);
    EXPECT_EQ(reply[3], 0x11);
    EXPECT_EQ(reply[7], 1);
    // The consumer collection saw nothing of it.
    Bytes other(3);
    EXPECT_FALSE(consumer.Read(other.data(), other.size(), &read, 50));

    // A consumer report (id 3) reaches only the consumer reader, at its
    // collection's length.
    keyboard->send({0x03, 0x01, 0x04});
    ASSERT_TRUE(consumer.Read(other.data(), other.size(), &read, 1000));
    EXPECT_EQ(other, (Bytes{0x03, 0x01, 0x04}));
    EXPECT_FALSE(command.Read(reply.data(), reply.size(), &read, 50));
    EXPECT_EQ(read, 0u);
}

TEST_F(EmulatedBusTest, RefusesReportsThatDoNotFitTheCollection) {
    HidDevice command(bus), consumer(bus);
    ASSERT_TRUE(command.Open(commandPath, true, true, true, false));
    ASSERT_TRUE(consumer.Open(consumerPath, true, false, true, false));
    Bytes report = commandReport();
    size_t written = 7;
    EXPECT_FALSE(command.Write(report.data(), 63, &written, 100));  // shorter than the output report
    EXPECT_EQ(written, 0u);
    report[0] = 3;                                                   // not an output id of this collection
    EXPECT_FALSE(command.Write(report.data(), report.size(), &written, 100));
    EXPECT_FALSE(consumer.Write(report.data(), report.size(), &written, 100));  // opened without write
    Bytes small(10);
    EXPECT_FALSE(command.Read(small.data(), small.size(), &written, 10));  // buffer below the input length
}

TEST_F(EmulatedBusTest, TimedOutReadFailsAfterItsTimeAndTheNextStartsClean) {
    HidDevice command(bus);
    ASSERT_TRUE(command.Open(commandPath, true, true, true, false));
    Bytes reply(64);
    size_t read = 99;
    const auto start = Clock::now();
    EXPECT_FALSE(command.Read(reply.data(), reply.size(), &read, 1000));
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 990ms);
    EXPECT_LT(waited, 2000ms);  // generous: the machine may be busy
    EXPECT_EQ(read, 0u);

    Bytes late = commandReport();
    late[3] = 0x22;
    keyboard->send(late);
    ASSERT_TRUE(command.Read(reply.data(), reply.size(), &read, 1000));
    EXPECT_EQ(reply, late);
}

TEST_F(EmulatedBusTest, CloseWakesABlockedReadAtOnce) {
    HidDevice command(bus);
    ASSERT_TRUE(command.Open(commandPath, true, true, true, false));
    std::atomic<bool> result = true;
    std::atomic<int64_t> returnedAt = 0;
    std::jthread reader([&] {
        Bytes reply(64);
        size_t read = 0;
        result = command.Read(reply.data(), reply.size(), &read, kInfinite);
        returnedAt = Clock::now().time_since_epoch().count();
    });
    std::this_thread::sleep_for(100ms);
    const auto closedAt = Clock::now();
    command.Close();
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_LT(Clock::time_point(Clock::duration(returnedAt.load())) - closedAt, 500ms);
    EXPECT_FALSE(command.IsOpen());
}

TEST_F(EmulatedBusTest, UnplugFailsTransfersAndPlugAgainComesBack) {
    auto monitor = bus.monitorChanges();
    EXPECT_FALSE(monitor->waitForChange(0));

    HidDevice command(bus);
    ASSERT_TRUE(command.Open(commandPath, true, true, true, false));
    std::atomic<bool> result = true;
    std::jthread reader([&] {
        Bytes reply(64);
        size_t read = 0;
        result = command.Read(reply.data(), reply.size(), &read, kInfinite);
    });
    std::this_thread::sleep_for(50ms);
    bus.unplug("emu/hidraw0");
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_EQ(keyboard->disconnects, 1);
    EXPECT_TRUE(monitor->waitForChange(1000));
    EXPECT_TRUE(bus.enumeratePaths().empty());

    const Bytes report = commandReport();
    size_t written = 0;
    EXPECT_FALSE(command.Write(report.data(), report.size(), &written, 100));
    HidDevice probe(bus);
    EXPECT_FALSE(probe.Open(commandPath, true, false, true, false));
    EXPECT_EQ(probe.LastOpenError(), OpenError::NotFound);

    ASSERT_TRUE(bus.plug({"emu/hidraw0", 0x320F, 0x5078, 0, 1, testing::kCompositeDescriptor, keyboard}));
    EXPECT_TRUE(monitor->waitForChange(1000));
    EXPECT_EQ(keyboard->connects, 2);
    ASSERT_TRUE(probe.Open(commandPath, false, false, true, false));  // a presence query
    EXPECT_TRUE(probe.IsOpen());
}

TEST_F(EmulatedBusTest, RefusesATakenNodeAndABrokenDescriptor) {
    auto other = std::make_shared<EchoFirmware>(bus);
    EXPECT_FALSE(bus.plug({"emu/hidraw0", 0x320F, 0x221C, 0, 1, testing::kCompositeDescriptor, other}));
    EXPECT_FALSE(bus.plug({"emu/hidraw1", 0x320F, 0x221C, 0, 1, {0xA1, 0x01}, other}));
    EXPECT_EQ(other->connects, 0);
    EXPECT_EQ(bus.enumeratePaths().size(), 4u);
}

TEST(EmulatedBus, ReportsWithoutIdsCarryIdZeroBothWays) {
    EmulatedBus bus;
    auto headset = std::make_shared<EchoFirmware>(bus);
    ASSERT_TRUE(bus.plug({"emu/hidraw1", 0x0C76, 0x1630, 0, 3, testing::kHeadsetDescriptor, headset}));
    const std::string path = "emu/hidraw1#vid_0c76&pid_1630&mi_03";
    ASSERT_EQ(bus.enumeratePaths(), std::vector<std::string>{path});

    HidDevice device(bus);
    ASSERT_TRUE(device.Open(path, true, true, true, false));
    EXPECT_EQ(device.InterfaceNumber(), 3u);
    EXPECT_EQ(device.CollectionNumber(), 0u);
    const Bytes report = {0x00, 0x12, 0x34};
    size_t count = 0;
    ASSERT_TRUE(device.Write(report.data(), report.size(), &count, 100));
    EXPECT_EQ(headset->written, report);

    bus.sendInputReport("emu/hidraw1", Bytes{0x00, 0x08});  // mute (CD) pressed
    Bytes input(2);
    ASSERT_TRUE(device.Read(input.data(), input.size(), &count, 100));
    ASSERT_TRUE(device.Read(input.data(), input.size(), &count, 100));
    EXPECT_EQ(input, (Bytes{0x00, 0x08}));
    ASSERT_TRUE(device.UnpackInputReport(input.data(), input.size()));
    EXPECT_EQ(device.InputUsageData().at(0).usagesOn.at(0), 0xCD);
}

}  // namespace
}  // namespace viremo::hid
