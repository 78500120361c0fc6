// Plugging and unplugging through uhid while interfaces are watched: the
// change monitor wakes, and a watcher that enumerates on every change sees
// each product come and go.
#include <gtest/gtest.h>

#include <atomic>
#include <stop_token>
#include <thread>

#include "plugged_keyboard.h"

namespace viremo::kernel_tests {
namespace {

// Waits for a change, then for the events that came with it to pass.
bool changeSeen(hid::ChangeMonitor& monitor, int timeoutMs) {
    if (!monitor.waitForChange(timeoutMs)) return false;
    while (monitor.waitForChange(50)) {
    }
    return true;
}

TEST(Hotplug, MonitorWakesOnPlugAndUnplug) {
    const auto monitor = hid::systemBackend().monitorChanges();
    ASSERT_TRUE(monitor);
    while (monitor->waitForChange(0)) {
    }
    {
        PluggedKeyboard keyboard;
        ASSERT_TRUE(keyboard.plugged) << keyboard.failure;
        EXPECT_TRUE(changeSeen(*monitor, 2000)) << "plug not noticed";
        keyboard.unplug();
        EXPECT_TRUE(changeSeen(*monitor, 2000)) << "unplug not noticed";
    }
    EXPECT_FALSE(monitor->waitForChange(300)) << "a change without a plug";
}

// A watcher in the manner of the discovery thread: it enumerates, with a
// probe open of every path, whenever the monitor wakes (at the latest every
// 100 ms), while the keyboard is plugged and unplugged five times.
TEST(Hotplug, WatcherSeesEveryPlugAndUnplug) {
    std::atomic<size_t> pathsSeen{0};
    std::atomic<bool> enumerationFailed{false};
    std::jthread watcher([&](std::stop_token stop) {
        const auto monitor = hid::systemBackend().monitorChanges();
        hid::HidDevice probe;
        while (!stop.stop_requested()) {
            if (!probe.EnumerateInterfaces()) enumerationFailed = true;
            size_t keyboardInterfaces = 0;
            while (const auto path = probe.NextInterfacePath()) {
                if (path->find("#vid_320f&pid_5078") == std::string::npos) continue;
                if (probe.Open(*path, true, false, true, false)) ++keyboardInterfaces;
                probe.Close();
            }
            probe.ReleaseInterfaceList();
            pathsSeen = keyboardInterfaces;
            monitor->waitForChange(100);
        }
    });
    const auto watcherSees = [&](size_t count) { return eventually([&] { return pathsSeen == count; }); };

    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        PluggedKeyboard keyboard;
        ASSERT_TRUE(keyboard.plugged) << keyboard.failure;
        EXPECT_TRUE(watcherSees(kKeyboardInterfacePaths));
        keyboard.unplug();
        EXPECT_TRUE(watcherSees(0));
    }
    EXPECT_FALSE(enumerationFailed);
}

}  // namespace
}  // namespace viremo::kernel_tests
