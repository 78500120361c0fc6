// Lighting control and game lighting with other programs, over a session bus
// of the test's own.
#include <chrono>
#include <mutex>

#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "platform/sdbus_message_bus.h"
#include "private_session_bus.h"
#include "toolkit/control.h"
#include "toolkit/paint_manager.h"
#include "ui/device_option.h"
#include "ui/device_page.h"
#include "ui/program_controls.h"
#include "ui/stand_in_control.h"

namespace viremo::app::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kAnnouncement = "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
constexpr std::string_view kRequest = "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";

// What another program on the bus hears: the names and lParams (every
// message here has wParam 1).
using Heard = std::vector<std::pair<std::string, int64_t>>;
struct Inbox {
    void Put(const platform::RegisteredMessage& message) {
        std::lock_guard lock(mutex);
        if (message.wParam == 1) heard.emplace_back(message.name, message.lParam);
    }
    size_t Count() {
        std::lock_guard lock(mutex);
        return heard.size();
    }
    Heard Taken() {
        std::lock_guard lock(mutex);
        return std::exchange(heard, {});
    }
    std::mutex mutex;
    Heard heard;
};

class LightingControlTest : public toolkit::qt::testing::QtHostTest {
protected:
    void SetUp() override {
        QtHostTest::SetUp();
        if (!daemon.running()) GTEST_SKIP() << "dbus-daemon is not installed";
        toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
        ui::RegisterProgramControls();
        ui::RegisterControlStandIns();
        ASSERT_TRUE(appBus.Open(true, daemon.address()));
        ASSERT_TRUE(other.Open(false, daemon.address()));
        other.OnMessage([this](const platform::RegisteredMessage& m) { inbox.Put(m); });
        demo.emplace(emulator::plugDemoSet(bus));
        window = std::make_unique<ui::CMainWnd>(bus, &appBus);
        ASSERT_TRUE(window->Build());
        ASSERT_TRUE(RunUntil([&] { return window->IsFirstPassDone() && window->VisibleTabCount() == 4; }, 5000));
    }
    void TearDown() override {
        window.reset();
        QtHostTest::TearDown();
    }
    std::string StatusText() {
        auto* status = window->GetPaintManager().FindControl("control_light_status");
        return status ? status->GetText() : "(none)";
    }
    // Waits until the bus has carried what was sent and the window handled it.
    bool Settle(const std::function<bool()>& done) { return RunUntil(done, 3000); }

    viremo::testing::PrivateSessionBus daemon;
    platform::SdBusMessageBus appBus, other;
    Inbox inbox;
    hid::EmulatedBus bus;
    std::optional<emulator::DemoSet> demo;
    std::unique_ptr<ui::CMainWnd> window;
};

TEST_F(LightingControlTest, AnotherProgramStopsAndResumesLightingControl) {
    EXPECT_TRUE(window->HasLightingControl());
    ASSERT_TRUE(other.Broadcast({std::string(kRequest), 1, 0}));
    ASSERT_TRUE(Settle([&] { return !window->HasLightingControl(); }));
    EXPECT_EQ(StatusText(), "不控制灯光");
    for (int i = 0; i < window->TabCount(); ++i) EXPECT_FALSE(window->Tab(i)->GetDevice()->Driver().HasLightingControl());

    ASSERT_TRUE(other.Broadcast({std::string(kRequest), 1, 1}));
    ASSERT_TRUE(Settle([&] { return window->HasLightingControl(); }));
    EXPECT_EQ(StatusText(), "控制灯光");
    for (int i = 0; i < window->TabCount(); ++i) EXPECT_TRUE(window->Tab(i)->GetDevice()->Driver().HasLightingControl());
}

TEST_F(LightingControlTest, AGameEventSwitchesTheDeviceShown) {
    ui::CDevicePage* shown = window->CurrentDevice();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(other.Broadcast({"Game_Start", 0, 3}));
    ASSERT_TRUE(Settle([&] { return shown->Driver().GetLightingState().mode == 3; }));
}

TEST_F(LightingControlTest, TheUsersTogglesAreAnnouncedAndOwnSignalsAreIgnored) {
    ASSERT_TRUE(Settle([&] { return inbox.Count() == 1; }));  // the announcement at start
    EXPECT_EQ(inbox.Taken(), (Heard{{std::string(kAnnouncement), 1}}));

    // A stop request of the window's own does not come back to it.
    ASSERT_TRUE(appBus.Broadcast({std::string(kRequest), 1, 0}));
    toolkit::TNotifyUI click;
    click.sType = "click";
    click.pSender = window->GetPaintManager().FindControl("control_light_status");
    ASSERT_NE(click.pSender, nullptr);
    window->Notify(click);
    EXPECT_FALSE(window->HasLightingControl());
    EXPECT_EQ(StatusText(), "不控制灯光");
    window->Notify(click);
    EXPECT_EQ(StatusText(), "控制灯光");

    ASSERT_TRUE(Settle([&] { return inbox.Count() == 3; }));
    EXPECT_EQ(inbox.Taken(), (Heard{{std::string(kRequest), 0},
                                    {std::string(kAnnouncement), 0},
                                    {std::string(kAnnouncement), 1}}));
    RunUntil([] { return false; }, 200);
    EXPECT_TRUE(window->HasLightingControl());
}

}  // namespace
}  // namespace viremo::app::testing
