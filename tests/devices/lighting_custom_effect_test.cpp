#include <gtest/gtest.h>

#include <chrono>

#include "devices/lighting/custom_effect_player.h"
#include "devices/lighting/effect_tables.h"
#include "lighting_fixture.h"

namespace viremo::devices {
namespace {

using namespace std::chrono_literals;
using testing::Lights;

LightEffectStep step(uint8_t kind, uint8_t speed, Rgb colour, int32_t time, uint8_t brightness = 4) {
    LightEffectStep s;
    s.mode = kind;
    s.brightness = brightness;
    s.speed = speed;
    s.red = colour.red;
    s.green = colour.green;
    s.blue = colour.blue;
    s.time = time;
    return s;
}

class CustomEffectTest : public ::testing::Test {
protected:
    void play(int times = 1) {
        for (int i = 0; i < times; ++i) player.Play(0, lights, clock.now());
    }

    FakeClock clock;
    CustomEffectPlayer player;
    Lights lights{15};
};

TEST_F(CustomEffectTest, NoStepsTurnEveryLightOff) {
    lights.SetAll({1, 2, 3, 4});
    play();
    EXPECT_EQ(lights.Get(0), LightColour{});
    EXPECT_EQ(lights.Get(14), LightColour{});
}

TEST_F(CustomEffectTest, StepOfTimeZeroEndsWheneverTheClockHasMovedOn) {
    player.SetSteps({step(1, 0, {255, 0, 0}, 0), step(1, 0, {0, 255, 0}, 0)});
    play(2);
    EXPECT_EQ(lights.Get(0), (LightColour{255, 0, 0, 255})) << "same millisecond: first step still";
    clock.advance(1ms);
    play();
    EXPECT_EQ(lights.Get(0), (LightColour{255, 0, 0, 255})) << "played, then done";
    play();
    EXPECT_EQ(lights.Get(0), (LightColour{0, 255, 0, 255}));
    clock.advance(1ms);
    play(2);
    EXPECT_EQ(lights.Get(0), (LightColour{255, 0, 0, 255})) << "round to the first again";
}

TEST_F(CustomEffectTest, ColourCycleIsPacedByItsOwnTable) {
    // Speed 0: one spectrum entry every 5 calls; speed 4: every call.
    player.SetSteps({step(5, 0, {}, 100000)});
    play(4);
    EXPECT_EQ(lights.Get(0), (LightColour{255, 1, 0, 255}));
    play();
    const Rgb second = colourTable()[1];
    EXPECT_EQ(lights.Get(0), (LightColour{second.red, second.green, second.blue, 255}));

    player.SetSteps({step(5, 4, {}, 100000)});
    play(7);
    const Rgb eighth = colourTable()[8];
    EXPECT_EQ(lights.Get(7), (LightColour{eighth.red, eighth.green, eighth.blue, 255})) << "entry 8 after 7 more";
}

TEST_F(CustomEffectTest, BreathingAfterAPhaseBeyondTheCurveStartsItsBreathAgain) {
    // A colour cycle leaves the phase at 130; the breathing curve has 128 entries.
    player.SetSteps({step(5, 4, {}, 100000)});
    play(130);
    player.SetSteps({step(0, 0, {0, 0, 255}, 100000)});
    play();
    EXPECT_EQ(lights.Get(0), (LightColour{0, 0, 255, 0}));
}

TEST_F(CustomEffectTest, BlinkTogglesByTheDeviceSpeed) {
    // Device speed 0: 28 x 200 ms. The first call toggles on with colour
    // index phase 1 + 14 = 15.
    player.SetSteps({step(2, 4, {9, 9, 9}, 100000)});
    clock.advance(5600ms);
    play();
    EXPECT_EQ(lights.Get(0), (LightColour{9, 9, 9, 255}));
    clock.advance(5599ms);
    play();
    EXPECT_EQ(lights.Get(0), (LightColour{9, 9, 9, 255}));
    clock.advance(1ms);
    play();
    EXPECT_EQ(lights.Get(0), LightColour{});
}

}  // namespace
}  // namespace viremo::devices
