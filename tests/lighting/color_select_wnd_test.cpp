// The colour-picking window on the shipped layout, headless.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lighting/color_select_wnd.h"
#include "platform/log.h"
#include "profiles/json_file.h"
#include "scratch_folder.h"
#include "toolkit/color_palette.h"
#include "toolkit/edit.h"
#include "toolkit/headless_window_system.h"
#include "toolkit/option.h"
#include "ui/skin_defaults.h"

namespace viremo {
namespace {

using toolkit::COptionUI;

const std::filesystem::path kSkin = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources/skin";

class ColorSelectWndTest : public ::testing::Test {
protected:
    void SetUp() override { toolkit::CPaintManagerUI::SetResourcePath(kSkin); }

    // Opened as the program opens it: the skin's defaults first.
    std::unique_ptr<CColorSelectWnd> Open() {
        auto wnd = std::make_unique<CColorSelectWnd>(PaletteFile(folder / "color_option_info.config", folder / "factory.config"));
        EXPECT_TRUE(ui::ApplySkinDefaults(wnd->GetPaintManager(), kSkin));
        EXPECT_TRUE(wnd->Build(nullptr));
        wnd->GetPaintManager().OnSize({800, 572});
        return wnd;
    }

    static toolkit::CControlUI* Find(CColorSelectWnd& wnd, std::string_view name) {
        auto* control = wnd.GetPaintManager().FindControl(name);
        EXPECT_TRUE(control) << name;
        return control;
    }

    static void Click(CColorSelectWnd& wnd, std::string_view name) {
        const toolkit::Rect& r = Find(wnd, name)->GetPos();
        const toolkit::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        wnd.GetPaintManager().OnButtonDown(centre);
        wnd.GetPaintManager().OnButtonUp(centre);
    }

    static std::vector<std::string> Edits(CColorSelectWnd& wnd) {
        return {Find(wnd, "color_edit_r")->GetText(), Find(wnd, "color_edit_g")->GetText(),
                Find(wnd, "color_edit_b")->GetText()};
    }

