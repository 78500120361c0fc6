#include <gtest/gtest.h>

#include "toolkit/combo.h"
#include "toolkit/combo_wnd.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/headless_window_system.h"
#include "toolkit/list.h"
#include "toolkit/menu.h"

namespace viremo::toolkit {
namespace {

// A window at (100, 50) on the screen with a combo at (10, 10)-(110, 30).
class PopupTest : public ::testing::Test, public INotifyUI {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create({WindowKind::Normal, nullptr, "main", {100, 50, 400, 250}}));
        CDialogBuilder builder;
        auto root = builder.Create(R"(<VerticalLayout inset="10,10,10,10">
              <Combo name="combo" height="20" width="100" dropboxsize="0,60">
                <ListLabelElement text="zero"/><ListLabelElement text="one" visible="false"/>
                <ListLabelElement text="two"/><ListLabelElement text="three"/>
              </Combo><Control/></VerticalLayout>)");
        ASSERT_TRUE(root) << builder.GetLastError();
        window.GetPaintManager().AttachDialog(std::move(root));
        window.GetPaintManager().AddNotifier(this);
        window.GetPaintManager().OnSize({300, 200});
        events.clear();
    }
    void Notify(TNotifyUI& msg) override { events.push_back(msg.sType + ":" + std::to_string(msg.wParam)); }
    static void ClickAt(CPaintManagerUI& pm, Point p) {
        pm.OnButtonDown(p);
        pm.OnButtonUp(p);
    }

    CWindowWnd window;
    std::vector<std::string> events;
};

TEST_F(PopupTest, ComboDropDownListsVisibleItemsAndPicksOne) {
    auto* combo = dynamic_cast<CComboUI*>(window.GetPaintManager().FindControl("combo"));
    std::size_t before = HeadlessWindowSystem().LiveHosts().size();
    ClickAt(window.GetPaintManager(), {50, 20});
    CComboWnd* drop = combo->GetDropWindow();
    ASSERT_TRUE(drop);
    EXPECT_EQ(HeadlessWindowSystem().LiveHosts().size(), before + 1);
    // Below the combo, as wide as it, three rows of 22 plus the frame cut to 60.
    EXPECT_EQ(drop->GetHost()->GetBounds(), (Rect{110, 80, 210, 140}));
    ASSERT_EQ(drop->GetList()->GetCount(), 3);

    // The second row is the combo's item 2 ("one" is hidden).
    ClickAt(drop->GetPaintManager(), {50, 1 + 22 + 5});
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"setfocus:0", "dropdown:0", "itemselect:2"}));
    window.GetQueue().DispatchPending();
    EXPECT_EQ(combo->GetDropWindow(), nullptr);
    EXPECT_EQ(HeadlessWindowSystem().LiveHosts().size(), before);
}

TEST_F(PopupTest, DropDownClosesWithoutAChoiceWhenItLosesActivation) {
    auto* combo = dynamic_cast<CComboUI*>(window.GetPaintManager().FindControl("combo"));
    ClickAt(window.GetPaintManager(), {50, 20});
    ASSERT_TRUE(combo->GetDropWindow());
    combo->GetDropWindow()->GetPaintManager().OnActivate(false);
    window.GetQueue().DispatchPending();
    EXPECT_EQ(combo->GetDropWindow(), nullptr);
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(PopupTest, MenuPopsAtThePointWithItsAlignmentAndDeliversTheChoice) {
    const char* layout = R"(<Menu>
        <MenuElement name="copy" text="Copy" userdata="7"/>
        <MenuElement name="sync" text="Sync lights" checkable="true"/>
        <MenuElement name="gone" text="Hidden" visible="false"/>
      </Menu>)";
    std::vector<MenuCommand> chosen;
    // Text "Sync lights" is 66 pixels; with the check column and padding the
    // menu is 66 + 20 + 8 + 2 = 96 wide; two rows of 24 and the frame: 50.
    CMenuWnd* menu = CMenuWnd::Show(window, layout, {500, 400}, kMenuAlignRight | kMenuAlignBottom,
                                    [&](const MenuCommand& c) { chosen.push_back(c); });
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->GetHost()->GetBounds(), (Rect{404, 350, 500, 400}));

    ClickAt(menu->GetPaintManager(), {20, 1 + 24 + 10});
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].name, "sync");
    EXPECT_EQ(chosen[0].text, "Sync lights");
    EXPECT_TRUE(chosen[0].checked);
    window.GetQueue().DispatchPending();

    CMenuWnd* second = CMenuWnd::Show(window, layout, {10, 10}, kMenuAlignLeft | kMenuAlignTop,
                                      [&](const MenuCommand& c) { chosen.push_back(c); });
    ASSERT_TRUE(second);
    EXPECT_EQ(second->GetHost()->GetBounds(), (Rect{10, 10, 106, 60}));
    ClickAt(second->GetPaintManager(), {20, 10});
    EXPECT_EQ(chosen.back().name, "copy");
    EXPECT_EQ(chosen.back().userData, "7");
    EXPECT_FALSE(chosen.back().checked);
    window.GetQueue().DispatchPending();

    EXPECT_FALSE(CMenuWnd::Show(window, "<VerticalLayout/>", {0, 0}, 0, nullptr));
}

}  // namespace
}  // namespace viremo::toolkit
