#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "emulator/products.h"
#include "toolkit/label.h"
#include "toolkit/progress.h"
#include "ui/device_option.h"
#include "ui/device_connection.h"
#include "ui/device_page.h"
#include "ui/keyboard_page.h"
#include "ui/mp_device_power.h"
#include "toolkit/language.h"
#include "ui/program_messages.h"
#include "ui/window_chrome.h"

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
    // The mouse row's kind code is the keyboard's model id: the page still
    // follows the model.
    EXPECT_NE(dynamic_cast<ui::CKeyboardDevicePage*>(TabOfKind(kKindKeyboard)->GetDevice()), nullptr);
    EXPECT_EQ(dynamic_cast<ui::CKeyboardDevicePage*>(TabOfKind(kKindMouse)->GetDevice()), nullptr);
}

TEST_F(MainWindowTest, UnpluggingTheShownDeviceLeavesItsPageAndPluggingBringsItBack) {
    ASSERT_TRUE(window->SelectKind(kKindMouse));
    ASSERT_EQ(CurrentKind(), kKindMouse);
    demo->mouseReceiverUsb.unplug(bus);
    ASSERT_TRUE(RunUntil([&] { return window->VisibleTabCount() == 3; }, 5000));
    EXPECT_FALSE(TabOfKind(kKindMouse)->IsVisibleFlag());
    EXPECT_NE(CurrentKind(), kKindMouse);
    EXPECT_NE(CurrentKind(), -1);

    ASSERT_TRUE(demo->mouseReceiverUsb.plug(bus));
    ASSERT_TRUE(RunUntil([&] { return window->VisibleTabCount() == 4; }, 5000));
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());
    EXPECT_EQ(window->TabCount(), 4);  // the page was kept, not made again
}

TEST_F(MainWindowTest, TheMouseCableWinsOverItsReceiverAndHandsBackWhenPulled) {
    ui::DeviceConnection mouse(*TabOfKind(kKindMouse)->GetDevice());
    const auto cable = emulator::mouseOnCable(demo->mouse);
    ASSERT_TRUE(cable.plug(bus));
    ASSERT_TRUE(RunUntil([&] { return !mouse.IsOnReceiver(); }, 5000));
    EXPECT_TRUE(mouse.IsOpen());
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());

    cable.unplug(bus);
    ASSERT_TRUE(RunUntil([&] { return mouse.IsOnReceiver(); }, 5000));
    EXPECT_TRUE(mouse.IsOpen());
    EXPECT_TRUE(TabOfKind(kKindMouse)->IsVisibleFlag());  // the tab never went
    EXPECT_EQ(window->VisibleTabCount(), 4);
}

TEST_F(MainWindowTest, UnpluggingEverythingShowsTheNoDeviceNotice) {
    for (const auto* product : demo->products()) product->unplug(bus);
    ASSERT_TRUE(RunUntil([&] { return window->VisibleTabCount() == 0; }, 5000));
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
    RunUntil([] { return false; }, 150);
    demo->mousePadUsb.unplug(bus);
    RunUntil([] { return false; }, 300);
    EXPECT_TRUE(TabOfKind(kKindMousePad)->IsVisibleFlag());

    toolkit::Message resume{ui::kMsgPowerBroadcast, ui::kPowerResume, 0};
    window->HandleMessage(resume);
    ASSERT_TRUE(RunUntil([&] { return !TabOfKind(kKindMousePad)->IsVisibleFlag(); }, 5000));
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

namespace viremo::app::testing {
namespace {

// A monitor of a given size, for the window's choice of scale.
class MonitorOfSize : public ui::IWindowChrome {
public:
    explicit MonitorOfSize(toolkit::Rect monitor) : m_monitor(monitor) {}
    void Minimize(toolkit::CWindowWnd&) override {}
    void Restore(toolkit::CWindowWnd& window) override { window.ShowWindow(true, true); }
    void Raise(toolkit::CWindowWnd&) override {}
    bool IsMinimized(toolkit::CWindowWnd&) override { return false; }
    toolkit::Rect MonitorRect(toolkit::CWindowWnd&) override { return m_monitor; }
    std::optional<toolkit::Point> CursorPosition() override { return std::nullopt; }

private:
    toolkit::Rect m_monitor;
};

TEST_F(MainWindowTest, TheScaleFollowsTheMonitor) {
    struct Case {
        int width, height, dpi;
    };
    for (const Case c : {Case{1920, 1080, 144}, Case{1501, 961, 144}, Case{1500, 1080, 96}, Case{1920, 960, 96},
                         Case{1280, 800, 96}}) {
        MonitorOfSize monitor({0, 0, c.width, c.height});
        ui::SetWindowChrome(&monitor);
        toolkit::Message fit{toolkit::kMsgTimer, 1011, 0};
        window->HandleMessage(fit);
        EXPECT_EQ(window->GetDpi(), c.dpi) << c.width << "x" << c.height;
        ui::SetWindowChrome(nullptr);
    }
    EXPECT_DOUBLE_EQ(window->GetPaintManager().GetDPIScale(), 1.0);
}

TEST_F(MainWindowTest, ALanguageChangeReplacesTheWindowsTexts) {
    window->SetLanguageSwitch([](int language) {
        toolkit::Language().LoadText(language == 1 ? "ok_text=确定" : "ok_text=OK");
        return true;
    });
    auto* ok = window->GetPaintManager().FindControl("nodevice_ok_btn");
    toolkit::Message chinese{ui::kMsgLanguageChanged, 1, 0};
    window->HandleMessage(chinese);
    EXPECT_EQ(ok->GetDisplayText(), "确定");
    toolkit::Message english{ui::kMsgLanguageChanged, 0, 0};
    window->HandleMessage(english);
    EXPECT_EQ(ok->GetDisplayText(), "OK");
    toolkit::Language().Clear();
}

}  // namespace
}  // namespace viremo::app::testing