    testing::ScratchFolder folder;
};

TEST_F(ColorSelectWndTest, OpensWithTheColourAndDpiItIsGiven) {
    auto wnd = Open();
    log::Capture log;
    wnd->SetDpi(100);
    EXPECT_TRUE(log.contains("SET_WND DPI SET ERROR"));
    EXPECT_EQ(wnd->GetDpi(), 96);
    wnd->SetDpi(144);
    EXPECT_EQ(wnd->GetHost()->GetBounds(), (toolkit::Rect{0, 0, 1200, 858}));

    wnd->ShowColour(0xFF0A0B0C);
    wnd->SetMultiColourAvailable(false);
    EXPECT_THAT(Edits(*wnd), ::testing::ElementsAre("10", "11", "12"));
    EXPECT_EQ(Find(*wnd, "color_show_btn")->GetBkColor(), 0xFF0A0B0Cu);
    EXPECT_EQ(dynamic_cast<toolkit::CColorPaletteUI*>(Find(*wnd, "Pallet"))->GetSelectColor(), 0xFF0A0B0Cu);
    EXPECT_FALSE(Find(*wnd, "7color")->IsEnabled());
    EXPECT_FALSE(Find(*wnd, "7color_layout")->IsVisible());
}

TEST_F(ColorSelectWndTest, ASelectedCollectedSwatchKeepsThePaletteColourAcrossOpenings) {
    {
        auto wnd = Open();
        wnd->ShowColour(0xFF000000);
        Click(*wnd, "collect_color_option_3");  // empty: only selected
        EXPECT_EQ(Find(*wnd, "color_show_btn")->GetBkColor(), 0xFF000000u);
        EXPECT_TRUE(dynamic_cast<COptionUI*>(Find(*wnd, "collect_color_option_3"))->IsSelected());

        auto* palette = dynamic_cast<toolkit::CColorPaletteUI*>(Find(*wnd, "Pallet"));
        palette->SetSelectColor(0xFF00FF00);
        wnd->GetPaintManager().SendNotify(palette, toolkit::notify::kColorChanged);
        EXPECT_THAT(Edits(*wnd), ::testing::ElementsAre("0", "255", "0"));
        EXPECT_EQ(Find(*wnd, "collect_color_option_3")->GetBkColor(), 0xFF00FF00u);
    }
    const Json::Value stored = json::readFile(folder / "color_option_info.config");
    EXPECT_EQ(stored["coloroptioninfo"]["palletDialogcollectcoloroption"][3]["color"], "FF00FF00");
    EXPECT_EQ(stored["coloroptioninfo"]["palletDialogcollectcoloroption"][3]["UserData"], "1");

    auto again = Open();
    EXPECT_EQ(again->GetSelectedCollected(), -1);
    auto* kept = dynamic_cast<COptionUI*>(Find(*again, "collect_color_option_3"));
    EXPECT_EQ(kept->GetBkColor(), 0xFF00FF00u);
    EXPECT_FALSE(kept->IsSelected());
    EXPECT_EQ(Find(*again, "collect_color_option_4")->GetBkColor(), kOpaqueWhite);

    Click(*again, "collect_color_option_3");
    EXPECT_EQ(Find(*again, "color_show_btn")->GetBkColor(), 0xFF00FF00u);
    EXPECT_THAT(Edits(*again), ::testing::ElementsAre("0", "255", "0"));
}

TEST_F(ColorSelectWndTest, TypedComponentsAreKeptWithin0To255) {
    auto wnd = Open();
    wnd->ShowColour(0xFF102030);
    auto* red = dynamic_cast<toolkit::CEditUI*>(Find(*wnd, "color_edit_r"));
    auto* green = dynamic_cast<toolkit::CEditUI*>(Find(*wnd, "color_edit_g"));
    red->ApplyNativeText("300");
    EXPECT_EQ(red->GetText(), "255");
    EXPECT_EQ(wnd->GetCurrentColour(), 0xFFFF2030u);
    green->ApplyNativeText("");
    EXPECT_EQ(green->GetText(), "0");
    EXPECT_EQ(wnd->GetCurrentColour(), 0xFFFF0030u);
    EXPECT_EQ(Find(*wnd, "color_show_btn")->GetBkColor(), 0xFFFF0030u);
}

TEST_F(ColorSelectWndTest, APresetIsShownAndRememberedAndOkGivesThePreview) {
    auto wnd = Open();
    wnd->ShowColour(0xFF000000);
    Click(*wnd, "color_option_2");
    EXPECT_THAT(Edits(*wnd), ::testing::ElementsAre("255", "255", "0"));
    EXPECT_EQ(json::readFile(folder / "color_option_info.config")["coloroptioninfo"]["palletDialogcoloroption_selectitem"], 2);

    toolkit::UiQueue().PostTask([&] { Click(*wnd, "okbtn"); });
    EXPECT_EQ(wnd->ShowModal(), CColorSelectWnd::kResultOk);
    EXPECT_EQ(wnd->GetCurrentColour(), 0xFFFFFF00u);

    auto closed = Open();
    toolkit::UiQueue().PostTask([&] { Click(*closed, "laterbtn"); });
    EXPECT_EQ(closed->ShowModal(), 0);
}

TEST_F(ColorSelectWndTest, MultiColourShowsItsPictureUntilAColourIsPicked) {
    auto wnd = Open();
    Click(*wnd, "7color");
    EXPECT_TRUE(wnd->GetMultiColour());
    EXPECT_EQ(Find(*wnd, "color_show_btn")->GetBkImage(), "common/base1.png");
    EXPECT_TRUE(std::filesystem::exists(kSkin / "common/base1.png"));

    Click(*wnd, "color_option_0");
    EXPECT_FALSE(wnd->GetMultiColour());
    EXPECT_FALSE(dynamic_cast<COptionUI*>(Find(*wnd, "7color"))->IsSelected());
    EXPECT_EQ(Find(*wnd, "color_show_btn")->GetBkImage(), "");
}

}  // namespace
}  // namespace viremo
