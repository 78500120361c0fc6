#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "emulator/products.h"
#include "toolkit/label.h"
#include "toolkit/progress.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/mp_device_power.h"
#include "ui/program_messages.h"

namespace viremo::app::testing {
namespace {

using devices::kKindHeadset;
using devices::kKindKeyboard;
using devices::kKindMouse;
using devices::kKindMousePad;

// The set-up has already seen the four tabs of the demo set come up.
TEST_F(MainWindowTest, TheDemoSetGivesOneTabPerDeviceWithItsPageKind) {
    EXPECT_EQ(window->TabCount(), 4);
    EXPECT_TRUE(window->IsShown());
    EXPECT_FALSE(window->GetPaintManager().FindControl("No_device_Link")->IsVisible());
    // Each page is of the kind its model says: tab, device and name agree.
    const std::pair<int, int> modelOfKind[] = {{kKindMouse, 2}, {kKindKeyboard, 1}, {kKindMousePad, 3}, {kKindHeadset, 7}};
    for (auto [kind, model] : modelOfKind) {
        ASSERT_NE(TabOfKind(kind), nullptr) << kind;
        EXPECT_EQ(TabOfKind(kind)->GetModelId(), model);
        EXPECT_TRUE(ui::DeviceConnection(*TabOfKind(kind)->GetDevice()).IsOpen());
    }
    EXPECT_TRUE(TabOfKind(kKindMouse)->GetDevice()->Driver().IsOnReceiver());
}

TEST_F(MainWindowTest, UnpluggingTheShownDeviceLeavesItsPageAndPluggingBringsItBack) {
    ASSERT_TRUE(window->SelectKind(kKindMouse));
    ASSERT_EQ(CurrentKind(), kKindMouse);
    demo->mouseReceiverUsb.unplug(bus);
    ASSERT_TRUE(RunUntil([&] { return window->VisibleTabCount() == 3; }));
    EXPECT_FALSE(TabOfKind(kKindMouse)->IsVisibleFlag());
    EXPECT_NE(CurrentKind(), kKindMouse);
    EXPECT_NE(CurrentKind(), -1);

    ASSERT_TRUE(demo->mouseReceiverUsb.plug(bus));
    ASSERT_TRUE(RunUntil([&] { return window->VisibleTabCount() == 4; }));
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());
    EXPECT_EQ(window->TabCount(), 4);  // the page was kept, not made again
}

TEST_F(MainWindowTest, TheMouseCableWinsOverItsReceiverAndHandsBackWhenPulled) {
    ui::DeviceConnection mouse(*TabOfKind(kKindMouse)->GetDevice());
    const auto cable = emulator::mouseOnCable(demo->mouse);
    ASSERT_TRUE(cable.plug(bus));
    ASSERT_TRUE(RunUntil([&] { return !mouse.IsOnReceiver(); }));
    EXPECT_TRUE(mouse.IsOpen());
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());

    cable.unplug(bus);
    ASSERT_TRUE(RunUntil([&] { return mouse.IsOnReceiver(); }));
    EXPECT_TRUE(mouse.IsOpen());
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());  // the tab never went
    EXPECT_EQ(window->VisibleTabCount(), 4);
}

TEST_F(MainWindowTest, UnpluggingEverythingShowsTheNoDeviceNotice) {
    for (const auto* product : demo->products()) product->unplug(bus);
    ASSERT_TRUE(RunUntil([&] { return window->VisibleTabCount() == 0; }));
    EXPECT_TRUE(window->GetPaintManager().FindControl("No_device_Link")->IsVisible());
}

TEST_F(MainWindowTest, ABatteryReportOf37PercentShowsTheRingAt63) {
    ASSERT_TRUE(window->SelectKind(kKindMouse));
    auto& pm = window->GetPaintManager();
    auto* display = dynamic_cast<ui::CMpDevicePowerUI*>(pm.FindControl("device_power_Layout")->GetParent());
    ASSERT_NE(display, nullptr);
    const uint8_t report[] = {37, 1, 0, 0};
    display->ShowPowerReport(report);
    auto* ring = dynamic_cast<toolkit::CProgressUI*>(pm.FindControl("device_Power_progress"));
    ASSERT_NE(ring, nullptr);
    EXPECT_EQ(ring->GetValue(), 63);
    EXPECT_EQ(pm.FindControl("device_power_value")->GetText(), "37%");
}

// Messages from outside the window with indexes out of range are ignored.
TEST_F(MainWindowTest, HotPlugAndLinkMessagesCheckTheirIndexes) {
    for (unsigned message : {devices::kMsgInterfaceFound, devices::kMsgInterfaceLost, ui::kMsgLinkState}) {
        for (std::uintptr_t index : {std::uintptr_t(11), std::uintptr_t(4), std::uintptr_t(-1)}) {
            toolkit::Message msg{message, index, 0};
            window->HandleMessage(msg);
        }
    }
    EXPECT_EQ(window->VisibleTabCount(), 4);
}

// The tab reports a lost link while it is still shown; the handler hides it
// and moves the selection to another device.
TEST_F(MainWindowTest, ALostLinkHidesTheTabAndALinkBackShowsIt) {
    ASSERT_TRUE(window->SelectKind(kKindMouse));
    const int mouseTab = TabIndexOfKind(kKindMouse);
    toolkit::Message lost{ui::kMsgLinkState, static_cast<std::uintptr_t>(mouseTab), 0};
    window->HandleMessage(lost);
    EXPECT_FALSE(TabOfKind(kKindMouse)->IsVisibleFlag());
    EXPECT_NE(CurrentKind(), kKindMouse);
    EXPECT_NE(CurrentKind(), -1);

    toolkit::Message back{ui::kMsgLinkState, static_cast<std::uintptr_t>(mouseTab), 1};
    window->HandleMessage(back);
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());
}

// While the session sleeps nothing is lost: discovery waits, and catches up
// on resume.
TEST_F(MainWindowTest, DevicesUnpluggedDuringASuspendAreNoticedOnResume) {
    toolkit::Message suspend{ui::kMsgPowerBroadcast, ui::kPowerSuspend, 0};
    window->HandleMessage(suspend);
    RunUntil([] { return false; }, std::chrono::milliseconds(150));
    demo->mousePadUsb.unplug(bus);
    RunUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_TRUE(TabOfKind(kKindMousePad)->IsVisibleFlag());

    toolkit::Message resume{ui::kMsgPowerBroadcast, ui::kPowerResume, 0};
    window->HandleMessage(resume);
    ASSERT_TRUE(RunUntil([&] { return !TabOfKind(kKindMousePad)->IsVisibleFlag(); }));
    EXPECT_EQ(window->VisibleTabCount(), 3);
}

TEST_F(MainWindowTest, ShutdownStopsDiscoveryPromptly) {
    const auto before = std::chrono::steady_clock::now();
    window->Shutdown();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(300));
    EXPECT_FALSE(ui::DeviceConnection(*TabOfKind(kKindKeyboard)->GetDevice()).IsOpen());
}

}  // namespace
}  // namespace viremo::app::testing
