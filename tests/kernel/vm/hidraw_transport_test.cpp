// HidDevice over the hidraw backend, against the emulated keyboard plugged
// into the kernel through uhid: paths, capabilities, reports both ways, the
// report-id filter, time-outs, Close and unplug.
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <future>

#include "emulator/uhid_products.h"
#include "hid/emulated_bus.h"
#include "plugged_keyboard.h"

namespace viremo::kernel_tests {
namespace {

using Clock = std::chrono::steady_clock;

// A command packet: id 4, checksum of bytes 3..63, command, length, address.
Bytes commandPacket(uint8_t command, uint8_t length) {
    Bytes packet(64, 0);
    packet[0] = 4;
    packet[3] = command;
    packet[4] = length;
    unsigned sum = 0;
    for (size_t i = 3; i < packet.size(); ++i) sum += packet[i];
    packet[1] = uint8_t(sum);
    packet[2] = uint8_t(sum >> 8);
    return packet;
}

// Reads the keyboard's device information (command 3, 34 bytes): product
// 5078, version 1.05, 128 key positions, 32 units of macro memory; status 1;
// checksum 3 + 34 + 1 + 0x78 + 0x50 + 5 + 1 + 0x80 + 0x20 = 0x194.
const Bytes kReadDeviceInfo = commandPacket(3, 34);
Bytes deviceInfoReply() {
    Bytes reply{4, 0x94, 0x01, 3, 34, 0, 0, 1, 0x78, 0x50, 0x05, 0x01, 0x00, 0x80, 0x20};
    reply.resize(64, 0);
    return reply;
}

class HidrawThroughUhid : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(keyboard.plugged) << keyboard.failure; }

    // Opens one interface of the keyboard for reading and writing.
    void open(hid::HidDevice& device, const std::string& suffix) {
        const std::string path = keyboard.path(suffix);
        ASSERT_FALSE(path.empty()) << suffix;
        ASSERT_TRUE(device.Open(path, true, true, true, false)) << path;
    }

    PluggedKeyboard keyboard;
};

TEST_F(HidrawThroughUhid, InterfacesHaveTheirUsbInterfaceAndCollectionInThePath) {
    std::vector<std::string> suffixes;
    for (const auto& path : keyboard.paths) {
        EXPECT_EQ(path.rfind("/dev/hidraw", 0), 0u) << path;
        suffixes.push_back(withoutNode(path));
    }
    EXPECT_EQ(suffixes, (std::vector<std::string>{
                            "#vid_320f&pid_5078&mi_00",
                            "#vid_320f&pid_5078&mi_01&col01",
                            "#vid_320f&pid_5078&mi_01&col02",
                            "#vid_320f&pid_5078&mi_01&col03",
                            "#vid_320f&pid_5078&mi_01&col04",
                        }));
    // The collections of interface 1 share one node; interface 0 has its own.
    const auto node = [](const std::string& path) { return path.substr(0, path.find('#')); };
    EXPECT_EQ(node(keyboard.path("&col01")), node(keyboard.path("&col04")));
    EXPECT_NE(node(keyboard.path("&mi_00")), node(keyboard.path("&col04")));
}

// Every interface reads the same through hidraw as on the emulated bus, where
// the same product is plugged: ids, usages, report lengths, numbers. (Not the
// version: a uhid device has no USB device in sysfs to carry bcdDevice.)
TEST_F(HidrawThroughUhid, CapabilitiesMatchTheEmulatedBus) {
    hid::EmulatedBus bus;
    const auto product = emulator::keyboardOnCable(emulator::keyboardFirmware());
    ASSERT_TRUE(product.plug(bus));
    const auto busPaths = keyboardPaths(bus);
    ASSERT_EQ(busPaths.size(), kKeyboardInterfacePaths);

    for (size_t i = 0; i < busPaths.size(); ++i) {
        SCOPED_TRACE(keyboard.paths[i]);
        ASSERT_EQ(withoutNode(busPaths[i]), withoutNode(keyboard.paths[i]));
        hid::HidDevice real;
        hid::HidDevice emulated(bus);
        ASSERT_TRUE(real.Open(keyboard.paths[i], true, false, true, false));
        ASSERT_TRUE(emulated.Open(busPaths[i], true, false, true, false));
        EXPECT_EQ(real.VendorId(), emulated.VendorId());
        EXPECT_EQ(real.ProductId(), emulated.ProductId());
        EXPECT_EQ(real.UsagePage(), emulated.UsagePage());
        EXPECT_EQ(real.Usage(), emulated.Usage());
        EXPECT_EQ(real.InputReportByteLength(), emulated.InputReportByteLength());
        EXPECT_EQ(real.OutputReportByteLength(), emulated.OutputReportByteLength());
        EXPECT_EQ(real.FeatureReportByteLength(), emulated.FeatureReportByteLength());
        EXPECT_EQ(real.InterfaceNumber(), emulated.InterfaceNumber());
        EXPECT_EQ(real.CollectionNumber(), emulated.CollectionNumber());
    }

    hid::HidDevice command;
    open(command, "&col04");
    EXPECT_EQ(command.VendorId(), 0x320F);
    EXPECT_EQ(command.ProductId(), 0x5078);
    EXPECT_EQ(command.UsagePage(), 0xFF1C);
    EXPECT_EQ(command.Usage(), 0x92);
    EXPECT_EQ(command.InputReportByteLength(), 64);
    EXPECT_EQ(command.OutputReportByteLength(), 64);
    EXPECT_EQ(command.InterfaceNumber(), 1u);
    EXPECT_EQ(command.CollectionNumber(), 4u);
}

