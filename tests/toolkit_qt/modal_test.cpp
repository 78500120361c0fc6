#include "qt_test_support.h"
#include "toolkit/dialog_builder.h"

namespace viremo::toolkit::qt::testing {
namespace {

using ModalTest = QtHostTest;

std::unique_ptr<CControlUI> BuildInput() {
    CPaintManagerUI::SetResourcePath(VIREMO_TEST_DATA);
    CDialogBuilder builder;
    return builder.Create("input.xml");
}

TEST_F(ModalTest, ChildReturnsItsResultWhileTheOwnerIsDisabled) {
    CWindowWnd owner;
    ASSERT_TRUE(owner.Create({WindowKind::Normal, nullptr, "owner", {0, 0, 300, 100}}));
    owner.GetPaintManager().AttachDialog(BuildInput());
    owner.ShowWindow();

    CWindowWnd child;
    ASSERT_TRUE(child.Create({WindowKind::Normal, &owner, "child", {}}));
    child.GetPaintManager().AttachDialog(BuildInput());
    NotifyRecorder recorder;
    recorder.onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == "click" && msg.pSender->GetName() == "ok") child.Close(7);
    };
    child.GetPaintManager().AddNotifier(&recorder);

    // Runs inside the modal loop: the user clicks the child's "ok".
    bool ownerDisabledDuringRun = false;
    UiQueue().PostTask([&] {
        ownerDisabledDuringRun = !WidgetOf(owner)->isEnabled();
        QApplication::processEvents();
        Click(child, *child.GetPaintManager().FindControl("ok"));
    });
    EXPECT_EQ(child.ShowModal(), 7);
    EXPECT_TRUE(ownerDisabledDuringRun);
    EXPECT_TRUE(WidgetOf(owner)->isEnabled());
    EXPECT_FALSE(child.IsCreated());
}

}  // namespace
}  // namespace viremo::toolkit::qt::testing
