#include "hid/hid_device.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "descriptors.h"
#include "hid/emulated_bus.h"

namespace viremo::hid {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

// A device that takes no report until it is released, as a USB device whose
// endpoint stalls keeps a hidraw write in the kernel.
class StalledFirmware : public EmulatedInterface {
public:
    void connect(InputReportSender) override {}
    void disconnect() override {}
    void onOutputReport(std::span<const uint8_t> report) override {
        std::unique_lock lock(mutex_);
        taken_.emplace_back(report.begin(), report.end());
        released_.wait(lock, [this] { return released; });
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            released = true;
        }
        released_.notify_all();
    }
    std::vector<Bytes> taken() {
        std::lock_guard lock(mutex_);
        return taken_;
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool released = false;
    std::vector<Bytes> taken_;
};

class StalledWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.plug({"emu/hidraw0", 0x320F, 0x5078, 0, 1, testing::kCompositeDescriptor, firmware}));
        ASSERT_TRUE(device.Open(commandPath, true, true, true, false));
    }
    // Before the device goes: its destructor waits for the write in progress.
    void TearDown() override { firmware->release(); }

    static Bytes report(uint8_t command) {
        Bytes bytes(64, 0);
        bytes[0] = 4;
        bytes[3] = command;
        return bytes;
    }

    EmulatedBus bus;
    std::shared_ptr<StalledFirmware> firmware = std::make_shared<StalledFirmware>();
    HidDevice device{bus};
    const std::string commandPath = "emu/hidraw0#vid_320f&pid_5078&mi_01&col04";
};

TEST_F(StalledWriteTest, AWriteEndsAtItsTimeOutAndOneNotYetStartedIsNeverWritten) {
    const Bytes first = report(0x11), second = report(0x22), third = report(0x33);
    size_t written = 9;
    const auto start = Clock::now();
    EXPECT_FALSE(device.Write(first.data(), first.size(), &written, 200));
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 190ms);
    EXPECT_LT(waited, 1000ms);
    EXPECT_EQ(written, 0u);

    // Queued behind the stuck one, it times out too and is dropped.
    EXPECT_FALSE(device.Write(second.data(), second.size(), &written, 50));
    firmware->release();
    ASSERT_TRUE(device.Write(third.data(), third.size(), &written, 1000));
    EXPECT_EQ(written, 64u);
    EXPECT_EQ(firmware->taken(), (std::vector<Bytes>{first, third}));
}

TEST_F(StalledWriteTest, CloseWakesAWriteStuckInTheDeviceAtOnce) {
    std::atomic<bool> result = true;
    std::atomic<int64_t> returnedAt = 0;
    std::jthread writer([&] {
        const Bytes bytes = report(0x11);
        size_t written = 0;
        result = device.Write(bytes.data(), bytes.size(), &written, kInfinite);
        returnedAt = Clock::now().time_since_epoch().count();
    });
    std::this_thread::sleep_for(100ms);
    const auto closedAt = Clock::now();
    device.Close();
    EXPECT_LT(Clock::now() - closedAt, 100ms);
    writer.join();
    EXPECT_FALSE(result);
    EXPECT_LT(Clock::time_point(Clock::duration(returnedAt.load())) - closedAt, 500ms);

    // Opened again, the device writes as soon as it takes reports.
    firmware->release();
    ASSERT_TRUE(device.Open(commandPath, true, true, true, false));
    const Bytes bytes = report(0x22);
    size_t written = 0;
    EXPECT_TRUE(device.Write(bytes.data(), bytes.size(), &written, 1000));
}

// A backend whose enumeration cannot run, as when udev cannot be reached.
class UnreachableBackend : public Backend {
public:
    bool enumerate(std::vector<std::string>& paths) override {
        paths = {"stale"};
        return false;
    }
    std::unique_ptr<Connection> open(const std::string&, const OpenFlags&) override { return nullptr; }
    std::unique_ptr<ChangeMonitor> monitorChanges() override { return nullptr; }
};

TEST(HidDeviceEnumeration, AnEnumerationThatCannotRunFailsWithNoPaths) {
    UnreachableBackend backend;
    HidDevice probe(backend);
    EXPECT_FALSE(probe.EnumerateInterfaces());
    EXPECT_EQ(probe.NextInterfacePath(), std::nullopt);
}

}  // namespace
}  // namespace viremo::hid
