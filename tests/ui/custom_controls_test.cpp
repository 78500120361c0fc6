// The program's own controls as layouts name them: the ring progress, the
// key buttons of a device picture, the selection panel around them, the
// picture button and the list row with a hover frame.
#include <gtest/gtest.h>

#include "toolkit/fixed_metric_renderer.h"
#include "toolkit/list.h"
#include "toolkit_fixture.h"
#include "ui/circle_progress.h"
#include "ui/cloud_share_list_item.h"
#include "ui/device_key_button.h"
#include "ui/hand_img_button.h"
#include "ui/program_controls.h"
#include "ui/select_panel.h"

namespace viremo::ui {
namespace {

using toolkit::CFixedMetricRenderer;
using toolkit::Point;
using toolkit::Rect;

class CustomControlsTest : public toolkit::testing::ToolkitTest {
protected:
    void SetUp() override { RegisterProgramControls(); }

    std::vector<std::string> PaintCalls(toolkit::CControlUI* control) {
        CFixedMetricRenderer renderer;
        control->DoPaint(renderer, control->GetPos());
        return renderer.Calls();
    }

    // What the controls sent, focus changes left out.
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const std::string& line : notes.events)
            if (!line.starts_with("setfocus:") && !line.starts_with("killfocus:")) sent.push_back(line);
        return sent;
    }
};

TEST_F(CustomControlsTest, RingSweepsTheFilledShareFromTheBottom) {
    Load(R"(<Window><CircleProgress name="ring" bkcolor="#FF202020" forecolor="#FF19C3E6"/></Window>)", {60, 60});
    auto* ring = Find<CCircleProgressUI>("ring");
    ASSERT_TRUE(ring);
    struct Case { int min, max, value, sweep; };
    for (const Case& c : {Case{0, 200, 50, 90}, Case{0, 7, 1, 51}, Case{100, 200, 150, 180}, Case{5, 5, 5, 0}}) {
        ring->SetMaxValue(c.max);
        ring->SetMinValue(c.min);
        ring->SetValue(c.value);
        EXPECT_EQ(ring->SweepDegrees(), c.sweep) << c.min << ".." << c.max << " at " << c.value;
    }

    ring->SetMinValue(0);
    ring->SetMaxValue(200);
    ring->SetValue(50);
    EXPECT_EQ(PaintCalls(ring), (std::vector<std::string>{
                                    "pie 0,0,60,60 start=0 sweep=360 #FF202020",
                                    "pie 0,0,60,60 start=90 sweep=90 #FF19C3E6",
                                    "ellipse 10,10,50,50 #FFFFFFFF",
                                }));
}

TEST_F(CustomControlsTest, EmptyRangeDrawsAnEmptyRing) {
    Load(R"(<Window><CircleProgress name="ring" min="3" max="3" value="3" forecolor="#FF19C3E6"/></Window>)",
         {40, 40});
    EXPECT_EQ(PaintCalls(Find("ring")), (std::vector<std::string>{"ellipse 10,10,30,30 #FFFFFFFF"}));
}

TEST_F(CustomControlsTest, KeyButtonDrawsItsLightAndItsKeySetMark) {
    Load(R"(<Window><DeviceKeyButton name="key_1" lightimage="light.png" keysetimage="mark.png"
              gmnametextcolor="#FF00FF"/></Window>)",
         {30, 30});
    auto* key = Find<CDeviceKeyButtonUI>("key_1");
    ASSERT_TRUE(key);
    EXPECT_TRUE(PaintCalls(key).empty()) << "no light shown and the mark hidden at first";

    key->SetLight(0xFF112233, 128, true);
    key->SetKeySetMarkHidden(0);
    EXPECT_EQ(PaintCalls(key), (std::vector<std::string>{
                                   "image 0,0,30,30 file=light.png tint=#FF112233 level=128",
                                   "image 0,0,30,30 file=mark.png",
                               }));
}

TEST_F(CustomControlsTest, DoubleClickOnAKeySendsDbclick) {
    Load(R"(<Window><DeviceKeyButton name="key_1"/></Window>)", {30, 30});
    pm.OnDoubleClick({10, 10});
    pm.OnButtonUp({10, 10});
    EXPECT_EQ(Sent().front(), "dbclick:key_1");
}

