#include "toolkit_fixture.h"

#include "toolkit/fixed_metric_renderer.h"
#include "toolkit/headless_window_system.h"
#include "toolkit/edit.h"
#include "toolkit/progress.h"
#include "toolkit/window.h"

namespace viremo::toolkit::testing {
namespace {

using Calls = std::vector<std::string>;
using PaintTest = ToolkitTest;

TEST_F(PaintTest, PaintWalksVisibleControlsInOrderWithTheirState) {
    Load(R"(<VerticalLayout bkcolor="#FF101010">
              <Button name="b" height="20" text="OK" normalimage="n.png" hotimage="file='h.png' dest='2,2,18,18'"
                      textcolor="#FF000001" hottextcolor="#FF000002" bordersize="1" bordercolor="#FF00FF00"/>
              <Label name="gone" height="20" text="hidden" visible="false"/>
              <Progress name="p" height="10" value="25" forecolor="#FFFF0000"/>
            </VerticalLayout>)",
         {100, 40});
    CFixedMetricRenderer renderer;
    pm.Paint(renderer, {0, 0, 100, 40});
    EXPECT_EQ(renderer.Calls(), (Calls{
                                    "fill 0,0,100,40 #FF101010",
                                    "image 0,0,100,20 file=n.png",
                                    "text 0,0,100,20 'OK' font=12 #FF000001 format=37",
                                    "border 0,0,100,20 size=1 #FF00FF00",
                                    "fill 0,20,25,30 #FFFF0000",
                                }));
    EXPECT_EQ(renderer.ClipDepth(), 0);

    pm.OnMouseMove({50, 10});
    renderer.Clear();
    pm.Paint(renderer, {0, 0, 100, 20});
    EXPECT_EQ(renderer.CallsOf("image"), (Calls{"image 2,2,18,18 file=h.png"}));
    EXPECT_EQ(renderer.CallsOf("text"), (Calls{"text 0,0,100,20 'OK' font=12 #FF000002 format=37"}));
    EXPECT_TRUE(renderer.CallsOf("fill").size() == 1);  // the progress lies outside the dirty area
}

TEST_F(PaintTest, TintedImagesCarryColourAndLevel) {
    Load(R"(<HorizontalLayout><Control name="key"/></HorizontalLayout>)", {30, 30});
    CFixedMetricRenderer renderer;
    Find("key")->DrawImage(renderer, "file='light.png' dest='40,40,50,50'", 0xFF00FF00, 200);
    EXPECT_TRUE(renderer.Calls().empty());  // dest entirely outside the control
    Find("key")->DrawImage(renderer, "file='light.png' source='0,0,8,8'", 0xFF00FF00, 300);
    EXPECT_EQ(renderer.Calls(),
              (Calls{"image 0,0,30,30 file=light.png source=0,0,8,8 tint=#FF00FF00 level=255"}));
}

TEST_F(PaintTest, HostSeesInvalidationCaptureCursorAndTheEditOverlay) {
    CWindowWnd window;
    ASSERT_TRUE(window.Create({WindowKind::Normal, nullptr, "test", {0, 0, 200, 50}}));
    auto* host = dynamic_cast<CHeadlessHost*>(window.GetHost());
    ASSERT_TRUE(host);
    CPaintManagerUI& wpm = window.GetPaintManager();
    CDialogBuilder builder;
    wpm.AttachDialog(builder.Create(R"(<HorizontalLayout><Edit name="e" width="100"/><Button name="b" cursor="hand"/></HorizontalLayout>)"));
    wpm.OnSize({200, 50});
    EXPECT_EQ(host->Invalidated(), (Rect{0, 0, 200, 50}));

    wpm.OnMouseMove({150, 10});
    EXPECT_EQ(host->Cursor(), "hand");
    wpm.OnMouseMove({50, 10});
    EXPECT_EQ(host->Cursor(), "ibeam");
    wpm.OnButtonDown({50, 10});
    EXPECT_TRUE(host->Captured());
    EXPECT_EQ(static_cast<CControlUI*>(host->Overlay()), wpm.FindControl("e"));
    wpm.OnButtonUp({50, 10});
    EXPECT_FALSE(host->Captured());
    wpm.OnButtonDown({150, 10});
    EXPECT_EQ(host->Overlay(), nullptr);
    wpm.OnButtonUp({150, 10});
}

}  // namespace
}  // namespace viremo::toolkit::testing
