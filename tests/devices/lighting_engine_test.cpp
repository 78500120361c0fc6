#include "devices/lighting/lighting_engine.h"

#include <gtest/gtest.h>

#include "devices/lighting/effect_tables.h"
#include "lighting_fixture.h"

namespace viremo::devices {
namespace {

using testing::FixedRandom;
using testing::lighting;

class LightingEngineTest : public ::testing::Test {
protected:
    // `passes` passes of the lighting thread, the clock moving on by one
    // pass period each.
    void run(LightingEngine& engine, int passes) {
        for (int i = 0; i < passes; ++i) {
            clock.advance(kLightingPassPeriod);
            engine.Pass();
        }
    }

    FakeClock clock;
    FixedRandom random{200};
};

TEST_F(LightingEngineTest, MouseStepsOnceEverySpeedPeriodOfTicks) {
    // Spectrum forwards at speed 4: one step every 7 ticks.
    LightingEngine mouse(LitDevice::Mouse, clock, random);
    mouse.ApplyLightingState(lighting(1, 1, true), {}, {});
    run(mouse, 6);
    EXPECT_EQ(mouse.Colours().Get(0), LightColour{});
    for (int i = 0; i < 5; ++i) mouse.Pass();  // the clock stands still: no ticks
    EXPECT_EQ(mouse.Colours().Get(0), LightColour{});
    run(mouse, 1);
    const Rgb first = colourTable()[1];
    EXPECT_EQ(mouse.Colours().Get(14), (LightColour{first.red, first.green, first.blue, 255}));
}

TEST_F(LightingEngineTest, PadCountsPassesAndRunsItsLightListAfterEach) {
    // Pad static red at speed 0 (28 passes); light 3 held static blue by its list element.
    LightingEngine pad(LitDevice::MousePad, clock, random);
    LightRecord blue = lighting(1, 0, false, 2);
    blue.red = 0;
    blue.green = 0;
    blue.blue = 255;
    pad.ApplyLightingState(lighting(3, 0, false, 4, 0), {{}, {}, {}, blue}, {});
    for (int i = 0; i < 27; ++i) pad.Pass();
    EXPECT_EQ(pad.Colours().Get(0), LightColour{});
    EXPECT_EQ(pad.Colours().Get(3), (LightColour{0, 0, 255, 128}));
    pad.Pass();
    EXPECT_EQ(pad.Colours().Get(0), (LightColour{10, 20, 30, 255}));
    EXPECT_EQ(pad.Colours().Get(3), (LightColour{0, 0, 255, 128}));
}

TEST_F(LightingEngineTest, CustomModesPlayOnEveryPass) {
    LightEffectStep green;
    green.mode = 1;
    green.brightness = 4;
    green.green = 255;
    green.time = 1000;
    struct Case {
        LitDevice device;
        uint8_t mode;
    };
    for (const Case c : {Case{LitDevice::Mouse, 10}, Case{LitDevice::Mouse, 12}, Case{LitDevice::MousePad, 5},
                         Case{LitDevice::Headset, 9}}) {
        LightingEngine engine(c.device, clock, random);
        engine.ApplyLightingState(lighting(c.mode, 0, false), {}, {green});
        run(engine, 1);
        EXPECT_EQ(engine.Colours().Get(0), (LightColour{0, 255, 0, 255})) << "mode " << int(c.mode);
    }
}

TEST_F(LightingEngineTest, NewModeRestartsTheRipple) {
    LightingEngine mouse(LitDevice::Mouse, clock, random);
    mouse.ApplyLightingState(lighting(5, 1, false, 4, 4), {}, {});
    run(mouse, 7 * 3);
    EXPECT_EQ(mouse.State().reaction.rotation[3], kRotationMarker);
    mouse.ApplyLightingState(lighting(5, 1, true, 4, 4), {}, {});
    EXPECT_EQ(mouse.State().reaction.rotation[3], kRotationMarker) << "same mode: carries on";
    mouse.ApplyLightingState(lighting(6, 1, false, 4, 4), {}, {});
    const LitDeviceState state = mouse.State();
    EXPECT_EQ(state.reaction.rotation[0], kRotationMarker);
    EXPECT_EQ(state.reaction.rotation[3], 0);
    EXPECT_EQ(state.reaction.levels[2], 0);
}

TEST_F(LightingEngineTest, FlashButtonStartsTheMouseFlash) {
    LightingEngine mouse(LitDevice::Mouse, clock, random);
    mouse.ApplyLightingState(lighting(6, 0, true, 4, 4), {}, {});
    mouse.StartFlash();
    run(mouse, 7);
    EXPECT_EQ(mouse.Colours().Get(9), (LightColour{255, 26, 0, 254})) << "spectrum 200 mod 192";
}

TEST_F(LightingEngineTest, HeadsetHasThirteenLights) {
    LightingEngine headset(LitDevice::Headset, clock, random);
    EXPECT_EQ(headset.Colours().Count(), 13);
}

}  // namespace
}  // namespace viremo::devices