// A picture of three keys in a row and a label; a fourth key sits one level
// deeper, inside another container.
constexpr const char* kPicture = R"(
<Window><SelectPanel name="SelectPanel">
  <DeviceKeyButton name="key_0" float="true" pos="10,10,30,30"/>
  <DeviceKeyButton name="key_1" float="true" pos="40,10,60,30"/>
  <DeviceKeyButton name="key_2" float="true" pos="70,10,90,30"/>
  <Label name="caption" float="true" pos="10,40,90,60"/>
  <HorizontalLayout float="true" pos="10,70,90,90">
    <DeviceKeyButton name="key_3"/>
  </HorizontalLayout>
</SelectPanel></Window>)";

TEST_F(CustomControlsTest, RubberBandMarksTheKeysItTouches) {
    Load(kPicture, {100, 100});
    pm.OnButtonDown({35, 5});
    pm.OnMouseMove({65, 95}, toolkit::kButtonLeft);
    pm.OnButtonUp({65, 95});
    EXPECT_EQ(Sent(), (std::vector<std::string>{"click_select_end:SelectPanel"}));
    EXPECT_EQ(Find<CDeviceKeyButtonUI>("key_0")->GetSelectMark(), 0);
    EXPECT_EQ(Find<CDeviceKeyButtonUI>("key_1")->GetSelectMark(), 1);
    EXPECT_EQ(Find<CDeviceKeyButtonUI>("key_2")->GetSelectMark(), 0);
    EXPECT_EQ(Find<CDeviceKeyButtonUI>("key_3")->GetSelectMark(), 0) << "only keys directly in the panel";

    // A band over nothing clears every mark and still ends the selection.
    notes.events.clear();
    pm.OnButtonDown({92, 92});
    pm.OnMouseMove({98, 98}, toolkit::kButtonLeft);
    pm.OnButtonUp({98, 98});
    EXPECT_EQ(Sent(), (std::vector<std::string>{"click_select_end:SelectPanel"}));
    EXPECT_EQ(Find<CDeviceKeyButtonUI>("key_1")->GetSelectMark(), 0);
}

TEST_F(CustomControlsTest, PressWithoutMovingSelectsNothing) {
    Load(kPicture, {100, 100});
    Find<CDeviceKeyButtonUI>("key_2")->SetSelectMark(1);
    pm.OnButtonDown({35, 5});
    pm.OnButtonUp({35, 5});
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Find<CDeviceKeyButtonUI>("key_2")->GetSelectMark(), 1);
}

TEST_F(CustomControlsTest, HandImageTakesAnAbsolutePathAsItIs) {
    Load(R"(<Window><HandImgButton name="picture" handimage="/home/user/Pictures/me.png"/></Window>)", {50, 50});
    EXPECT_EQ(PaintCalls(Find("picture")),
              (std::vector<std::string>{"image 0,0,50,50 file=/home/user/Pictures/me.png"}));

    pm.OnMouseMove({10, 10});
    pm.OnMouseLeave();
    EXPECT_EQ(notes.events, (std::vector<std::string>{"msenter:picture", "msleave:picture"}));
}

TEST_F(CustomControlsTest, ListRowFramesItselfWhileHoveredAndNotSelected) {
    Load(R"(<Window><List name="list" itemhotbkcolor="#FF232833">
              <CloudShareListItemUI name="row_0" height="30"/>
              <CloudShareListItemUI name="row_1" height="30"/>
            </List></Window>)",
         {100, 100});
    auto* row = Find<CCloudShareListItemUI>("row_0");
    ASSERT_TRUE(row);
    auto framed = [&] {
        CFixedMetricRenderer renderer;
        row->DrawItemBk(renderer);
        return !renderer.CallsOf("border").empty();
    };
    EXPECT_FALSE(framed());
    pm.OnMouseMove({50, 10});
    EXPECT_TRUE(framed());
    row->Select();
    EXPECT_FALSE(framed());
    pm.OnMouseLeave();
    row->Select(false);
    EXPECT_FALSE(framed());
}

}  // namespace
}  // namespace viremo::ui
