#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/stoppable_sleep.h"

#include <thread>

namespace viremo {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("viremo-atomic-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(AtomicFileTest, ReplacesWholeAndLeavesNoTemporary) {
    const auto file = folder / "a.Json";
    ASSERT_TRUE(writeFileAtomically(file, "first, longer content"));
    ASSERT_TRUE(writeFileAtomically(file, "second"));
    EXPECT_EQ(readWholeFile(file), "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(AtomicFileTest, WriteIntoMissingFolderFails) {
    EXPECT_FALSE(writeFileAtomically(folder / "no" / "a.Json", "x"));
}

TEST_F(AtomicFileTest, CopyNeverTruncatesOnUnreadableSourceAndKeepsSelfCopy) {
    const auto target = folder / "t.mac";
    ASSERT_TRUE(writeFileAtomically(target, "keep me"));
    EXPECT_FALSE(copyFileAtomically(folder / "missing.mac", target));
    EXPECT_EQ(readWholeFile(target), "keep me");
    EXPECT_TRUE(copyFileAtomically(target, target));
    EXPECT_EQ(readWholeFile(target), "keep me");
}

TEST_F(AtomicFileTest, KeepAsBadRenames) {
    const auto file = folder / "ProfileList.ini";
    ASSERT_TRUE(writeFileAtomically(file, "{broken"));
    ASSERT_TRUE(keepAsBad(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(readWholeFile(folder / "ProfileList.ini.bad"), "{broken");
}

TEST(StoppableSleep, WakesOnStopRequest) {
    std::stop_source stop;
    const auto start = std::chrono::steady_clock::now();
    std::jthread requester([&] { stop.request_stop(); });
    EXPECT_FALSE(sleepFor(stop.get_token(), std::chrono::seconds(10)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(sleepFor(std::stop_token(), std::chrono::milliseconds(1)));
}

TEST(FakeClock, MovesOnlyWhenAdvanced) {
    FakeClock clock;
    const auto before = clock.now();
    clock.advance(std::chrono::milliseconds(250));
    EXPECT_EQ(clock.now() - before, std::chrono::milliseconds(250));
}

}  // namespace
}  // namespace viremo
