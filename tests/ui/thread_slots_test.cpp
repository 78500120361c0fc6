#include "ui/thread_slots.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/log.h"
#include "platform/stoppable_sleep.h"

namespace viremo::ui {
namespace {

TEST(ThreadSlotsTest, StopsEveryThreadAndSkipsEmptySlots) {
    ThreadSlots slots;
    std::atomic<int> ended{0};
    std::array<std::jthread, 2> threads;
    for (auto& thread : threads)
        thread = std::jthread([&](std::stop_token stop) {
            while (sleepFor(stop, std::chrono::milliseconds(1000))) {
            }
            ++ended;
        });
    ASSERT_TRUE(slots.Assign(ThreadSlots::kDiscovery, [&] { threads[0].request_stop(); }, [&] { threads[0].join(); }));
    ASSERT_TRUE(slots.Assign(ThreadSlots::kLightingSync, [&] { threads[1].request_stop(); }, [&] { threads[1].join(); }));
    EXPECT_FALSE(slots.Assign(ThreadSlots::kLightingSync, [] {}, [] {}));  // taken
    EXPECT_FALSE(slots.Assign(ThreadSlots::kCount, [] {}, [] {}));
    EXPECT_FALSE(slots.Assign(-1, [] {}, [] {}));

    log::Capture log;
    const auto before = std::chrono::steady_clock::now();
    slots.StopAll();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(300));
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(log.lines().size(), 2u);  // one line per thread, none for the 18 empty slots
    slots.StopAll();                    // nothing left to stop
}

}  // namespace
}  // namespace viremo::ui
