#include "devices/lighting/lighting_sync.h"

#include <gtest/gtest.h>

#include <chrono>

#include "devices/lighting/sync_modes.h"
#include "hid/emulated_bus.h"

namespace viremo::devices {
namespace {

using std::chrono::milliseconds;

TEST(SyncModes, EachKindShowsACommonEffectInItsOwnMode) {
    const struct {
        uint8_t keyboardMode;
        uint8_t effect;
        uint8_t mouse, pad, headset;
    } cases[] = {
        {5, kSyncBreathing, 2, 2, 2}, {6, kSyncStatic, 3, 3, 3}, {23, kSyncBlink, 4, 4, 4},
        {4, kSyncSpectrum, 1, 1, 1},  {28, kSyncOff, 9, 8, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.keyboardMode));
        EXPECT_EQ(syncEffectOfMode(kKindKeyboard, c.keyboardMode), c.effect);
        EXPECT_EQ(modeOfSyncEffect(kKindMouse, c.effect), c.mouse);
        EXPECT_EQ(modeOfSyncEffect(kKindMousePad, c.effect), c.pad);
        EXPECT_EQ(modeOfSyncEffect(kKindHeadset, c.effect), c.headset);
    }
    EXPECT_EQ(syncEffectOfMode(kKindKeyboard, 7), std::nullopt);
    EXPECT_EQ(syncEffectOfMode(kKindMouse, 8), std::nullopt);
    EXPECT_EQ(syncEffectOfMode(4, 2), std::nullopt);
    EXPECT_EQ(modeOfSyncEffect(kKindMouse, 5), std::nullopt);
}

TEST(SyncEffect, TheWheelAndTheBreathKeepTheirTables) {
    EXPECT_EQ(syncWheel()[0], (Rgb{255, 1, 0}));
    EXPECT_EQ(syncWheel()[40], (Rgb{146, 255, 0}));
    EXPECT_EQ(syncWheel()[191], (Rgb{255, 0, 0}));
    EXPECT_EQ(syncBreathingCurve()[11], 12);
    EXPECT_EQ(syncBreathingCurve()[63], 255);
    EXPECT_EQ(syncBreathingCurve()[64], 255);
    EXPECT_EQ(syncBreathingCurve()[116], 12);
}

class SyncStep : public ::testing::Test {
protected:
    SyncStep() {
        settings.brightness = 4;
        settings.red = 10;
        settings.green = 20;
        settings.blue = 30;
    }
    SyncSettings settings;
    SyncEffectState state;
    FakeClock clock;
};

TEST_F(SyncStep, BreathingWrapsBothWaysAndMovesTheCycleAtTheBottom) {
    settings.effect = kSyncBreathing;
    settings.direction = 1;
    state.breathingLevel = 127;
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{10, 20, 30}, 0}));
    EXPECT_EQ(state.breathingLevel, 0);

    settings.direction = 0;
    settings.brightness = 2;  // 128 x the curve / 256
    state.breathingLevel = 127;
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{10, 20, 30}, 0}));  // curve 1
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{10, 20, 30}, 1}));  // curve 2
    EXPECT_EQ(state.breathingLevel, 125);
    state.breathingLevel = 0;
    stepSyncEffect(state, settings, clock.now());
    EXPECT_EQ(state.breathingLevel, 127);

    settings.cycling = 1;
    settings.direction = 1;
    state.breathingLevel = 0;  // next level 1: the colour moves on by 16
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{255, 81, 0}, 0}));
    EXPECT_EQ(state.colourIndex, 16);
    state.breathingLevel = 30;  // level 31 is 73 on the curve: 128 x 73 / 256
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{255, 81, 0}, 36}));
}

TEST_F(SyncStep, FlashTogglesAfterItsPeriodAndStartsTheWheelAgainPastItsEnd) {
    settings.effect = kSyncBlink;
    settings.speed = 0;  // 28 x 200 ms
    settings.cycling = 1;
    clock.advance(milliseconds(10000));
    state.lastFlashToggle = clock.now();
    state.flashPosition = 182;
    clock.advance(milliseconds(5599));
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), SyncLight{});
    clock.advance(milliseconds(1));
    // 182 + 14 is past the wheel's 192 entries: back to 0.
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{255, 1, 0}, 255}));
    EXPECT_EQ(state.flashPosition, 0);
    clock.advance(milliseconds(5600));
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), SyncLight{});
    EXPECT_EQ(state.flashPosition, 14);
}

TEST_F(SyncStep, StaticCycleOffAndUnknownEffects) {
    settings.effect = kSyncStatic;
    settings.brightness = 9;  // beyond the table: the brightest
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{10, 20, 30}, 255}));
    settings.effect = kSyncSpectrum;
    settings.brightness = 1;
    state.colourIndex = 191;
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), (SyncLight{{255, 1, 0}, 64}));
    settings.effect = kSyncOff;
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), SyncLight{});
    settings.effect = 5;
    EXPECT_EQ(stepSyncEffect(state, settings, clock.now()), std::nullopt);
}

