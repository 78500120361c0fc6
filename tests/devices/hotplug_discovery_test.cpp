#include "devices/discovery/hotplug_discovery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "emulator/demo_set.h"
#include "emulator/products.h"

namespace viremo::devices {
namespace {

using namespace std::chrono_literals;

// The emulated bus, counting its enumerations.
class CountingBackend : public hid::Backend {
public:
    explicit CountingBackend(hid::EmulatedBus& bus) : bus_(bus) {}
    bool enumerate(std::vector<std::string>& paths) override {
        ++enumerations;
        if (failEnumerations > 0) {
            --failEnumerations;
            return false;
        }
        return bus_.enumerate(paths);
    }
    std::unique_ptr<hid::Connection> open(const std::string& path, const hid::OpenFlags& flags) override {
        return bus_.open(path, flags);
    }
    std::unique_ptr<hid::ChangeMonitor> monitorChanges() override { return bus_.monitorChanges(); }
    std::atomic<int> enumerations{0};
    std::atomic<int> failEnumerations{0};

private:
    hid::EmulatedBus& bus_;
};

// Records the calls as the main window would receive them: "+6" found,
// "-6" lost, "first" after the first pass.
class Recorder : public IDiscoveryListener {
public:
    void InterfaceFound(int entry, std::stop_token) override { Put("+" + std::to_string(entry)); }
    void InterfaceLost(int entry, std::stop_token) override { Put("-" + std::to_string(entry)); }
    void FirstPassDone() override { Put("first"); }

    // Waits until `count` events are in, then hands them over.
    std::vector<std::string> Take(size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, 2s, [&] { return events_.size() >= count; });
        return std::exchange(events_, {});
    }

private:
    void Put(std::string event) {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
        arrived_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> events_;
};

class HotplugDiscoveryTest : public ::testing::Test {
protected:
    hid::EmulatedBus bus;
    emulator::DemoSet demo = emulator::plugDemoSet(bus);
    CountingBackend backend{bus};
    Recorder recorder;
    HotplugDiscovery discovery{backend, recorder};
};

// Entries are the rows of the interface table: 0/1 keyboard cable, 4/5 mouse
// cable, 6/7 mouse receiver, 8/9 pad, 10 headset.
TEST_F(HotplugDiscoveryTest, FirstPassFindsTheDemoSetThenSaysSoOnce) {
    discovery.Start();
    auto events = recorder.Take(8);
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events.back(), "first");
    events.pop_back();
    std::sort(events.begin(), events.end());
    EXPECT_EQ(events, (std::vector<std::string>{"+0", "+1", "+10", "+6", "+7", "+8", "+9"}));
    const auto receiver = discovery.Entry(6);
    ASSERT_TRUE(receiver);
    EXPECT_EQ(receiver->connected, 1);
    EXPECT_EQ(receiver->path, "emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col04");
    EXPECT_FALSE(discovery.Entry(11));
    EXPECT_FALSE(discovery.Entry(-1));
}

TEST_F(HotplugDiscoveryTest, FollowsPlugsWithoutEnumeratingWhileNothingChanges) {
    discovery.Start();
    recorder.Take(8);
    const int afterFirstPass = backend.enumerations;
    std::this_thread::sleep_for(350ms);
    EXPECT_EQ(backend.enumerations, afterFirstPass);

    demo.mouseReceiverUsb.unplug(bus);
    auto lost = recorder.Take(2);
    std::sort(lost.begin(), lost.end());
    EXPECT_EQ(lost, (std::vector<std::string>{"-6", "-7"}));
    EXPECT_TRUE(discovery.Entry(6)->path.empty());

    const auto cable = emulator::mouseOnCable(demo.mouse);
    ASSERT_TRUE(cable.plug(bus));
    auto found = recorder.Take(2);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"+4", "+5"}));
}

TEST_F(HotplugDiscoveryTest, PausedDiscoveryReportsNothingAndCatchesUpOnResume) {
    discovery.Start();
    recorder.Take(8);
    discovery.Pause();
    std::this_thread::sleep_for(150ms);  // the thread sees the pause at its next wake-up
    demo.mousePadUsb.unplug(bus);
    std::this_thread::sleep_for(250ms);
    EXPECT_TRUE(recorder.Take(0).empty());
    EXPECT_EQ(discovery.Entry(8)->connected, 1);  // not yet looked at

    discovery.Resume();
    auto lost = recorder.Take(2);
    std::sort(lost.begin(), lost.end());
    EXPECT_EQ(lost, (std::vector<std::string>{"-8", "-9"}));
}

// A listing that fails is tried again rather than ending discovery.
TEST_F(HotplugDiscoveryTest, AFailedListingIsTriedAgain) {
    backend.failEnumerations = 2;
    discovery.Start();
    const auto events = recorder.Take(8);
    EXPECT_EQ(events.size(), 8u);
    EXPECT_GE(backend.enumerations, 3);
}

TEST_F(HotplugDiscoveryTest, StopsPromptly) {
    discovery.Start();
    recorder.Take(8);
    const auto before = std::chrono::steady_clock::now();
    discovery.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 150ms);
}

}  // namespace
}  // namespace viremo::devices
