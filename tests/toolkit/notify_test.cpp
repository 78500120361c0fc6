#include "toolkit_fixture.h"

#include "toolkit/check_box.h"
#include "toolkit/combo.h"
#include "toolkit/edit.h"
#include "toolkit/list.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"
#include "toolkit/tab_layout.h"

namespace viremo::toolkit::testing {
namespace {

using Events = std::vector<std::string>;
using NotifyTest = ToolkitTest;

constexpr const char* kForm = R"(
<VerticalLayout>
  <HorizontalLayout name="row" height="30">
    <Edit name="edit" width="100"/>
    <Button name="ok" width="60"/>
    <Label name="caption" width="60"/>
  </HorizontalLayout>
  <Control/>
</VerticalLayout>)";

TEST_F(NotifyTest, KillFocusOfTheEditComesBeforeTheClickThatTookIt) {
    Load(kForm, {300, 100});
    Click(Find("edit"));
    pm.OnChar(U'4');
    pm.OnChar(U'2');
    Click(Find("ok"));
    EXPECT_EQ(notes.events, (Events{"setfocus:edit", "textchanged:edit", "textchanged:edit", "killfocus:edit",
                                    "setfocus:ok", "click:ok"}));
    EXPECT_EQ(Find("edit")->GetText(), "42");
}

TEST_F(NotifyTest, FocusIsLostWhenTheControlHidesOrTheWindowDeactivates) {
    struct Case {
        const char* what;
        std::function<void(NotifyTest&)> act;
    };
    const Case cases[] = {
        {"edit hidden", [](NotifyTest& t) { t.Find("edit")->SetVisible(false); }},
        {"container hidden", [](NotifyTest& t) { t.Find("row")->SetVisible(false); }},
        {"container disabled", [](NotifyTest& t) { t.Find("row")->SetEnabled(false); }},
        {"window deactivated", [](NotifyTest& t) { t.pm.OnActivate(false); }},
        {"label clicked", [](NotifyTest& t) { t.Click(t.Find("caption")); }},
    };
    Load(kForm, {300, 100});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Find("row")->SetVisible(true);
        Find("row")->SetEnabled(true);
        Find("edit")->SetVisible(true);
        pm.OnActivate(true);
        Find("edit")->SetFocus();
        notes.events.clear();
        c.act(*this);
        ASSERT_FALSE(notes.events.empty());
        EXPECT_EQ(notes.events.front(), "killfocus:edit");
        EXPECT_NE(pm.GetFocus(), Find("edit"));
    }
}

TEST_F(NotifyTest, ButtonClicksOnlyWhenReleasedOverItAndEnabled) {
    Load(kForm, {300, 100});
    auto* ok = Find("ok");
    pm.OnButtonDown({130, 15});
    pm.OnMouseMove({130, 80});
    EXPECT_FALSE(ok->IsPushed());
    pm.OnButtonUp({130, 80});
    Find("row")->SetEnabled(false);
    EXPECT_FALSE(ok->IsEnabled());
    Click(ok);
    EXPECT_EQ(std::count(notes.events.begin(), notes.events.end(), "click:ok"), 0);
    Find("row")->SetEnabled(true);
    Click(ok);
    EXPECT_EQ(std::count(notes.events.begin(), notes.events.end(), "click:ok"), 1);
}

TEST_F(NotifyTest, WindowInitComesOnceAfterTheFirstLayout) {
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(kForm));
    pm.AddNotifier(&notes);
    pm.OnSize({300, 100});
    pm.OnSize({400, 100});
    EXPECT_EQ(notes.events, (Events{"windowinit:", "windowsize:", "windowsize:"}));
}

TEST_F(NotifyTest, EditFiltersTypingAndReportsReturn) {
    Load(R"(<HorizontalLayout><Edit name="n" numberonly="true" maxchar="4"/><Edit name="ro" readonly="true" text="x"/></HorizontalLayout>)",
         {200, 20});
    auto* number = Find<CEditUI>("n");
    EXPECT_EQ(number->ApplyNativeText("12a345"), "1234");
    EXPECT_EQ(number->ApplyNativeText("1234"), "1234");
    number->SetFocus();
    pm.OnKeyDown(kKeyBackspace);
    pm.OnKeyDown(kKeyReturn);
    auto* readOnly = Find<CEditUI>("ro");
    EXPECT_EQ(readOnly->ApplyNativeText("changed"), "x");
    number->SetText("99");  // the program's own change is silent
    EXPECT_EQ(notes.events, (Events{"textchanged:n", "setfocus:n", "textchanged:n", "return:n"}));
}

constexpr const char* kOptions = R"(
<VerticalLayout>
  <HorizontalLayout height="20">
    <Option name="o0" group="g" bindtab="pages" bindtabindex="0" selected="true"/>
    <Option name="o1" group="g" bindtab="pages" bindtabindex="1"/>
    <Option name="o2" group="g" bindtab="pages" bindtabindex="2"/>
    <CheckBox name="check"/>
  </HorizontalLayout>
  <TabLayout name="pages"><Control/><Control/><Control/></TabLayout>
</VerticalLayout>)";

