// The keyboard's software lighting: preparations, steps, reactions, audio
// effects and the pace of the passes.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "devices/keyboard/keyboard_effects.h"
#include "devices/lighting/effect_tables.h"
#include "lighting_fixture.h"
#include "platform/clock.h"

namespace viremo::devices::testing {
namespace {

using keyboard::KeyboardEffects;

class KeyboardEffectsTest : public ::testing::Test {
protected:
    LightRecord state(uint8_t mode, bool multi = false) {
        LightRecord record = lighting(mode, 1, multi);
        return record;
    }
    // One pass with the clock 2 ms on: a tick per pass.
    void pass(const LightRecord& record, int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.advance(std::chrono::milliseconds(2));
            effects.Pass(record);
        }
    }
    LightColour colourAt(Rgb rgb, uint8_t level) { return {rgb.red, rgb.green, rgb.blue, level}; }

    FakeClock clock;
    FixedRandom random{5};
    Lights lights{170};
    KeyboardEffects effects{lights, clock, random};
};

TEST_F(KeyboardEffectsTest, Mode17ShowsTheSpecialModesColour) {
    for (const auto& [special, entry] : std::vector<std::pair<uint8_t, int>>{{1, 25}, {2, 70}, {3, 95}, {0, 174}, {9, 174}}) {
        LightRecord record = state(17);
        record.zzccLedMode = special;
        effects.ChangeMode(17);
        pass(record);
        for (int light : {0, 49, 169}) EXPECT_EQ(lights.Get(light), colourAt(colourTable()[size_t(entry)], 255)) << int(special);
    }
}

TEST_F(KeyboardEffectsTest, Mode11MovesEachLightOneColourStepOn) {
    effects.ChangeMode(11);
    EXPECT_EQ(effects.State().colourStep[0], 33);
    EXPECT_EQ(effects.State().colourStep[5], 6);  // 198 mod 192
    pass(state(11));
    EXPECT_EQ(effects.State().colourStep[0], 34);
    EXPECT_EQ(lights.Get(0), colourAt(colourTable()[34], 255));
}

TEST_F(KeyboardEffectsTest, ShiftingGrowsACellIntoItsFourNeighbours) {
    keyboard::SpreadBuffers spread;
    spread.mark(10, 3);
    spread.shift();
    for (int column = 0; column < keyboard::kGridColumns; ++column) {
        const uint8_t expected = column == 10 ? (1 << 2 | 1 << 4) : (column == 9 || column == 11) ? 1 << 3 : 0;
        EXPECT_EQ(spread.column(column), expected) << column;
    }
    spread.spreadAlongRows();  // the up and down points go; left and right run on
    EXPECT_EQ(spread.column(10), 0);
    EXPECT_EQ(spread.column(12) & (1 << 3), 1 << 3);
    EXPECT_EQ(spread.column(8) & (1 << 3), 1 << 3);
}

TEST_F(KeyboardEffectsTest, Mode22PhasesByColumnAndRow) {
    effects.ChangeMode(22);
    const auto prepared = effects.State();
    EXPECT_EQ(prepared.lightPhase[105], 140);
    EXPECT_EQ(prepared.lightPhase[0], 106);
    EXPECT_EQ(prepared.colourStep[0], 14);
    // Column 11, row 2 (light 31) is prepared one past the flash's last entry
    // and starts again rather than running off it.
    EXPECT_EQ(prepared.lightPhase[31], 192);
    pass(state(22));
    EXPECT_EQ(effects.State().lightPhase[31], 0);
    EXPECT_EQ(effects.State().lightPhase[0], 107);
}

TEST_F(KeyboardEffectsTest, AKeyReactionRisesWhileHeldAndFadesToNothing) {
    effects.ChangeMode(7);
    effects.ReactToKey(30, keyboard::kKeyPress, 7);
    EXPECT_EQ(effects.State().level[30], 255);
    pass(state(7), 5);  // a step per pass at speed step 4
    EXPECT_EQ(effects.State().level[30], 255);
    effects.ReactToKey(30, keyboard::kKeyRelease, 7);
    pass(state(7), 50);  // 5 less per step
    EXPECT_EQ(effects.State().level[30], 5);
    pass(state(7), 2);
    EXPECT_EQ(effects.State().level[30], 0);
    EXPECT_EQ(lights.Get(30).level, 0);
    effects.ReactToKey(31, keyboard::kKeyPress, 11);  // no reaction in other modes
    EXPECT_EQ(effects.State().level[31], 0);
}

TEST_F(KeyboardEffectsTest, Mode25LightsTheNeighboursOfAHeldKey) {
    // Light 51 sits at column 10, row 2: 30 above it, 72 below, 50 and 52
    // beside it; 7 two rows up, 29 diagonally, 49 two columns left.
    effects.ChangeMode(25);
    effects.ReactToKey(51, keyboard::kKeyPress, 25);
    auto after = effects.State();
    EXPECT_EQ(after.level[51], 255);
    for (int near : {30, 72, 50, 52}) EXPECT_EQ(after.level[near], 150) << near;
    EXPECT_EQ(after.level[7], 90);   // (10, 0)
    EXPECT_EQ(after.level[29], 90);  // (9, 1)
    EXPECT_EQ(after.level[49], 60);  // (8, 2)
    effects.ReactToKey(52, keyboard::kKeyPress, 25);  // (11, 2), next to 51
    effects.ReactToKey(51, keyboard::kKeyRelease, 25);
    after = effects.State();
    EXPECT_EQ(after.reaction[51], keyboard::kRisingLight) << "52 is still held next to it";
    EXPECT_EQ(after.held[51], 0);
    EXPECT_EQ(after.level[49], 0) << "no other key held near (8, 2)";
}

TEST_F(KeyboardEffectsTest, PassesStepByTicksOfTheSpeedStep) {
    effects.ChangeMode(11);
    LightRecord slow = state(11);
    slow.speed = 0;
    pass(slow, 4);
    EXPECT_EQ(effects.State().colourStep[0], 33);
    pass(slow);
    EXPECT_EQ(effects.State().colourStep[0], 34);
    // A clock that does not move counts no ticks.
    for (int i = 0; i < 20; ++i) effects.Pass(slow);
    EXPECT_EQ(effects.State().colourStep[0], 34);
    // Out-of-range brightness and speed steps count as the highest.
    LightRecord wild = state(11);
    wild.speed = 200;
    wild.brightness = 200;
    pass(wild);
    EXPECT_EQ(effects.State().colourStep[0], 35);
    EXPECT_EQ(lights.Get(0).level, 255);
}

TEST_F(KeyboardEffectsTest, AModeChangeLeavesNoRippleBehind) {
    effects.ChangeMode(8);
    effects.ReactToKey(51, keyboard::kKeyPress, 8);
    pass(state(8), 2);
    ASSERT_NE(effects.State().spread.column(10), 0);
    effects.ChangeMode(8);
    const auto reset = effects.State();
    for (int column = 0; column < keyboard::kGridColumns; ++column) EXPECT_EQ(reset.spread.column(column), 0);
    for (int light = 0; light < 170; ++light) EXPECT_EQ(reset.level[size_t(light)], 0);
}

TEST_F(KeyboardEffectsTest, Mode21SweepsForwardThenRestsOneStep) {
    effects.ChangeMode(21);
    LightRecord record = state(21);
    record.speed = 4;
    pass(record);
    // Marked at 254, then faded by 40 in the same step.
    EXPECT_EQ(effects.State().level[0], 214);  // position 0
    pass(record);
    EXPECT_EQ(effects.State().level[1], 214);  // position 1
    pass(record, 168);
    EXPECT_EQ(effects.State().sweepPosition, 170);
    pass(record);
    EXPECT_EQ(effects.State().sweepPosition, 0);
}

// Audio mode 0: column c follows level c; 2000 is full scale.
class KeyboardAudioTest : public KeyboardEffectsTest {
protected:
    void SetUp() override {
        AudioLightRecord audio;
        audio.mode = 0;
        audio.foreRed = 200;
        audio.backBlue = 50;
        effects.SetAudioLighting(audio);
        effects.ChangeMode(29);
    }
    void feed(int column, int32_t level) {
        std::array<int32_t, keyboard::kAudioLevels> levels{};
        levels[size_t(column)] = level;
        effects.OnAudioLevels(levels, 29);
        pass(state(29), 2);
    }
    // Column 4 of the grid, rows 0-5.
    std::vector<uint8_t> column4Levels() const {
        std::vector<uint8_t> levels;
        for (int light : {2, 24, 45, 66, 86, 107}) levels.push_back(effects.State().level[size_t(light)]);
        return levels;
    }
};

TEST_F(KeyboardAudioTest, AFullLevelLightsRowsOneToFive) {
    feed(4, 2000);
    EXPECT_EQ(column4Levels(), (std::vector<uint8_t>{0, 255, 255, 255, 255, 255}));
    EXPECT_EQ(lights.Get(24), (LightColour{200, 0, 0, 255}));
    EXPECT_EQ(lights.Get(2), (LightColour{0, 0, 50, 255}));  // background
}

TEST_F(KeyboardAudioTest, SilenceLightsNothing) {
    feed(4, 0);
    EXPECT_EQ(column4Levels(), (std::vector<uint8_t>(6, 0)));
}

// 2^31 - 1 x 600 passes 32 bits: the level counts as beyond full scale.
// The most negative level counts as silence.
TEST_F(KeyboardAudioTest, ExtremeLevelsStayInRange) {
    feed(4, INT32_MAX);
    EXPECT_EQ(column4Levels(), (std::vector<uint8_t>{0, 255, 255, 255, 255, 255}));
    effects.ChangeMode(29);
    feed(4, INT32_MIN);
    EXPECT_EQ(column4Levels(), (std::vector<uint8_t>(6, 0)));
}

// Audio mode 2: loud levels add up to a ripple at light 51 (column 10, row 2).
TEST_F(KeyboardAudioTest, LoudnessPulseStartsARipple) {
    AudioLightRecord audio;
    audio.mode = 2;
    effects.SetAudioLighting(audio);
    std::array<int32_t, keyboard::kAudioLevels> loud{};
    loud.fill(2000);  // 25 per call
    effects.OnAudioLevels(loud, 29);
    effects.OnAudioLevels(loud, 29);
    EXPECT_EQ(effects.State().spread.column(10), 0);
    effects.OnAudioLevels(loud, 29);  // 75 >= 71
    EXPECT_EQ(effects.State().spread.column(10), 1 << 2);
}

}  // namespace
}  // namespace viremo::devices::testing
