#include <gtest/gtest.h>

#include <chrono>

#include "devices/lighting/effect_tables.h"
#include "devices/lighting/light_list_effects.h"
#include "lighting_fixture.h"

namespace viremo::devices {
namespace {

using namespace std::chrono_literals;
using testing::Lights;

LightRecord element(uint8_t kind, uint8_t speed, bool multiColour, uint8_t brightness = 4) {
    LightRecord record;
    record.mode = kind;
    record.brightness = brightness;
    record.speed = speed;
    record.multiColor = multiColour ? 1 : 0;
    record.red = 7;
    record.green = 8;
    record.blue = 9;
    record.present = 1;
    return record;
}

Rgb rgbOf(LightColour colour) { return {colour.red, colour.green, colour.blue}; }

class LightListTest : public ::testing::Test {
protected:
    FakeClock clock;
    LightListEffects effects;
    Lights lights{15};
};

TEST_F(LightListTest, StaticAndOffElementsHoldTheirLightsButNotOnReset) {
    const std::vector<LightRecord> list{element(1, 0, false, 2), element(4, 0, false)};
    lights.SetAll({1, 1, 1, 1});
    effects.Apply(list, lights, clock.now(), true);
    EXPECT_EQ(lights.Get(0), (LightColour{1, 1, 1, 1}));
    effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(lights.Get(0), (LightColour{7, 8, 9, 128}));
    EXPECT_EQ(lights.Get(1), LightColour{});
    EXPECT_EQ(lights.Get(2), (LightColour{1, 1, 1, 1})) << "beyond the list";
}

TEST_F(LightListTest, BreathingColourGoesRoundTheSpectrumToZero) {
    // Speed 124: the phase moves 128 a pass, so every pass ends a breath and
    // moves the colour on by one: 1 after the reset, 191 after 190 more,
    // then 0 and 1 again.
    const std::vector<LightRecord> list{element(0, 124, true)};
    effects.Apply(list, lights, clock.now(), true);
    EXPECT_EQ(rgbOf(lights.Get(0)), colourTable()[1]);
    for (int pass = 0; pass < 190; ++pass) effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(rgbOf(lights.Get(0)), colourTable()[191]);
    effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(rgbOf(lights.Get(0)), colourTable()[0]);
    effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(rgbOf(lights.Get(0)), colourTable()[1]);
}

TEST_F(LightListTest, BlinkTogglesItsOwnLightOnly) {
    // Light 0 blinks at speed 4 (1400 ms); light 1 cycles its colour every
    // 7 passes and is not moved on by the blinking.
    const std::vector<LightRecord> list{element(2, 4, true), element(3, 4, false)};
    effects.Apply(list, lights, clock.now(), true);
    EXPECT_EQ(lights.Get(0), LightColour{}) << "starts off";
    for (int pass = 0; pass < 6; ++pass) {
        clock.advance(1400ms);
        effects.Apply(list, lights, clock.now(), false);
    }
    // Six toggles: off again; light 1 moved on once (7 passes).
    EXPECT_EQ(lights.Get(0), LightColour{});
    EXPECT_EQ(rgbOf(lights.Get(1)), colourTable()[1]);
    clock.advance(1400ms);
    effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(rgbOf(lights.Get(0)), colourTable()[98]) << "seven toggles of 14";
    EXPECT_EQ(lights.Get(0).level, 255);
}

TEST_F(LightListTest, OutOfRangeBrightnessAndSpeedUseTheLastStep) {
    const std::vector<LightRecord> list{element(1, 200, false, 200), element(3, 200, false, 9)};
    effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(lights.Get(0), (LightColour{7, 8, 9, 255}));
    for (int pass = 0; pass < 6; ++pass) effects.Apply(list, lights, clock.now(), false);
    EXPECT_EQ(rgbOf(lights.Get(1)), colourTable()[1]) << "speed 4: every 7 passes";
    EXPECT_EQ(lights.Get(1).level, 255);
}

}  // namespace
}  // namespace viremo::devices
