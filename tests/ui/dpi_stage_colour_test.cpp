// The colour of a mouse's DPI stage put into its stage list.
#include "ui/dpi_stage_colour.h"

#include <gtest/gtest.h>

namespace viremo::ui {
namespace {

TEST(DpiStageColourTest, ShortListGrowsToTheStageAndTakesTheColour) {
    std::vector<DpiStage> stages(3);
    stages[0].dpiX = 800;
    ASSERT_TRUE(SetDpiStageColour(stages, 4, 0xFF123456));
    ASSERT_EQ(stages.size(), 5u);
    EXPECT_EQ(stages[4].toBytes(), (std::array<uint8_t, 9>{0, 0, 0, 0, 0, 0, 0x12, 0x34, 0x56}));
    EXPECT_EQ(stages[3], DpiStage{});
    EXPECT_EQ(stages[0].dpiX, 800);
}

TEST(DpiStageColourTest, NoStageBeyondTheFifth) {
    std::vector<DpiStage> stages(3);
    for (int stage : {5, 6, -1}) {
        EXPECT_FALSE(SetDpiStageColour(stages, stage, 0xFFFFFFFF)) << stage;
        EXPECT_EQ(stages.size(), 3u) << stage;
    }
}

}  // namespace
}  // namespace viremo::ui
