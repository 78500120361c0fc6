#include "toolkit_fixture.h"

#include "toolkit/container.h"
#include "toolkit/tab_layout.h"

namespace viremo::toolkit::testing {
namespace {

using LayoutTest = ToolkitTest;

TEST_F(LayoutTest, RowGivesFixedWidthsThenSharesTheRest) {
    Load(R"(<HorizontalLayout inset="5,5,5,5" childpadding="10">
              <Control name="a" width="40"/>
              <Control name="b"/>
              <Control name="hidden" width="500" visible="false"/>
              <Control name="c" width="30" height="20" padding="2,0,3,0"/>
              <Control name="f" float="true" pos="10,10,20,20"/>
            </HorizontalLayout>)",
         {200, 50});
    // Inner 190 x 40; taken 40 + 35 + two gaps of 10 = 95; b gets 95.
    EXPECT_EQ(Find("a")->GetPos(), (Rect{5, 5, 45, 45}));
    EXPECT_EQ(Find("b")->GetPos(), (Rect{55, 5, 150, 45}));
    EXPECT_EQ(Find("c")->GetPos(), (Rect{162, 5, 192, 25}));
    EXPECT_EQ(Find("f")->GetPos(), (Rect{10, 10, 20, 20}));
}

TEST_F(LayoutTest, ColumnRespectsMinAndMaxWhenSharing) {
    Load(R"(<VerticalLayout>
              <Control name="x" height="50"/>
              <Control name="y" maxheight="60"/>
              <Control name="z"/>
              <Control name="w" width="40"/>
            </VerticalLayout>)",
         {100, 300});
    // 250 left for three: y stops at 60, z and w share the other 190.
    EXPECT_EQ(Find("x")->GetPos(), (Rect{0, 0, 100, 50}));
    EXPECT_EQ(Find("y")->GetPos(), (Rect{0, 50, 100, 110}));
    EXPECT_EQ(Find("z")->GetPos(), (Rect{0, 110, 100, 205}));
    EXPECT_EQ(Find("w")->GetPos(), (Rect{0, 205, 40, 300}));
}

TEST_F(LayoutTest, ChildAlignCentresAcrossAndFloatAnchorsFollowTheContainer) {
    Load(R"(<HorizontalLayout childalign="center">
              <Control name="a" width="20" height="10"/>
              <Control name="anchored" float="1,0.5,1,0.5" pos="-30,-5,-10,5"/>
            </HorizontalLayout>)",
         {200, 40});
    EXPECT_EQ(Find("a")->GetPos(), (Rect{0, 15, 20, 25}));
    EXPECT_EQ(Find("anchored")->GetPos(), (Rect{170, 15, 190, 25}));
}

TEST_F(LayoutTest, TabLayoutShowsOnlyTheSelectedPage) {
    Load(R"(<TabLayout name="tabs" selectedid="1" inset="1,1,1,1">
              <Control name="p0"/><Control name="p1"/><Control name="p2"/>
            </TabLayout>)",
         {50, 30});
    auto* tabs = Find<CTabLayoutUI>("tabs");
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_FALSE(Find("p0")->IsVisible());
    EXPECT_TRUE(Find("p1")->IsVisible());
    EXPECT_EQ(Find("p1")->GetPos(), (Rect{1, 1, 49, 29}));
    EXPECT_EQ(pm.FindControl(Point{10, 10}), Find("p1"));

    EXPECT_TRUE(tabs->SelectItem(2));
    EXPECT_FALSE(tabs->SelectItem(3));
    EXPECT_EQ(notes.events, (std::vector<std::string>{"tabselect:tabs"}));
    EXPECT_TRUE(Find("p2")->IsVisible());
    EXPECT_FALSE(Find("p1")->IsVisible());
}

TEST_F(LayoutTest, LabelSizesItselfByItsText) {
    // Fixed metrics: a 12-pixel font is 6 pixels a character.
    Load(R"(<HorizontalLayout>
              <Label name="auto" text="Hello" autocalcwidth="true" textpadding="2,0,3,0"/>
              <Control name="rest"/>
            </HorizontalLayout>)",
         {200, 20});
    EXPECT_EQ(Find("auto")->GetPos(), (Rect{0, 0, 35, 20}));
    Find("auto")->SetText("Hello, world");
    pm.Layout();
    EXPECT_EQ(Find("auto")->GetPos(), (Rect{0, 0, 77, 20}));
    EXPECT_EQ(Find("rest")->GetPos().left, 77);
}

TEST_F(LayoutTest, DpiScaleAppliesToSkinSizes) {
    pm.SetDPIScale(1.5);
    Load(R"(<HorizontalLayout inset="2,2,2,2"><Control name="a" width="40"/><Control name="b"/></HorizontalLayout>)",
         {200, 50});
    EXPECT_EQ(Find("a")->GetPos(), (Rect{3, 3, 63, 47}));
    EXPECT_EQ(Find("b")->GetPos(), (Rect{63, 3, 197, 47}));
}

TEST_F(LayoutTest, ScrolledColumnMovesItsChildrenAndKeepsInRange) {
    Load(R"(<VerticalLayout name="col" vscrollbar="true">
              <Control name="r0" height="30"/><Control height="30"/><Control height="30"/>
              <Control height="30"/><Control name="r4" height="30"/>
            </VerticalLayout>)",
         {100, 100});
    auto* col = Find<CContainerUI>("col");
    // 150 of content in 100: range 50, the bar takes 8 pixels of width.
    EXPECT_EQ(col->GetScrollRange(), (Size{0, 50}));
    EXPECT_EQ(Find("r0")->GetPos(), (Rect{0, 0, 92, 30}));

    col->SetScrollPos({0, 20});
    EXPECT_EQ(Find("r0")->GetPos(), (Rect{0, -20, 92, 10}));
    col->SetScrollPos({0, 400});
    EXPECT_EQ(col->GetScrollPos(), (Size{0, 50}));
    EXPECT_EQ(Find("r4")->GetPos(), (Rect{0, 70, 92, 100}));

    pm.OnMouseWheel({50, 50}, 120);  // up one line of 8
    EXPECT_EQ(col->GetScrollPos(), (Size{0, 42}));
    col->SetScrollPos({0, 0});
    col->EnsureVisible(Find("r4"));
    EXPECT_EQ(col->GetScrollPos(), (Size{0, 50}));
}

TEST_F(LayoutTest, WithoutOverflowTheScrollBarStaysHidden) {
    Load(R"(<VerticalLayout name="col" vscrollbar="true"><Control name="r0" height="30"/></VerticalLayout>)",
         {100, 100});
    EXPECT_EQ(Find<CContainerUI>("col")->GetScrollRange(), (Size{0, 0}));
    EXPECT_EQ(Find("r0")->GetPos(), (Rect{0, 0, 100, 30}));
}

}  // namespace
}  // namespace viremo::toolkit::testing
