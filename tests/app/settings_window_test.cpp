#include <gtest/gtest.h>

#include "app_test_support.h"
#include "toolkit/window_host.h"
#include "ui/set_wnd.h"
#include "ui/update_info_list_item.h"

namespace viremo::app::testing {
namespace {

// Without an update service nothing is asked: the window lists the demo
// set's products as they are and says it could not get update information.
TEST_F(MainWindowTest, TheSettingsWindowListsTheDemoProductsBesideTheSettingsButton) {
    const auto folder = std::filesystem::temp_directory_path() / "viremo-settings-window-test";
    std::filesystem::create_directories(folder);
    ui::CSetWnd settings({}, {VIREMO_SOURCE_DIR "/resources/DefaultData/Language.config", folder / "updatetime.config"});
    ASSERT_TRUE(window->PrepareSettings(settings, true));
    settings.ShowWindow(true, false);
    ASSERT_TRUE(RunUntil([&] { return settings.ItemCount() == 4 && !settings.IsChecking(); }, 5000));

    // Firmware of the mouse's receiver and of the keyboard, then the mouse
    // pad and the application, whose versions are decimal and shown by their
    // rows' own texts until the service answers; the headset has no row.
    const std::pair<const char*, const char*> expected[] = {
        {"MS", "V0103"}, {"KB", "V0105"}, {"MP", ""}, {"VR", "VIREMO V.10"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(settings.Item(i)->GetProductName(), expected[i].first);
        EXPECT_EQ(settings.Item(i)->GetInstalledVersion(), expected[i].second);
        EXPECT_EQ(settings.Item(i)->GetStatus(), ui::item_status::kUpToDate);
    }
    EXPECT_EQ(settings.GetStatus(), update::WindowStatus::NoConnection);

    // Right edge 30 pixels inside the main window's, top 60 below its top.
    const toolkit::Rect main = window->GetHost()->GetBounds();
    const toolkit::Rect own = settings.GetHost()->GetBounds();
    EXPECT_EQ(own.right, main.right - 30);
    EXPECT_EQ(own.top, main.top + 60);
    EXPECT_EQ(own.Width(), 630);
    EXPECT_TRUE(settings.RequestClose());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace viremo::app::testing
