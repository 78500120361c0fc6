// The main window's input hook: key capture through message 1054, and the
// capture and a recording ended when the device shown loses its link.
#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "macros/macro_recording.h"
#include "ui/program_messages.h"

namespace viremo::app::testing {
namespace {

TEST_F(MainWindowTest, Message1054InstallsAndRemovesKeyCapture) {
    toolkit::Message install{ui::kMsgInputHook, 1, 0};
    window->HandleMessage(install);
    EXPECT_TRUE(window->InputHook().IsInstalled());
    EXPECT_EQ(window->InputHook().Mode(), capture_mode::kSingleKey);
    EXPECT_EQ(window->InputHook().Receiver(), window.get());

    toolkit::Message remove{ui::kMsgInputHook, 0, 0};
    window->HandleMessage(remove);
    EXPECT_FALSE(window->InputHook().IsInstalled());
}

TEST_F(MainWindowTest, ALostLinkEndsTheRecordingOfTheDeviceShown) {
    ASSERT_TRUE(window->SelectKind(devices::kKindMouse));
    MacroEventList events;
    MacroRecording recording(events, window->InputHook());
    int ended = 0;
    recording.onEnded = [&] { ++ended; };
    ASSERT_EQ(recording.Start({TimingMode::Measured, capture_mode::kMacroAppend}, true), RecordingStart::Started);

    toolkit::Message lost{ui::kMsgLinkState, static_cast<std::uintptr_t>(TabIndexOfKind(devices::kKindMouse)), 0};
    window->HandleMessage(lost);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(recording.IsRecording());
    EXPECT_FALSE(window->InputHook().IsInstalled());
}

}  // namespace
}  // namespace viremo::app::testing
