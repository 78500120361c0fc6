#include <gtest/gtest.h>

#include <chrono>

#include "devices/lighting/effect_steps.h"
#include "devices/lighting/effect_tables.h"
#include "devices/lighting/light_frame.h"
#include "devices/lighting/reaction_buffers.h"

namespace viremo::devices {
namespace {

using namespace std::chrono_literals;

TEST(EffectTables, ColourTableMeetsItsKnownColours) {
    const struct {
        int entry;
        Rgb colour;
    } known[] = {
        {0, {255, 1, 0}},     {8, {255, 26, 0}},    {32, {248, 255, 0}},  {64, {0, 255, 1}},
        {96, {0, 248, 255}},  {128, {1, 0, 255}},   {160, {255, 0, 248}}, {192, {255, 1, 0}},
        {193, {255, 3, 0}},   {223, {255, 255, 0}}, {255, {0, 255, 0}},
    };
    for (const auto& k : known) EXPECT_EQ(colourTable()[k.entry], k.colour) << "entry " << k.entry;
    // The ramp is linear between its known points.
    EXPECT_EQ(colourTable()[208], (Rgb{255, 129, 0}));
    EXPECT_EQ(colourTable()[239], (Rgb{128, 255, 0}));
}

TEST(EffectTables, BreathingCurveRisesAndFallsSymmetrically) {
    const auto& curve = breathingCurve();
    EXPECT_EQ(curve[0], 0);
    EXPECT_EQ(curve[1], 1);
    EXPECT_EQ(curve[2], 2);
    EXPECT_EQ(curve[62], 248);
    EXPECT_EQ(curve[63], 255);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(curve[i], curve[127 - i]);
    for (int i = 1; i < 64; ++i) EXPECT_GT(curve[i], curve[i - 1]);
}

TEST(EffectTables, ByteStep) {
    const struct {
        uint8_t direction, limit, value, increment, result;
    } cases[] = {
        {0, 192, 0, 1, 191}, {1, 192, 191, 1, 0}, {0, 96, 1, 3, 93},
        {1, 192, 176, 16, 0}, {0, 192, 0, 16, 176}, {1, 128, 5, 1, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(byteStep(c.direction, c.limit, c.value, c.increment), c.result)
            << int(c.direction) << " " << int(c.limit) << " " << int(c.value) << " " << int(c.increment);
}

TEST(EffectTables, OutOfRangeStepsKeepToTheLastEntry) {
    EXPECT_EQ(brightnessLevel(3), 192);
    EXPECT_EQ(brightnessLevel(9), 255);
    EXPECT_EQ(speedPeriod(0), 28);
    EXPECT_EQ(speedPeriod(200), 7);
}

std::vector<int> decaySequence(uint8_t level, int style) {
    std::vector<int> sequence{level};
    while (level != 0) sequence.push_back(level = decayLevel(level, style));
    return sequence;
}

TEST(DecayKeyLevel, FadesByStyle) {
    EXPECT_EQ(decaySequence(255, 29), (std::vector<int>{255, 210, 165, 120, 75, 40, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(decaySequence(255, 0),
              (std::vector<int>{255, 215, 175, 135, 95, 65, 35, 20, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(decaySequence(40, 5),
              (std::vector<int>{40, 30, 22, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(decayLevel(16, 29), 0);  // bit 4: 45 would go below 0
    EXPECT_EQ(decayLevel(0, 7), 0);
}

TEST(ReactionBuffers, MarkerLightsItsKeyAndMoves) {
    ReactionBuffers buffers;
    buffers.rotation[3] = kRotationMarker;
    buffers.LightFirstKeys();
    buffers.Rotate(1);
    EXPECT_EQ(buffers.levels[3], 255);
    EXPECT_EQ(buffers.rotation[4], kRotationMarker);
    EXPECT_EQ(buffers.rotation[3], 0);

    buffers.rotation.fill(0);
    buffers.rotation[22] = kRotationMarker;
    buffers.Rotate(1);
    EXPECT_EQ(buffers.rotation[0], kRotationMarker);
    buffers.Rotate(0);
    EXPECT_EQ(buffers.rotation[22], kRotationMarker);

    buffers.rotation[9] = kRotationMarker;  // beyond the first nine keys
    buffers.levels.fill(0);
    buffers.LightFirstKeys();
    EXPECT_EQ(buffers.levels[9], 0);
}

TEST(ReactionBuffers, ClearKeepsColourSteps) {
    ReactionBuffers buffers;
    buffers.levels[169] = 200;
    buffers.rotation[0] = kRotationMarker;
    buffers.colourSteps[5] = 33;
    buffers.Decay(169, 0);
    EXPECT_EQ(buffers.levels[169], 160);
    buffers.Decay(170, 0);  // out of range: ignored
    buffers.Clear();
    EXPECT_EQ(buffers.levels[169], 0);
    EXPECT_EQ(buffers.rotation[0], 0);
    EXPECT_EQ(buffers.colourSteps[5], 33);
}

TEST(LightFrame, ColoursAreScaledByTheirLevel) {
    LightColours lights;
    lights.SetCount(kMaxLights);
    lights.Set(0, {255, 32, 0, 255});
    lights.Set(1, {100, 200, 50, 128});
    lights.Set(2, {255, 255, 255, 0});
    lights.Set(169, {255, 255, 255, 255});
    const LightFrame frame = buildLightFrame(lights);
    const std::vector<uint8_t> head(frame.begin(), frame.begin() + 9);
    EXPECT_EQ(head, (std::vector<uint8_t>{0xFE, 0x1F, 0x00, 0x32, 0x64, 0x19, 0x00, 0x00, 0x00}));
    EXPECT_EQ(frame[507], 0xFE);
    EXPECT_EQ(frame[509], 0xFE);
    EXPECT_EQ(frame[510], 0);
    EXPECT_EQ(frame[511], 0);

    LightFrame edge{};
    placeLight(edge, 170, {255, 255, 255, 255});  // would not fit
    EXPECT_EQ(edge, LightFrame{});
}

TEST(LightColours, OutOfRangeLightsAreIgnored) {
    LightColours lights;
    lights.SetCount(15);
    lights.Set(15, {1, 2, 3, 4});
    lights.Set(-1, {1, 2, 3, 4});
    EXPECT_EQ(lights.Get(15), LightColour{});
    lights.Set(14, {1, 2, 3, 4});
    EXPECT_EQ(lights.Get(14), (LightColour{1, 2, 3, 4}));
    lights.SetCount(500);
    EXPECT_EQ(lights.Count(), kMaxLights);
}

class EffectStepTest : public ::testing::Test {
protected:
    void SetUp() override { lights.SetCount(15); }
    void expectEveryLight(LightColour colour) {
        for (int i = 0; i < lights.Count(); ++i) ASSERT_EQ(lights.Get(i), colour) << "light " << i;
    }

    LightColours lights;
    EffectState state;
    LightRecord lighting{.mode = 0, .brightness = 2, .speed = 4, .direction = 1, .multiColor = 0,
                         .red = 5, .green = 6, .blue = 7};
};

TEST_F(EffectStepTest, Static) {
    stepStatic(lighting, lights);
    expectEveryLight({5, 6, 7, 128});
}

TEST_F(EffectStepTest, BreathingFollowsTheCurve) {
    state.phase = 62;
    stepBreathing(state, lighting, lights);
    EXPECT_EQ(state.phase, 63);
    expectEveryLight({5, 6, 7, 127});  // 255 x 128 / 256
}

TEST_F(EffectStepTest, BreathingMovesToTheNextColourAfterEachBreath) {
    lighting.multiColor = 1;
    lighting.brightness = 4;
    state.phase = 127;
    state.colourStep = 176;
    stepBreathing(state, lighting, lights);
    EXPECT_EQ(state.phase, 0);
    EXPECT_EQ(state.colourStep, 192);
    expectEveryLight({255, 1, 0, 0});
    state.phase = 127;
    stepBreathing(state, lighting, lights);
    EXPECT_EQ(state.colourStep, 0);  // 208 is past the spectrum

    lighting.direction = 0;  // backwards the breath wraps at 0
    state.phase = 0;
    stepBreathing(state, lighting, lights);
    EXPECT_EQ(state.phase, 127);
    EXPECT_EQ(state.colourStep, 16);
}

TEST_F(EffectStepTest, FourColourBreathingCyclesTheBaseColours) {
    lighting.brightness = 4;
    state.phase = 127;
    state.colourStep = 3;
    stepFourColourBreathing(state, lighting, lights);
    EXPECT_EQ(state.colourStep, 0);
    expectEveryLight({0, 255, 180, 0});
    state.phase = 63;
    stepFourColourBreathing(state, lighting, lights);
    expectEveryLight({0, 255, 180, 254});  // curve 255 at phase 64, x 255 / 256
}

TEST_F(EffectStepTest, SpectrumWalksTheHueCircleByDirection) {
    lighting.brightness = 4;
    stepSpectrum(state, lighting, lights);
    EXPECT_EQ(state.phase, 1);
    lighting.direction = 0;
    state.phase = 0;
    stepSpectrum(state, lighting, lights);
    EXPECT_EQ(state.phase, 191);
    const Rgb expected = colourTable()[191];
    expectEveryLight({expected.red, expected.green, expected.blue, 255});
}

TEST_F(EffectStepTest, BlinkTogglesEverySpeedPeriodTimesTwoHundredMilliseconds) {
    FakeClock clock;
    lighting.multiColor = 1;
    state.lastToggle = clock.now();
    clock.advance(1399ms);  // speed step 4: 7 x 200 ms
    stepBlink(state, lighting, lights, clock.now());
    EXPECT_EQ(state.blinkOn, 0);
    expectEveryLight({});
    clock.advance(1ms);
    stepBlink(state, lighting, lights, clock.now());
    EXPECT_EQ(state.blinkOn, 1);
    EXPECT_EQ(state.phase, 16);
    const Rgb expected = colourTable()[16];
    expectEveryLight({expected.red, expected.green, expected.blue, 128});
    clock.advance(1400ms);
    stepBlink(state, lighting, lights, clock.now());
    EXPECT_EQ(state.blinkOn, 0);
    expectEveryLight({});
}

TEST_F(EffectStepTest, FourColourBlinkShowsTheNextBaseColourEachTime) {
    FakeClock clock;
    state.lastToggle = clock.now();
    clock.advance(1400ms);
    stepFourColourBlink(state, lighting, lights, clock.now());
    EXPECT_EQ(state.phase, 1);
    expectEveryLight({0, 255, 0, 128});
    lighting.direction = 0;
    state.phase = 0;
    state.blinkOn = 0;
    clock.advance(1400ms);
    stepFourColourBlink(state, lighting, lights, clock.now());
    EXPECT_EQ(state.phase, 3);
    expectEveryLight({255, 0, 0, 128});
}

TEST_F(EffectStepTest, OffDarkensEveryLight) {
    stepStatic(lighting, lights);
    stepOff(lights);
    expectEveryLight({});
}

}  // namespace
}  // namespace viremo::devices
