// The steps of the keyboard's lighting modes.
#include <algorithm>

#include "devices/keyboard/keyboard_effects.h"
#include "devices/lighting/effect_tables.h"
#include "devices/lighting/wave_table.h"

namespace viremo::devices::keyboard {
namespace {

constexpr int kColourSteps = kSpectrumLength;  // the spectrum's 192 entries
constexpr uint8_t kLastColourStep = 255;
constexpr uint8_t kSweepLevel = 254;

uint8_t wrapped(int value, int limit) { return uint8_t(value % limit); }

}  // namespace

// ---- Waves over columns, rows and keys ---------------------------------------

void KeyboardEffects::stepLines(bool rows, uint8_t colourAdvance, uint8_t waveAdvance, bool fromNext, bool flash) {
    const LightRecord& lighting = inputs_.lighting;
    const bool multi = lighting.multiColor != 0;
    const int limit = multi ? kColourSteps : kWaveLength;
    state_.phase = byteStep(lighting.direction, uint8_t(limit), state_.phase, 1);
    int at = wrapped(state_.phase + (fromNext ? 1 : 0), limit);
    const int lines = rows ? kGridRows : kGridColumns;
    const int across = rows ? kGridColumns : kGridRows;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < across; ++i) {
            const uint8_t light = rows ? gridLight(i, line) : gridLight(line, i);
            if (light >= kNoLight) continue;
            if (multi) showAtBrightness(light, colourTable()[size_t(at)]);
            else showAtLevel(light, stateColour(), flash ? flashCurve()[size_t(at)] : waveTable()[size_t(at)]);
        }
        at = wrapped(at + (multi ? colourAdvance : waveAdvance), limit);
    }
}

void KeyboardEffects::stepMode1() { stepLines(false, 7, 7, true, false); }

void KeyboardEffects::stepMode2() { stepLines(false, 2, 1, false, true); }

void KeyboardEffects::stepMode12() { stepLines(true, 24, 11, true, false); }

void KeyboardEffects::stepMode3() {
    const LightRecord& lighting = inputs_.lighting;
    const bool multi = lighting.multiColor != 0;
    const int limit = multi ? kColourSteps : kWaveLength;
    state_.phase = byteStep(lighting.direction, uint8_t(limit), state_.phase, 1);
    int at = state_.phase;
    for (const uint8_t key : keyOrder()) {
        if (key >= kNoLight) continue;
        if (multi) showAtBrightness(key, colourTable()[size_t(at)]);
        else showAtLevel(key, stateColour(), waveTable()[size_t(at)]);
        at = wrapped(at + 5, limit);
    }
}

void KeyboardEffects::stepMode18() {
    state_.phase = byteStep(inputs_.lighting.direction, kColourSteps, state_.phase, 1);
    int at = state_.phase;
    for (const auto& ring : rings()) {
        at = wrapped(at + 7, kColourSteps);
        for (const uint8_t key : ring)
            if (inKeyOrder(key)) showAtBrightness(key, colourTable()[size_t(at)]);
    }
}

// ---- Whole-keyboard colours ------------------------------------------------------

void KeyboardEffects::stepBreathing() {
    state_.phase = state_.phase + 1 >= kBreathingLength ? 0 : uint8_t(state_.phase + 1);
    const uint8_t level = breathingCurve()[state_.phase];
    const bool multi = inputs_.lighting.multiColor != 0;
    for (int column = 0; column < kGridColumns; ++column) {
        const Rgb colour = multi ? colourTable()[size_t(7 * column)] : stateColour();
        for (const uint8_t light : lightGrid()[size_t(column)])
            if (light < kNoLight) showAtLevel(light, colour, level);
    }
}

void KeyboardEffects::stepStatic() {
    if (!inputs_.lighting.multiColor) {
        for (int light = 0; light < kMaxLights; ++light) showAtBrightness(light, stateColour());
        return;
    }
    for (int ring = 0; ring < kRingCount; ++ring)
        for (const uint8_t key : rings()[size_t(ring)])
            if (inKeyOrder(key)) showAtBrightness(key, colourTable()[size_t(138 - 12 * ring)]);
}