TEST_F(NotifyTest, OptionGroupsAreExclusiveAndShowTheirBoundPage) {
    Load(kOptions, {200, 100});
    auto* pages = Find<CTabLayoutUI>("pages");
    EXPECT_EQ(pages->GetCurSel(), 0);

    Click(Find("o1"));
    EXPECT_EQ(notes.events, (Events{"setfocus:o1", "click:o1", "selectchanged:o0", "tabselect:pages",
                                    "selectchanged:o1"}));
    EXPECT_FALSE(Find<COptionUI>("o0")->IsSelected());
    EXPECT_EQ(pages->GetCurSel(), 1);

    // Clicking the selected option of a group keeps it selected.
    notes.events.clear();
    Click(Find("o1"));
    EXPECT_EQ(notes.events, (Events{"click:o1"}));

    // Selecting without notifying still clears the group and shows the page.
    notes.events.clear();
    Find<COptionUI>("o2")->Selected(true, false);
    EXPECT_TRUE(notes.events.empty());
    EXPECT_FALSE(Find<COptionUI>("o1")->IsSelected());
    EXPECT_EQ(pages->GetCurSel(), 2);
}

TEST_F(NotifyTest, CheckBoxTogglesOnEachClick) {
    Load(kOptions, {200, 100});
    auto* check = Find<CCheckBoxUI>("check");
    Click(check);
    EXPECT_TRUE(check->GetCheck());
    Click(check);
    EXPECT_FALSE(check->GetCheck());
    check->SetCheck(true);
    EXPECT_EQ(std::count(notes.events.begin(), notes.events.end(), "selectchanged:check"), 2);
}

TEST_F(NotifyTest, ComboSelectsWithAndWithoutNotification) {
    Load(R"(<HorizontalLayout><Combo name="combo">
              <ListLabelElement text="zero" userdata="a"/>
              <ListLabelElement text="one" visible="false"/>
              <ListLabelElement text="two" selected="true"/>
              <ListLabelElement text="three"/>
            </Combo></HorizontalLayout>)",
         {200, 20});
    notes.withParams = true;
    auto* combo = Find<CComboUI>("combo");
    EXPECT_EQ(combo->GetCurSel(), 2);
    EXPECT_EQ(combo->GetCurItemText(), "two");

    EXPECT_TRUE(combo->SelectItem(0, false, false));
    EXPECT_TRUE(notes.events.empty());
    EXPECT_TRUE(combo->SelectItem(3));
    EXPECT_FALSE(combo->SelectItem(9));
    combo->SetFocus();
    notes.events.clear();
    pm.OnKeyDown(kKeyUp);  // skips the hidden item
    EXPECT_EQ(notes.events, (Events{"itemselect:combo:2:3"}));
    EXPECT_EQ(combo->GetItemAt(0)->GetUserData(), "a");
}

TEST_F(NotifyTest, SliderReportsMovesWhileDraggingAndTheValueOnRelease) {
    // Track 100 pixels (110 less a 10-pixel thumb): one pixel per unit.
    Load(R"(<HorizontalLayout><Slider name="s" width="110" min="0" max="100" thumbsize="10,10"/><Control/></HorizontalLayout>)",
         {200, 20});
    notes.withParams = true;
    auto* slider = Find<CSliderUI>("s");
    pm.OnButtonDown({5 + 30, 10});
    pm.OnMouseMove({5 + 50, 10});
    pm.OnMouseMove({5 + 50, 12});  // same value: nothing new
    pm.OnButtonUp({5 + 60, 10});
    EXPECT_EQ(slider->GetValue(), 60);
    EXPECT_EQ(notes.events, (Events{"setfocus:s:0:0", "movevaluechanged:s:0:0", "movevaluechanged:s:0:0",
                                    "valuechanged:s:0:0"}));

    notes.events.clear();
    slider->SetValue(10);
    slider->SetValue(500);
    EXPECT_EQ(slider->GetValue(), 100);
    EXPECT_TRUE(notes.events.empty());
    slider->SetValue(40, true);
    pm.OnMouseWheel({50, 10}, -120);
    EXPECT_EQ(slider->GetValue(), 39);
    EXPECT_EQ(notes.events, (Events{"valuechanged:s:0:0", "valuechanged:s:0:0"}));
}

TEST_F(NotifyTest, ListRowsClickSelectActivateAndOfferMenus) {
    Load(R"(<VerticalLayout><List name="list" itemheight="20">
              <ListLabelElement name="r0" text="first"/>
              <ListContainerElement name="r1" menu="true"><Label name="inner" text="second"/></ListContainerElement>
              <ListLabelElement name="r2" text="third"/>
            </List></VerticalLayout>)",
         {100, 100});
    notes.withParams = true;
    auto* list = Find<CListUI>("list");
    EXPECT_EQ(Find("r1")->GetPos(), (Rect{0, 20, 100, 40}));

    Click(Find("inner"));  // a press on a row's child selects the row
    EXPECT_EQ(list->GetCurSel(), 1);
    Click(Find("r0"));  // a host reports a double click after a first click
    pm.OnDoubleClick({10, 10});
    pm.OnButtonUp({10, 10});
    pm.OnContextMenu({30, 25});
    pm.OnContextMenu({30, 5});  // r0 uses no menu
    pm.OnKeyDown(kKeyDown);
    EXPECT_EQ(notes.events, (Events{"setfocus:inner:0:0", "itemclick:r1:0:0", "itemselect:list:1:-1",
                                    "killfocus:inner:0:0", "setfocus:r0:0:0", "itemclick:r0:0:0",
                                    "itemselect:list:0:1", "itemactivate:r0:0:0", "menu:r1:30:25",
                                    "killfocus:r0:0:0", "setfocus:r1:0:0", "itemselect:list:1:0"}));
}

}  // namespace
}  // namespace viremo::toolkit::testing
