#include <gtest/gtest.h>

#include "devices/lighting/effect_tables.h"
#include "devices/lighting/wave_steps.h"
#include "lighting_fixture.h"

namespace viremo::devices {
namespace {

using testing::lighting;
using testing::Lights;

LightColour spectrumAt(int index, uint8_t level) {
    const Rgb rgb = colourTable()[size_t(index)];
    return {rgb.red, rgb.green, rgb.blue, level};
}

TEST(ColumnWave, SingleColourColumnsFollowTheWaveSevenEntriesApart) {
    // Backwards from phase 0: phase 95, c = 96 wraps to 0. Column 0 takes
    // wave[0] = 22, column 1 wave[7] = 42, column 6 wave[42] = 220, each
    // times 255 / 256.
    LitDeviceState state;
    Lights lights{15};
    stepColumnWave(state, lighting(0, 0, false), lights);
    EXPECT_EQ(state.base.phase, 95);
    const struct {
        int light;
        uint8_t level;
    } expected[] = {{0, 21}, {13, 21}, {1, 41}, {12, 41}, {6, 219}, {14, 219}, {7, 219}};
    for (const auto& e : expected) EXPECT_EQ(lights.Get(e.light), (LightColour{10, 20, 30, e.level})) << e.light;
}

TEST(ColumnWave, MulticolourColumnsAreSevenSpectrumEntriesApart) {
    LitDeviceState state;
    state.base.phase = 6;
    Lights lights{15};
    stepColumnWave(state, lighting(0, 1, true, 2), lights);  // phase 7, c = 8
    EXPECT_EQ(lights.Get(0), (LightColour{255, 26, 0, 128}));
    EXPECT_EQ(lights.Get(13), (LightColour{255, 26, 0, 128}));
    EXPECT_EQ(lights.Get(5), spectrumAt(8 + 35, 128));
    EXPECT_EQ(lights.Get(7), spectrumAt(8 + 42, 128));
}

TEST(LightWave, MulticolourSpacingIsSevenOnThePadAndSixteenOnTheHeadset) {
    struct Case {
        LitDevice device;
        uint8_t phase, direction;
        int light;
        LightColour colour;
    };
    const Case cases[] = {
        // Pad: forwards from 6, c = 8 at light 0, 64 at light 8, 106 at light 14.
        {LitDevice::MousePad, 6, 1, 0, {255, 26, 0, 255}},
        {LitDevice::MousePad, 6, 1, 8, {0, 255, 1, 255}},
        {LitDevice::MousePad, 6, 1, 14, spectrumAt(106, 255)},
        // Headset: backwards from 0, c = 192 (red again), then 16, 32, ...
        {LitDevice::Headset, 0, 0, 0, {255, 1, 0, 255}},
        {LitDevice::Headset, 0, 0, 2, {248, 255, 0, 255}},
        {LitDevice::Headset, 0, 0, 6, {0, 248, 255, 255}},
        {LitDevice::Headset, 0, 0, 10, {255, 0, 248, 255}},
        {LitDevice::Headset, 0, 0, 12, {255, 1, 0, 255}},  // 12 x 16 = 192 goes round to 0
    };
    for (const auto& c : cases) {
        LitDeviceState state;
        state.base.phase = c.phase;
        Lights lights{15};
        stepLightWave(c.device, state, lighting(0, c.direction, true), lights);
        EXPECT_EQ(lights.Get(c.light), c.colour) << "light " << c.light;
    }
}

TEST(LightWave, HeadsetSingleColourStepsByThreeAndSpacesByTen) {
    // Backwards from 1 by 3 within 96: 93. Light 0 wave[93] = 27, light 1
    // wave[7] = 42; the 13 lights only.
    LitDeviceState state;
    state.base.phase = 1;
    Lights lights{15};
    lights.Set(13, {1, 1, 1, 1});
    stepLightWave(LitDevice::Headset, state, lighting(0, 0, false), lights);
    EXPECT_EQ(state.base.phase, 93);
    EXPECT_EQ(lights.Get(0), (LightColour{10, 20, 30, 26}));
    EXPECT_EQ(lights.Get(1), (LightColour{10, 20, 30, 41}));
    EXPECT_EQ(lights.Get(13), (LightColour{1, 1, 1, 1}));
}

}  // namespace
}  // namespace viremo::devices
