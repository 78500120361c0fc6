#include "update/update_time.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>

#include "platform/atomic_file.h"
#include "profiles/json_file.h"

namespace viremo::update {
namespace {

Clock::Wall localNoon(int year, int month, int day) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

class UpdateTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder);
        clock.setWall(localNoon(2024, 3, 9));
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("viremo-update-time-" + std::to_string(::getpid()));
    std::filesystem::path file = folder / "updatetime.config";
    FakeClock clock;
};

TEST_F(UpdateTimeTest, DatesHaveNoLeadingZeros) {
    EXPECT_EQ(dateText(localNoon(2024, 3, 9)), "2024-3-9");
    EXPECT_EQ(dateText(localNoon(2025, 12, 31)), "2025-12-31");
}

TEST_F(UpdateTimeTest, AMissingDateBecomesTodayAndIsStored) {
    EXPECT_EQ(lastCheckDate(file, clock), "2024-3-9");
    EXPECT_EQ(json::readFile(file)["updatelasttime"]["value"].asString(), "2024-3-9");
}

TEST_F(UpdateTimeTest, AStoredDateIsKept) {
    ASSERT_TRUE(writeLastCheckDate(file, "2023-12-1"));
    EXPECT_EQ(json::readFile(file)["updatelasttime"]["value"].asString(), "2023-12-1");
    EXPECT_EQ(lastCheckDate(file, clock), "2023-12-1");
}

TEST_F(UpdateTimeTest, ABrokenOrMistypedFileIsReplaced) {
    writeFileAtomically(file, R"({"updatelasttime": {"value": 20231201}})");
    EXPECT_EQ(lastCheckDate(file, clock), "2024-3-9");
    writeFileAtomically(file, "{\"updatelasttime\": ");
    EXPECT_EQ(lastCheckDate(file, clock), "2024-3-9");
    EXPECT_EQ(readWholeFile(folder / "updatetime.config.bad"), "{\"updatelasttime\": ");
    EXPECT_EQ(json::readFile(file)["updatelasttime"]["value"].asString(), "2024-3-9");
}

}  // namespace
}  // namespace viremo::update
