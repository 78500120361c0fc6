#include <gtest/gtest.h>

#include <vector>

#include "devices/lighting/ripple_steps.h"
#include "lighting_fixture.h"

namespace viremo::devices {
namespace {

using testing::lighting;
using testing::Lights;

LitDeviceState markerAt(int entry) {
    LitDeviceState state;
    state.reaction.rotation[size_t(entry)] = kRotationMarker;
    return state;
}

TEST(ColumnRipple, MouseMarkerLightsItsColumnThenMovesOn) {
    // Entry 3 lit to 255, decayed once to 215, shown at 255 x 215 / 256.
    LitDeviceState state = markerAt(3);
    Lights lights{15};
    stepColumnRipple(LitDevice::Mouse, state, lighting(5, 1, false), lights);
    EXPECT_EQ(state.reaction.rotation[4], kRotationMarker);
    EXPECT_EQ(state.reaction.rotation[3], 0);
    EXPECT_EQ(state.reaction.levels[3], 215);
    EXPECT_EQ(lights.Get(3), (LightColour{10, 20, 30, 214}));
    EXPECT_EQ(lights.Get(10), (LightColour{10, 20, 30, 214}));
    EXPECT_EQ(lights.Get(2), (LightColour{10, 20, 30, 0}));
}

TEST(ColumnRipple, LevelDecaysFromFortyInBands) {
    LitDeviceState state;
    state.reaction.levels[0] = 40;
    Lights lights{15};
    std::vector<int> levels;
    for (int step = 0; step < 18; ++step) {
        stepColumnRipple(LitDevice::Mouse, state, lighting(5, 1, false), lights);
        levels.push_back(state.reaction.levels[0]);
    }
    EXPECT_EQ(levels, (std::vector<int>{30, 22, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
}

TEST(ColumnRipple, MulticolourColumnsAreTwelvePhaseStepsApart) {
    // Phase 187 forwards to 188; column 0 at 200 (c = 8), column 2 at 224
    // (c = 32). No ripple passes the far end, so the spectrum shows.
    LitDeviceState state;
    state.base.phase = 187;
    Lights lights{15};
    stepColumnRipple(LitDevice::Mouse, state, lighting(5, 1, true), lights);
    EXPECT_EQ(lights.Get(13), (LightColour{255, 26, 0, 0}));
    EXPECT_EQ(lights.Get(2), (LightColour{248, 255, 0, 0}));
    EXPECT_EQ(state.base.phase, 16) << "188 + 7 x 12, modulo 256";
}

TEST(ColumnRipple, PadMovesItsMarkerOnEverySecondStepWithinEightEntries) {
    LitDeviceState state = markerAt(0);
    Lights lights{15};
    for (int step = 0; step < 2; ++step) stepColumnRipple(LitDevice::MousePad, state, lighting(7, 0, false), lights);
    EXPECT_EQ(state.reaction.rotation[0], kRotationMarker) << "not yet";
    stepColumnRipple(LitDevice::MousePad, state, lighting(7, 0, false), lights);
    EXPECT_EQ(state.reaction.rotation[1], kRotationMarker) << "direction 0 moves it up";
    EXPECT_EQ(lights.Get(1), (LightColour{10, 20, 30, 214})) << "column 0: lights 1 and 14";
    EXPECT_EQ(lights.Get(14), (LightColour{10, 20, 30, 214}));
    EXPECT_EQ(lights.Get(0), (LightColour{})) << "light 0 stands in no column";

    state = markerAt(7);
    state.passCounter = 2;
    stepColumnRipple(LitDevice::MousePad, state, lighting(7, 0, false), lights);
    EXPECT_EQ(state.reaction.rotation[0], kRotationMarker) << "entry 7 goes round to entry 0";
}

TEST(ColumnRipple, HeadsetLeavesLightsThirteenAndFourteenAlone) {
    LitDeviceState state = markerAt(0);
    Lights lights{15};
    lights.Set(13, {1, 2, 3, 4});
    lights.Set(14, {5, 6, 7, 8});
    for (int step = 0; step < 4; ++step) stepColumnRipple(LitDevice::Headset, state, lighting(7, 0, false), lights);
    EXPECT_EQ(lights.Get(13), (LightColour{1, 2, 3, 4}));
    EXPECT_EQ(lights.Get(14), (LightColour{5, 6, 7, 8}));
    EXPECT_EQ(lights.Get(1).red, 10);
}

TEST(LightRipple, MarkerWalksAllTwentyThreeEntriesButLightsOnlyRealLights) {
    LitDeviceState state = markerAt(22);
    state.passCounter = 2;
    Lights lights{15};
    stepLightRipple(LitDevice::MousePad, state, lighting(6, 1, false), lights);
    EXPECT_EQ(state.reaction.rotation[0], kRotationMarker) << "up from 22 to 0";
    for (int light = 0; light < 15; ++light) EXPECT_EQ(lights.Get(light).level, 0) << light;

    state.passCounter = 2;
    stepLightRipple(LitDevice::MousePad, state, lighting(6, 1, false), lights);
    EXPECT_EQ(lights.Get(0), (LightColour{10, 20, 30, 214}));
    EXPECT_EQ(state.reaction.rotation[1], kRotationMarker);
}

}  // namespace
}  // namespace viremo::devices
