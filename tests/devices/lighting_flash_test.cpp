#include <gtest/gtest.h>

#include "devices/lighting/flash_fade.h"
#include "lighting_fixture.h"

namespace viremo::devices {
namespace {

using testing::FixedRandom;
using testing::lighting;
using testing::Lights;

TEST(FlashFade, FlashHoldsFullLevelOnceThenFadesByFifteen) {
    // 200 mod 192 = 8: spectrum entry 8 on every light.
    FixedRandom random(200);
    LitDeviceState state;
    Lights lights{15};
    startFlash(state, lighting(6, 0, true), 15, random);
    stepFlashFade(state, lighting(6, 0, true), lights);
    EXPECT_EQ(lights.Get(14), (LightColour{255, 26, 0, 254})) << "255 x 255 / 256";
    stepFlashFade(state, lighting(6, 0, true), lights);
    EXPECT_EQ(lights.Get(0), (LightColour{255, 26, 0, 239})) << "240 x 255 / 256";
    for (int step = 0; step < 16; ++step) stepFlashFade(state, lighting(6, 0, true), lights);
    EXPECT_EQ(lights.Get(0).level, 0);
    EXPECT_EQ(state.reaction.levels[0], 0);
}

TEST(FlashFade, FlashStartsOnlyInModeSix) {
    FixedRandom random(5);
    LitDeviceState state;
    startFlash(state, lighting(5, 0, true), 15, random);
    EXPECT_EQ(state.reaction.levels[0], 0);
    EXPECT_EQ(state.rise[0], 0);
}

TEST(FlashFade, SingleColourFlashAtTheBrightnessLevel) {
    FixedRandom random(5);
    LitDeviceState state;
    Lights lights{15};
    startFlash(state, lighting(6, 0, false, 2), 15, random);
    stepFlashFade(state, lighting(6, 0, false, 2), lights);
    EXPECT_EQ(lights.Get(3), (LightColour{10, 20, 30, 127})) << "128 x 255 / 256";
}

}  // namespace
}  // namespace viremo::devices
