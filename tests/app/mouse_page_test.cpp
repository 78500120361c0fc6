// The mouse's page in the main window over the demo set: the DPI panel's
// report rate and stage colours reach the emulated mouse's settings block.
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "toolkit/container.h"
#include "toolkit/language.h"
#include "toolkit/option.h"
#include "ui/mouse_page.h"

namespace viremo::app::testing {
namespace {

// Bytes of the 66-byte settings block of profile slot 0.
constexpr size_t kReportRateByte = 11;
constexpr size_t kStageFourColourByte = 14 + 4 * 9 + 6;
constexpr size_t StageEnabledByte(int stage) { return 14 + size_t(stage) * 9; }

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

// The demo mouse's sensor is of the 3325 type: 50 DPI a level from 100 DPI
// up to level 48 (2500 DPI), 200 DPI a level above it. Typed values are
// first held to 200-6500: 6500 is 2500 + 20 x 200, level 68.
TEST_F(MousePageTest, DpiTypedIntoAStageReachesTheMouseAsTheSensorsLevel) {
    ui::CMouseDevicePage* page = ShowMousePage();
    ASSERT_TRUE(page);
    auto* tab = dynamic_cast<toolkit::COptionUI*>(page->FindSubControl("cursor_Op_tab"));
    ASSERT_TRUE(tab);
    tab->Selected(true);
    auto& pm = window->GetPaintManager();
    toolkit::CControlUI* edit = page->FindSubControl("quelm_DPI_edit_2");
    ASSERT_TRUE(edit);
    struct Case {
        const char* typed;
        uint8_t level;
    };
    for (const Case& c : {Case{"1000", 18}, Case{"9000", 68}, Case{"abc", 2}}) {
        pm.SetFocus(edit);
        edit->SetText(c.typed);
        pm.SetFocus(nullptr);
        const std::vector<uint8_t> block = demo->mouseHandle->settingsBytes(0);
        ASSERT_EQ(block.size(), 66u);
        const size_t stage = StageEnabledByte(2);
        EXPECT_EQ(block[stage + 2], c.level) << c.typed;  // X level, low byte
        EXPECT_EQ(block[stage + 3], 0) << c.typed;
        EXPECT_EQ(block[stage + 4], c.level) << c.typed;  // Y level
    }
}

TEST_F(MousePageTest, StagesSwitchedOffReachTheMouseAndTheActiveStageStaysOn) {
    ui::CMouseDevicePage* page = ShowMousePage();
    ASSERT_TRUE(page);
    const int active = page->Mouse().GetActiveDpiStage();
    auto enableBox = [&](int n) {
        return dynamic_cast<toolkit::COptionUI*>(page->FindSubControl("DPI_enable_check_" + std::to_string(n)));
    };
    ASSERT_TRUE(enableBox(active));
    EXPECT_FALSE(enableBox(active)->IsEnabled());
    for (int n = 0; n < 5; ++n)
        if (n != active) enableBox(n)->Selected(false);
    const std::vector<uint8_t> block = demo->mouseHandle->settingsBytes(0);
    ASSERT_EQ(block.size(), 66u);
    for (int n = 0; n < 5; ++n) EXPECT_EQ(block[StageEnabledByte(n)], n == active ? 1 : 0) << "stage " << n;
    // Switching one on again frees every box but the active one's.
    const int other = (active + 1) % 5;
    enableBox(other)->Selected(true);
    EXPECT_EQ(demo->mouseHandle->settingsBytes(0)[StageEnabledByte(other)], 1);
    for (int n = 0; n < 5; ++n) EXPECT_EQ(enableBox(n)->IsEnabled(), n != active) << "stage " << n;
}

TEST_F(MousePageTest, KeyInformationShowsAKeysNameAndAssignment) {
    ui::CMouseDevicePage* page = ShowMousePage();
    ASSERT_TRUE(page);
    auto* list = dynamic_cast<toolkit::CContainerUI*>(page->FindSubControl("device_setkeyinfo_list"));
    ASSERT_TRUE(list);
    ASSERT_GE(list->GetCount(), 1);
    // The left key, as the demo mouse leaves the factory: the left button.
    auto* row = dynamic_cast<toolkit::CContainerUI*>(list->GetItemAt(0));
    ASSERT_TRUE(row && row->GetCount() == 2);
    EXPECT_EQ(row->GetItemAt(0)->GetText(), toolkit::Language().Translate("mouse_key_left"));
    EXPECT_EQ(row->GetItemAt(1)->GetText(), toolkit::Language().Translate("mouse_key_left"));
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
