// The skin frame over the main window: stock images and colours, the
// default, the user's picture, one frame at a time, and "main.ini".
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "platform/atomic_file.h"
#include "platform/folders.h"
#include "toolkit/paint_manager.h"
#include "ui/skin_change.h"
#include "ui/skin_frame.h"

namespace viremo::app::testing {
namespace {

class SkinFrameTest : public PrivateDataTest {
protected:
    void SetUp() override {
        PrivateDataTest::SetUp();
        window->SetFileChooser([this](bool, std::string_view filter, std::string_view) {
            EXPECT_EQ(filter, "(*.png) | *.png |(*.*)|*.*||");
            return picture;
        });
        root = window->GetPaintManager().FindControl("root");
        ASSERT_TRUE(root);
    }

    // Opens the frame and clicks the first of its controls with that name.
    void Choose(std::string_view name) {
        if (!window->SkinFrame()) window->GetPaintManager().SendNotify(window->GetPaintManager().FindControl("skinbtn"), "click");
        toolkit::CWindowWnd* frame = window->SkinFrame();
        ASSERT_TRUE(frame);
        toolkit::CControlUI* control = frame->GetPaintManager().FindControl(name);
        ASSERT_TRUE(control) << name;
        frame->GetPaintManager().SendNotify(control, "click");
    }

    std::string SkinChoice() {
        return readWholeFile(folders::applicationData() / "main.ini").value_or("(none)");
    }

    toolkit::CControlUI* root = nullptr;
    std::string picture;
};

TEST_F(SkinFrameTest, StockImageThenColourThenDefault) {
    Choose("skin_image_btn");
    EXPECT_EQ(root->GetBkImage(), "image/skins/dusk.svg");
    EXPECT_EQ(root->GetBkColor(), 0u);
    EXPECT_EQ(SkinChoice(), "[SKINIMAGE]\nFLAGS=1\nIMAGE=image/skins/dusk.svg\n");

    Choose("skin_color");
    Choose("skin_color_btn");
    EXPECT_EQ(root->GetBkColor(), 0xFF111318u);
    EXPECT_EQ(root->GetBkImage(), "");
    EXPECT_EQ(SkinChoice(), "[SKINIMAGE]\nFLAGS=1\nIMAGE=image/skins/dusk.svg\n") << "colours are not recorded";

    Choose("skin_reset");
    EXPECT_EQ(root->GetBkImage(), "image/controls/background.svg");
    EXPECT_EQ(SkinChoice(), "[SKINIMAGE]\nFLAGS=0\nIMAGE=image/controls/background.svg\n");
}

TEST_F(SkinFrameTest, UsersPictureIsTakenAsAFileNameOnly) {
    picture = "/home/someone/Pictures/desk.png";
    Choose("skin_Custom");
    EXPECT_EQ(root->GetBkImage(), picture);

    // Cancelled, or a name the image syntax would read as attributes.
    for (const char* refused : {"", "file='/etc/x.png' corner='9,9,9,9'"}) {
        picture = refused;
        Choose("skin_Custom");
        EXPECT_EQ(root->GetBkImage(), "/home/someone/Pictures/desk.png") << refused;
    }
    picture = "/home/someone/it's mine.png";
    Choose("skin_Custom");
    EXPECT_EQ(root->GetBkImage(), picture);
    EXPECT_EQ(SkinChoice(), "(none)") << "the user's picture is not recorded";
}

TEST_F(SkinFrameTest, OneFrameAtATime) {
    auto& pm = window->GetPaintManager();
    pm.SendNotify(pm.FindControl("skinbtn"), "click");
    toolkit::CWindowWnd* first = window->SkinFrame();
    ASSERT_TRUE(first);
    pm.SendNotify(pm.FindControl("skinbtn"), "click");
    EXPECT_EQ(window->SkinFrame(), first);
    first->Close(0);
    ASSERT_TRUE(RunUntil([&] { return window->SkinFrame() == nullptr; }));
}

// Receivers are told in the order they registered.
TEST(SkinChangeObserverTest, TellsReceiversInOrder) {
    struct Receiver : ui::ISkinChangeReceiver {
        Receiver(std::vector<int>& calls, int id) : calls(calls), id(id) {}
        int OnPublish(const ui::SkinChangedParam&) override { return calls.push_back(id), 1; }
        std::vector<int>& calls;
        int id;
    };
    std::vector<int> calls;
    Receiver a(calls, 1), b(calls, 2);
    ui::CSkinChangeObserver observer;
    observer.AttachReceiver(&a);
    observer.AttachReceiver(&b);
    observer.AttachReceiver(nullptr);
    observer.Publish({});
    observer.DetachReceiver(&a);
    observer.Publish({});
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 2}));
}

}  // namespace
}  // namespace viremo::app::testing
