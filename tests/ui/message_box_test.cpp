#include "ui/msg_wnd.h"

#include <gtest/gtest.h>

#include "platform/log.h"
#include "toolkit/paint_manager.h"
#include "ui/message_text.h"

namespace viremo::ui {
namespace {

TEST(MessageTextTest, TheNumberIsSubstitutedNeverFormatted) {
    EXPECT_EQ(TextWithNumber("Write failed (%d)", -201), "Write failed (-201)");
    // A translated text with other conversions stays as it is.
    EXPECT_EQ(TextWithNumber("%s%n failed %d, %d", 7), "%s%n failed 7, %d");
    EXPECT_EQ(TextWithNumber("Write failed", 0), "Write failed 0");
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin"); }
};

TEST_F(MessageBoxTest, AnUnknownDpiIsLoggedAndTakenAs96) {
    CMsgWnd box;
    ASSERT_TRUE(box.Build(nullptr));
    log::Capture log;
    box.SetDPI(100);
    EXPECT_EQ(box.GetDPI(), 96);
    EXPECT_TRUE(log.contains("MSG_WND DPI SET ERROR"));
    box.SetDPI(144);
    EXPECT_EQ(box.GetDPI(), 144);
    EXPECT_DOUBLE_EQ(box.GetPaintManager().GetDPIScale(), 1.5);
}

}  // namespace
}  // namespace viremo::ui
