#include "toolkit_fixture.h"

#include "toolkit/button.h"
#include "toolkit/container.h"
#include "toolkit/label.h"

namespace viremo::toolkit::testing {
namespace {

using TreeTest = ToolkitTest;

constexpr const char* kTree = R"(
<VerticalLayout name="root">
  <HorizontalLayout name="page">
    <Button name="key_1"/><Button name="key_2"/><Label name="key_1"/>
  </HorizontalLayout>
  <Button name="other"/>
</VerticalLayout>)";

TEST_F(TreeTest, NamesAndClassesAreFoundAndFollowRemovalAndRenaming) {
    Load(kTree, {300, 100});
    auto* page = Find<CContainerUI>("page");
    CControlUI* first = page->GetItemAt(0);
    EXPECT_EQ(pm.FindControl("key_1"), first);  // the first of a name wins
    EXPECT_EQ(page->FindSubControlsByClass("Button").size(), 2u);
    EXPECT_EQ(pm.FindSubControlsByClass(pm.GetRoot(), "Button").size(), 3u);
    EXPECT_EQ(pm.FindSubControlByClass(pm.GetRoot(), "Label"), page->GetItemAt(2));

    auto removed = page->Remove(first);
    EXPECT_EQ(removed->GetManager(), nullptr);
    EXPECT_EQ(pm.FindControl("key_1"), page->GetItemAt(1));  // the label now
    page->GetItemAt(0)->SetName("key_7");
    EXPECT_EQ(pm.FindControl("key_2"), nullptr);
    EXPECT_EQ(pm.FindControl("key_7"), page->GetItemAt(0));

    page->AddAt(std::move(removed), 0);
    EXPECT_EQ(pm.FindControl("key_1"), page->GetItemAt(2));
    EXPECT_EQ(page->GetItemAt(0)->GetManager(), &pm);
}

TEST_F(TreeTest, ControlsLeavingTheWindowDropFocusHotAndCapture) {
    Load(kTree, {300, 100});
    auto* page = Find<CContainerUI>("page");
    CControlUI* key = Find("key_2");
    const Rect r = key->GetPos();
    Point inside{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    pm.OnMouseMove(inside);
    pm.OnButtonDown(inside);
    EXPECT_EQ(pm.GetFocus(), key);
    EXPECT_EQ(pm.GetHot(), key);
    EXPECT_EQ(pm.GetCapture(), key);
    pm.SetTimer(key, 1, 10);

    page->RemoveAll();
    EXPECT_EQ(pm.GetFocus(), nullptr);
    EXPECT_EQ(pm.GetHot(), nullptr);
    EXPECT_EQ(pm.GetCapture(), nullptr);
    EXPECT_FALSE(pm.NextTimerDeadline());
    pm.OnMouseMove({1, 1});
    pm.OnButtonUp(inside);
    clock.advance(std::chrono::milliseconds(20));
    pm.ProcessTimers();
    EXPECT_EQ(notes.events, (std::vector<std::string>{"setfocus:key_2"}));
}

TEST_F(TreeTest, AClickHandlerMayRemoveTheButtonItWasSentFor) {
    struct Remover : INotifyUI {
        CPaintManagerUI* pm;
        void Notify(TNotifyUI& msg) override {
            if (msg.sType != "click") return;
            auto* parent = dynamic_cast<CContainerUI*>(msg.pSender->GetParent());
            pm->AddDelayedCleanup(parent->Remove(msg.pSender));
        }
    } remover;
    Load(kTree, {300, 100});
    remover.pm = &pm;
    pm.AddNotifier(&remover);
    Click(Find("other"));
    EXPECT_EQ(pm.FindControl("other"), nullptr);
    EXPECT_EQ(Find<CContainerUI>("root")->GetCount(), 1);
}

TEST_F(TreeTest, DisablingAContainerDisablesItsSubtreeUntilEnabledAgain) {
    Load(kTree, {300, 100});
    Find("key_2")->SetEnabled(false);
    Find("page")->SetEnabled(false);
    EXPECT_FALSE(Find("key_1")->IsEnabled());
    Find("page")->SetEnabled(true);
    EXPECT_TRUE(Find("key_1")->IsEnabled());
    EXPECT_FALSE(Find("key_2")->IsEnabled());  // its own state is kept
}

}  // namespace
}  // namespace viremo::toolkit::testing
