#include "platform/folder_lock.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace viremo {
namespace {

// Other processes are kept out by the flock (the CLI tests run writers in
// parallel); here: the same thread may lock again, another thread waits.
TEST(FolderLock, ReentrantForItsThreadExclusiveForOthers) {
    const auto folder = std::filesystem::temp_directory_path() / ("viremo-lock-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::atomic<bool> otherInside{false};
    std::jthread other;
    {
        const FolderLock outer(folder);
        ASSERT_TRUE(outer.held());
        {
            const FolderLock inner(folder);
            EXPECT_TRUE(inner.held());
        }
        other = std::jthread([&] {
            const FolderLock lock(folder);
            otherInside = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(otherInside);
    }
    other.join();
    EXPECT_TRUE(otherInside);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace viremo