class LightingSyncTest : public ::testing::Test {
protected:
    LightingSyncTest() {
        const int lights[kKindCount] = {15, 104, 12, 4};
        for (int kind = 0; kind < kKindCount; ++kind) {
            devices[kind].SetKindIndex(kind);
            devices[kind].SetLightCount(lights[kind]);
            devices[kind].Channel().SetOpen(true);
            sync.AddDevice(devices[kind]);
        }
        sync.Settings().effect = kSyncStatic;
        sync.Settings().brightness = 4;
        sync.Settings().speed = 4;  // 7 ticks
        sync.Settings().red = 200;
    }
    // Rounds with the clock 2 ms on each time: one tick each.
    void tick(int rounds) {
        for (int i = 0; i < rounds; ++i) {
            clock.advance(milliseconds(2));
            EXPECT_TRUE(sync.Round());
        }
    }

    hid::EmulatedBus bus;
    FakeClock clock;
    CVendrakeUSBDevice devices[kKindCount] = {CVendrakeUSBDevice{bus, clock}, CVendrakeUSBDevice{bus, clock},
                                              CVendrakeUSBDevice{bus, clock}, CVendrakeUSBDevice{bus, clock}};
    LightingSync sync{clock};
};

TEST_F(LightingSyncTest, TheStepReachesEveryLightOfTheSynchronisedDevicesOnly) {
    devices[kKindMouse].Channel().SetSyncFlag(1);
    devices[kKindHeadset].Channel().SetSyncFlag(1);
    tick(6);
    EXPECT_EQ(devices[kKindMouse].GetLightColour(0), LightColour{});
    // A clock that moved by 1 ms counts no tick.
    clock.advance(milliseconds(1));
    sync.Round();
    EXPECT_EQ(devices[kKindMouse].GetLightColour(0), LightColour{});
    tick(1);
    const LightColour red{200, 0, 0, 255};
    EXPECT_EQ(devices[kKindMouse].GetLightColour(0), red);
    EXPECT_EQ(devices[kKindMouse].GetLightColour(14), red);
    EXPECT_EQ(devices[kKindHeadset].GetLightColour(3), red);
    EXPECT_EQ(devices[kKindKeyboard].GetLightColour(0), LightColour{});
    EXPECT_EQ(devices[kKindMousePad].GetLightColour(0), LightColour{});
}

TEST_F(LightingSyncTest, WithoutAnOpenSynchronisedDeviceNothingIsDone) {
    devices[kKindKeyboard].Channel().SetSyncFlag(1);
    devices[kKindKeyboard].Channel().SetOpen(false);
    for (int i = 0; i < 10; ++i) {
        clock.advance(milliseconds(2));
        EXPECT_FALSE(sync.Round());
    }
    EXPECT_EQ(devices[kKindKeyboard].GetLightColour(0), LightColour{});
}

TEST_F(LightingSyncTest, SynchronisingGivesEachOpenDeviceItsKindsModeAndTheSelectedColours) {
    LightRecord chosen;
    chosen.mode = 28;  // keyboard off
    chosen.brightness = 3;
    chosen.speed = 1;
    chosen.direction = 1;
    chosen.red = 40;
    devices[kKindKeyboard].SetLightInfo(chosen);
    devices[kKindHeadset].Channel().SetOpen(false);
    EXPECT_TRUE(sync.SynchroniseFrom(devices[kKindKeyboard]));
    EXPECT_EQ(devices[kKindMouse].GetLightingState().mode, 9);
    EXPECT_EQ(devices[kKindMousePad].GetLightingState().mode, 8);
    EXPECT_EQ(devices[kKindKeyboard].GetLightingState().mode, 28);
    EXPECT_EQ(devices[kKindMouse].GetLightingState().red, 40);
    EXPECT_EQ(devices[kKindMousePad].GetLightingState().speed, 1);
    EXPECT_EQ(devices[kKindHeadset].GetLightingState().mode, 0);  // closed: left alone
    EXPECT_EQ(devices[kKindMouse].Channel().SyncFlag(), 1);
    EXPECT_EQ(devices[kKindHeadset].Channel().SyncFlag(), 0);
    EXPECT_EQ(sync.Settings().effect, kSyncOff);
    EXPECT_EQ(sync.Settings().brightness, 3);

    chosen.mode = 23;  // keyboard blink
    devices[kKindKeyboard].SetLightInfo(chosen);
    EXPECT_TRUE(sync.SynchroniseFrom(devices[kKindKeyboard]));
    EXPECT_EQ(devices[kKindMouse].GetLightingState().mode, 4);
    EXPECT_EQ(devices[kKindMousePad].GetLightingState().mode, 4);

    chosen.mode = 7;  // no common effect: the synchronisation ends
    devices[kKindKeyboard].SetLightInfo(chosen);
    EXPECT_FALSE(sync.SynchroniseFrom(devices[kKindKeyboard]));
    for (auto& device : devices) EXPECT_EQ(device.Channel().SyncFlag(), 0);
}

TEST_F(LightingSyncTest, TheThreadStopsWithin100msWhileIdle) {
    sync.Start();
    std::this_thread::sleep_for(milliseconds(20));  // into its one-second wait
    const auto start = std::chrono::steady_clock::now();
    sync.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(100));
    EXPECT_FALSE(sync.IsRunning());
}

}  // namespace
}  // namespace viremo::devices