void KeyboardEffects::stepMode11() {
    for (int light = 0; light < kMaxLights; ++light) {
        uint8_t& step = state_.colourStep[size_t(light)];
        step = step + 1 >= kColourSteps ? 0 : uint8_t(step + 1);
        showAtBrightness(light, colourTable()[step]);
    }
}

void KeyboardEffects::stepMode17() {
    uint8_t entry = 174;
    switch (inputs_.lighting.zzccLedMode) {
    case 1: entry = 25; break;
    case 2: entry = 70; break;
    case 3: entry = 95; break;
    default: break;
    }
    for (int light = 0; light < kMaxLights; ++light) showAtBrightness(light, colourTable()[entry]);
}

// The custom colours stay; only their level follows the brightness.
void KeyboardEffects::stepMode20() {
    for (int light = 0; light < kMaxLights; ++light) {
        LightColour colour = lights_.Get(light);
        colour.level = brightness();
        lights_.Set(light, colour);
    }
}

void KeyboardEffects::stepMode30() {
    const Rgb colour{uint8_t(audioBands_[0].load()), uint8_t(audioBands_[1].load()), uint8_t(audioBands_[2].load())};
    for (int light = 0; light < kMaxLights; ++light) showAtBrightness(light, colour);
}

void KeyboardEffects::stepSpectrum() { viremo::devices::stepSpectrum(state_.shared, inputs_.lighting, lights_); }

void KeyboardEffects::stepBlink() { viremo::devices::stepBlink(state_.shared, inputs_.lighting, lights_, clock_.now()); }

void KeyboardEffects::stepFourColourBreathing() {
    viremo::devices::stepFourColourBreathing(state_.shared, inputs_.lighting, lights_);
}

void KeyboardEffects::stepFourColourBlink() {
    viremo::devices::stepFourColourBlink(state_.shared, inputs_.lighting, lights_, clock_.now());
}

void KeyboardEffects::stepOff() { viremo::devices::stepOff(lights_); }

// ---- Reaction levels -------------------------------------------------------------

void KeyboardEffects::stepMode7() {
    for (int light = 0; light < kMaxLights; ++light) {
        uint8_t& level = state_.level[size_t(light)];
        const uint8_t reaction = state_.reaction[size_t(light)];
        if (reaction == kRisingLight) level = uint8_t(std::min(255, level + 15));
        if (reaction == kFallingLight) level = uint8_t(std::max(0, level - 5));
    }
    showLevels();
}

void KeyboardEffects::stepMode8() {
    seedColumns();
    state_.spread.shift();
    for (int light = 0; light < kMaxLights; ++light) {
        decay(light, 8);
        state_.colourStep[size_t(light)] = byteStep(1, kColourSteps, state_.colourStep[size_t(light)], 7);
    }
    showLevels();
}

void KeyboardEffects::stepMode9() {
    seedColumns();
    state_.spread.spreadAlongRows();
    for (int light = 0; light < kMaxLights; ++light) decay(light, 9);
    showLevels();
}

void KeyboardEffects::stepMode10() {
    for (int i = 0; i < 6; ++i) {
        const uint32_t pick = random_.next() % kRandomKeyCount;
        const uint8_t light = keyOrder()[randomKeyList()[pick]];
        if (light >= kNoLight) continue;
        state_.colourStep[light] = uint8_t(random_.next() % kColourSteps);
        state_.level[light] = 255;
    }
    for (int light = 0; light < kMaxLights; ++light) decay(light, 10);
    showLevels();
}

void KeyboardEffects::stepMode13() {
    const uint8_t marked = state_.spread.column(9);
    if (marked == 1) state_.spread.mark(9, 0);
    if (marked == 64) state_.spread.mark(9, 6);
    if (state_.stage >= 2) {
        state_.stage = 0;
        seedColumns();
        state_.spread.shift();
    }
    ++state_.stage;
    for (int light = 0; light < kMaxLights; ++light) decay(light, 13);
    showLevels();
}

