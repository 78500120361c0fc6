#include "ui/game_lighting.h"

#include <gtest/gtest.h>

#include "devices/vendrake_usb_device.h"
#include "hid/emulated_bus.h"

namespace viremo::ui {
namespace {

using std::chrono::milliseconds;

class GameLightingTest : public ::testing::Test {
protected:
    GameLightingTest() {
        LightRecord lighting;
        lighting.mode = 6;
        lighting.oldLedMode = 0;
        mouse.SetLightInfo(lighting);
        lighting.oldLedMode = 7;
        keyboard.SetLightInfo(lighting);
    }
    int modeOf(const devices::CVendrakeUSBDevice& device) { return device.GetLightingState().mode; }

    hid::EmulatedBus bus;
    FakeClock clock;
    devices::CVendrakeUSBDevice mouse{bus, clock};
    devices::CVendrakeUSBDevice keyboard{bus, clock};
    GameLighting game{clock};
};

TEST_F(GameLightingTest, AnEventSwitchesTheDeviceForFiveSecondsAndItsStoredModeComesBack) {
    mouse.Channel().SetSyncFlag(1);
    game.OnGameEvent(&mouse, 0, 3);
    EXPECT_EQ(modeOf(mouse), 3);
    EXPECT_EQ(mouse.GetLightingState().oldLedMode, 1);  // 0 is no mode to go back to
    EXPECT_EQ(mouse.Channel().SyncFlag(), 0);

    clock.advance(milliseconds(4990));  // a timer that fired early
    EXPECT_FALSE(game.RestoreWhenDue());
    EXPECT_EQ(modeOf(mouse), 3);
    EXPECT_EQ(game.TimeLeft(), milliseconds(10));
    clock.advance(milliseconds(10));
    EXPECT_TRUE(game.RestoreWhenDue());
    EXPECT_EQ(modeOf(mouse), 1);
    EXPECT_EQ(game.TimeLeft(), std::nullopt);
}

TEST_F(GameLightingTest, TheSwitchedDevicesAreRestoredNotTheOneShownLater) {
    game.OnGameEvent(&keyboard, 1, 12);  // wParam 1 leaves the stored mode alone
    clock.advance(milliseconds(2000));
    game.OnGameEvent(&mouse, 2, 4);       // the five seconds start again
    clock.advance(milliseconds(4000));
    EXPECT_FALSE(game.RestoreWhenDue());
    clock.advance(milliseconds(1000));
    EXPECT_TRUE(game.RestoreWhenDue());
    EXPECT_EQ(modeOf(keyboard), 7);
    EXPECT_EQ(modeOf(mouse), 0);
    EXPECT_FALSE(game.RestoreWhenDue());
}

TEST_F(GameLightingTest, OtherParametersChangeNothing) {
    const struct {
        int64_t wParam, lParam;
    } cases[] = {{5, 3}, {-1, 3}, {0, 31}, {0, -1}, {1, 0x103}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wParam);
        game.OnGameEvent(&keyboard, c.wParam, c.lParam);
        EXPECT_EQ(keyboard.GetLightingState().mode, 6);
        EXPECT_EQ(keyboard.GetLightingState().oldLedMode, 7);
    }
    game.OnGameEvent(nullptr, 0, 3);
    clock.advance(milliseconds(5000));
    EXPECT_FALSE(game.RestoreWhenDue());
    EXPECT_EQ(modeOf(keyboard), 6);
}

}  // namespace
}  // namespace viremo::ui