TEST_F(HidrawThroughUhid, CommandPacketAndReply) {
    hid::HidDevice command;
    open(command, "&col04");
    size_t written = 0;
    ASSERT_TRUE(command.Write(kReadDeviceInfo.data(), kReadDeviceInfo.size(), &written, 1000));
    EXPECT_EQ(written, 64u);

    Bytes reply(64);
    size_t read = 0;
    ASSERT_TRUE(command.Read(reply.data(), reply.size(), &read, 1000));
    EXPECT_EQ(read, 64u);
    EXPECT_EQ(reply, deviceInfoReply());
    EXPECT_EQ(keyboard.commandInterface()->receivedReports(), std::vector<Bytes>{kReadDeviceInfo});
}

// The consumer-control collection and the command collection share a node;
// each reader sees only its own reports.
TEST_F(HidrawThroughUhid, ReadersSeeOnlyTheirCollectionsReports) {
    hid::HidDevice consumer;
    hid::HidDevice command;
    open(consumer, "&col03");
    open(command, "&col04");

    ASSERT_TRUE(keyboard.commandInterface()->sendNotification(0x0401));
    Bytes report(consumer.InputReportByteLength());
    size_t read = 0;
    ASSERT_TRUE(consumer.Read(report.data(), report.size(), &read, 1000));
    ASSERT_GE(read, 3u);
    EXPECT_EQ(Bytes(report.begin(), report.begin() + 3), (Bytes{3, 0x01, 0x04}));

    Bytes other(64);
    EXPECT_FALSE(command.Read(other.data(), other.size(), &read, 300));
    EXPECT_EQ(read, 0u);
}

// Interface 0 uses no report ids: the id byte 0 is on the host's side only,
// both ways, as the program sees reports.
TEST_F(HidrawThroughUhid, ReportsWithoutReportIds) {
    hid::HidDevice boot;
    open(boot, "&mi_00");
    ASSERT_EQ(boot.InputReportByteLength(), 9);

    const Bytes keys{0, 0x02, 0, 0x04, 0, 0, 0, 0, 0};  // left shift and A
    ASSERT_TRUE(keyboard.bootInterface()->sendInputReport(keys));
    Bytes report(9);
    size_t read = 0;
    ASSERT_TRUE(boot.Read(report.data(), report.size(), &read, 1000));
    EXPECT_EQ(read, 9u);
    EXPECT_EQ(report, keys);

    const Bytes leds{0, 0x01};  // num lock
    size_t written = 0;
    ASSERT_TRUE(boot.Write(leds.data(), leds.size(), &written, 1000));
    // The kernel passes output reports on after the write has returned.
    EXPECT_TRUE(eventually([&] {
        const auto received = keyboard.bootInterface()->receivedReports();
        return std::find(received.begin(), received.end(), leds) != received.end();
    }));
}

TEST_F(HidrawThroughUhid, ReadTimesOutAndTheNextReadStartsClean) {
    hid::HidDevice command;
    open(command, "&col04");
    Bytes reply(64);
    size_t read = 99;
    const auto started = Clock::now();
    EXPECT_FALSE(command.Read(reply.data(), reply.size(), &read, 1000));
    const auto waited = Clock::now() - started;
    EXPECT_EQ(read, 0u);
    EXPECT_GE(waited, 950ms);
    EXPECT_LT(waited, 3s);

    size_t written = 0;
    ASSERT_TRUE(command.Write(kReadDeviceInfo.data(), kReadDeviceInfo.size(), &written, 1000));
    ASSERT_TRUE(command.Read(reply.data(), reply.size(), &read, 1000));
    EXPECT_EQ(reply, deviceInfoReply());
}

TEST_F(HidrawThroughUhid, CloseWakesABlockedRead) {
    hid::HidDevice command;
    open(command, "&col04");
    auto reader = std::async(std::launch::async, [&command] {
        Bytes reply(64);
        size_t read = 0;
        return command.Read(reply.data(), reply.size(), &read, hid::kInfinite);
    });
    ASSERT_EQ(reader.wait_for(200ms), std::future_status::timeout);
    const auto closed = Clock::now();
    command.Close();
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_FALSE(reader.get());
    EXPECT_LT(Clock::now() - closed, 500ms);
}

TEST_F(HidrawThroughUhid, UnplugFailsAPendingReadAndLaterOpens) {
    hid::HidDevice command;
    open(command, "&col04");
    const std::string path = command.DevicePath();
    auto reader = std::async(std::launch::async, [&command] {
        Bytes reply(64);
        size_t read = 0;
        return command.Read(reply.data(), reply.size(), &read, hid::kInfinite);
    });
    ASSERT_EQ(reader.wait_for(200ms), std::future_status::timeout);
    keyboard.unplug();
    ASSERT_EQ(reader.wait_for(2s), std::future_status::ready);
    EXPECT_FALSE(reader.get());

    hid::HidDevice query;
    EXPECT_FALSE(query.Open(path, false, false, true, false));
    EXPECT_TRUE(waitForKeyboardPaths(0));
}

// Requests for feature reports, which the products do not have, are answered
// at once with an error instead of leaving the kernel to time out.
TEST_F(HidrawThroughUhid, FeatureRequestsFailAtOnce) {
    const std::string path = keyboard.path("&col04");
    const int fd = ::open(path.substr(0, path.find('#')).c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    uint8_t feature[65] = {4};
    const auto started = Clock::now();
    EXPECT_LT(::ioctl(fd, HIDIOCGFEATURE(sizeof feature), feature), 0);
    EXPECT_LT(Clock::now() - started, 1s);
    ::close(fd);
}

}  // namespace
}  // namespace viremo::kernel_tests
