// The mouse's page in the main window over the demo set: the DPI panel's
// report rate and stage colours reach the emulated mouse's settings block.
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "toolkit/option.h"
#include "ui/mouse_page.h"

namespace viremo::app::testing {
namespace {

// Bytes of the 66-byte settings block of profile slot 0.
constexpr size_t kReportRateByte = 11;
constexpr size_t kStageFourColourByte = 14 + 4 * 9 + 6;

class MousePageTest : public PrivateDataTest {
protected:
    // The mouse's page once the driver has read the mouse's information.
    ui::CMouseDevicePage* ShowMousePage() {
        if (!window->SelectKind(devices::kKindMouse)) return nullptr;
        auto* page = dynamic_cast<ui::CMouseDevicePage*>(window->CurrentDevice());
        if (!page || !RunUntil([&] { return page->Mouse().Scale().IsKnown(); }, 5000)) return nullptr;
        return page;
    }
};

TEST_F(MousePageTest, ReportRateOptionIsWrittenToTheMouse) {
    ui::CMouseDevicePage* page = ShowMousePage();
    ASSERT_TRUE(page);
    ASSERT_NE(page->Mouse().GetReportRate(), 2);
    auto* option = dynamic_cast<toolkit::COptionUI*>(page->FindSubControl("polling_rate_option_2"));
    ASSERT_TRUE(option);
    option->Selected(true);
    const std::vector<uint8_t> block = demo->mouseHandle->settingsBytes(0);
    ASSERT_EQ(block.size(), 66u);
    EXPECT_EQ(block[kReportRateByte], 2);  // 500 Hz
}

TEST_F(MousePageTest, ColourOfTheFifthStageKeepsFiveStages) {
    ui::CMouseDevicePage* page = ShowMousePage();
    ASSERT_TRUE(page);
    EXPECT_FALSE(page->ChooseDpiStageColour(5, 0xFF102030));
    ASSERT_TRUE(page->ChooseDpiStageColour(4, 0xFF123456));
    EXPECT_EQ(page->Mouse().DpiStages().size(), 5u);
    EXPECT_EQ(page->DpiStageColour(4), 0xFF123456u);
    EXPECT_EQ(page->FindSubControl("DPI_color_option_4")->GetBkColor(), 0xFF123456u);
    const std::vector<uint8_t> block = demo->mouseHandle->settingsBytes(0);
    ASSERT_EQ(block.size(), 66u);
    EXPECT_EQ(block[kStageFourColourByte], 0x12);
    EXPECT_EQ(block[kStageFourColourByte + 1], 0x34);
    EXPECT_EQ(block[kStageFourColourByte + 2], 0x56);
}

}  // namespace
}  // namespace viremo::app::testing
