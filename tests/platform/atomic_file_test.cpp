#include "platform/atomic_file.h"

#include <sys/stat.h>

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

TEST_F(AtomicFileTest, KeepAsBadNeverReplacesAnOlderKeptFile) {
    const auto file = folder / "ProfileList.ini";
    ASSERT_TRUE(writeFileAtomically(file, "{first"));
    EXPECT_EQ(keepAsBad(file), folder / "ProfileList.ini.bad");
    ASSERT_TRUE(writeFileAtomically(file, "{second"));
    EXPECT_EQ(keepAsBad(file), folder / "ProfileList.ini.2.bad");
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(readWholeFile(folder / "ProfileList.ini.bad"), "{first");
    EXPECT_EQ(readWholeFile(folder / "ProfileList.ini.2.bad"), "{second");
}

TEST_F(AtomicFileTest, ReplacingKeepsPermissionsAndNewFilesFollowTheUmask) {
    using std::filesystem::perms;
    const auto file = folder / "private.Json";
    ASSERT_TRUE(writeFileAtomically(file, "a"));
    std::filesystem::permissions(file, perms::owner_read | perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(file, "b"));
    EXPECT_EQ(std::filesystem::status(file).permissions() & perms::all, perms::owner_read | perms::owner_write);

    const mode_t previous = ::umask(027);
    const bool written = writeFileAtomically(folder / "new.Json", "c");
    ::umask(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(std::filesystem::status(folder / "new.Json").permissions() & perms::all,
              perms::owner_read | perms::owner_write | perms::group_read);
}

TEST_F(AtomicFileTest, RefusesToReplaceWhatIsNoRegularFile) {
    const auto target = folder / "target";
    ASSERT_TRUE(writeFileAtomically(target, "kept"));
    std::filesystem::create_symlink(target, folder / "link");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    for (const char* name : {"link", "fifo"}) {
        EXPECT_FALSE(writeFileAtomically(folder / name, "x")) << name;
        EXPECT_FALSE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder / name))) << name;
    }
    EXPECT_EQ(readWholeFile(target), "kept");
}

TEST_F(AtomicFileTest, CappedReadsRefuseSpecialAndOversizeFiles) {
    ASSERT_TRUE(writeFileAtomically(folder / "small", "12345"));
    ASSERT_TRUE(writeFileAtomically(folder / "sparse", ""));
    std::filesystem::resize_file(folder / "sparse", std::uintmax_t{1} << 32);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    struct Case {
        std::filesystem::path file;
        size_t cap;
        CappedFile::State state;
        const char* reason;
    };
    const Case cases[] = {
        {folder / "small", 5, CappedFile::State::Read, ""},
        {folder / "small", 4, CappedFile::State::Refused, "larger than 4 bytes"},
        {folder / "sparse", kJsonFileCap, CappedFile::State::Refused, "larger than"},
        {folder / "fifo", kJsonFileCap, CappedFile::State::Refused, "not a regular file"},
        {"/dev/zero", kJsonFileCap, CappedFile::State::Refused, "not a regular file"},
        {folder, kJsonFileCap, CappedFile::State::Refused, "not a regular file"},
        {folder / "missing", kJsonFileCap, CappedFile::State::Absent, "no such file"},
    };
    for (const Case& c : cases) {
        const CappedFile read = ReadFileCapped(c.file, c.cap);
        EXPECT_EQ(read.state, c.state) << c.file;
        if (c.state == CappedFile::State::Read) EXPECT_EQ(read.text, "12345");
        else EXPECT_NE(read.reason.find(c.file.string() + ": " + c.reason), std::string::npos) << read.reason;
    }
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