void KeyboardEffects::stepMode16() {
    if (state_.spread.column(1) == 1) state_.spread.mark(1, 0);
    if (state_.spread.column(22) == 64) state_.spread.mark(22, 6);
    seedColumns();
    state_.spread.shift();
    decayAndShowKeys(16);
}

void KeyboardEffects::stepMode14() {
    const auto light = [this](uint8_t number) {
        if (number >= kNoLight) return;
        state_.level[number] = 255;
        if (inputs_.lighting.multiColor) state_.colourStep[number] = uint8_t(random_.next() % kColourSteps);
    };
    switch (state_.stage) {
    case 0:
        if (state_.phase < kSequenceRows)
            for (const uint8_t number : sequenceTable()[state_.phase]) light(number);
        if (++state_.phase >= kSequenceRows) {
            state_.phase = 0;
            state_.stage = 1;
        }
        break;
    case 1:
        if (state_.phase <= 30) {
            for (const uint8_t number : pairTable()[state_.phase % kPairCount]) light(number);
            ++state_.phase;
        } else if (state_.level[72] == 0) {
            state_.stage = 2;
            state_.phase = 0;
        }
        break;
    case 2:
        reactMode8(51, kKeyPress);
        state_.stage = 3;
        break;
    case 3:
        seedColumns();
        state_.spread.shift();
        if (state_.level[124] != 0) state_.stage = 4;
        break;
    default:
        if (state_.level[124] == 0) {
            state_.stage = 0;
            state_.phase = 0;
        }
        break;
    }
    for (int number = 0; number < kMaxLights; ++number) decay(number, 14);
    showLevels();
}

void KeyboardEffects::stepMode15() {
    for (const uint8_t key : keyOrder()) {
        if (key >= kNoLight) continue;
        uint8_t& level = state_.level[key];
        level = uint8_t(level + 2);
        if (level >= kFlashLength) {
            level = 0;
            state_.colourStep[key] = uint8_t(random_.next() % kColourSteps);
        }
        showAtLevel(key, colourOf(key), flashCurve()[level]);
    }
}

void KeyboardEffects::stepMode21() {
    uint8_t& position = state_.sweepPosition;
    if (inputs_.lighting.direction != 0) {
        if (position >= kSweepPositions - 1) {
            position = 0;
        } else {
            const uint8_t light = sweepTable()[position];
            if (light < kNoLight) state_.level[light] = kSweepLevel;
            ++position;
        }
    } else if (position == 0) {
        position = kSweepPositions - 1;
    } else {
        const uint8_t light = sweepTable()[std::min<size_t>(position, kSweepPositions - 1)];
        if (light < kNoLight) state_.level[light] = kSweepLevel;
        --position;
    }
    decayAndShowKeys(21);
}

// A light's phase starts again at the end of the flash; a phase already
// past the end (prepared or stepped beyond it) does too.
void KeyboardEffects::stepMode22() {
    for (const uint8_t key : keyOrder()) {
        if (key >= kNoLight) continue;
        uint8_t& phase = state_.lightPhase[key];
        phase = phase >= kFlashLength - 1 ? 0 : uint8_t(phase + 1);
        if (phase == 0) state_.colourStep[key] = uint8_t(random_.next() % kColourSteps);
        showAtLevel(key, colourOf(key), flashCurve()[phase]);
    }
}

void KeyboardEffects::stepMode24() {
    state_.phase = byteStep(inputs_.lighting.direction, kGroupCount, state_.phase, 1);
    for (const uint8_t light : groupTable()[state_.phase]) {
        if (light >= kNoLight) continue;
        state_.level[light] = 255;
        state_.colourStep[light] = 0;
    }
    const bool multi = inputs_.lighting.multiColor != 0;
    for (int light = 0; light < kMaxLights; ++light) {
        uint8_t& level = state_.level[size_t(light)];
        uint8_t& step = state_.colourStep[size_t(light)];
        level = uint8_t(std::max(0, level - 5));
        step = uint8_t(std::min<int>(kLastColourStep, step + 3));
        if (multi) showAtBrightness(light, colourTable()[step]);
        else showAtLevel(light, stateColour(), level);
    }
}

}  // namespace viremo::devices::keyboard
