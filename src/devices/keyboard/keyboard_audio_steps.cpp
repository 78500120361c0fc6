// The audio effects of mode 29 and the loudness pulse. Sound levels come
// from another program, so every sum and product is taken in 64 bits and
// every index wraps or is clamped before it reaches a table.
#include <algorithm>
#include <atomic>
#include <numeric>

#include "devices/keyboard/keyboard_effects.h"
#include "devices/lighting/reaction_buffers.h"

namespace viremo::devices::keyboard {
namespace {

constexpr int kColourSteps = kSpectrumLength;
constexpr uint8_t kKeepLevel = 10;      // an outer neighbour this lit keeps a light from fading
constexpr uint8_t kPeakKeepLevel = 5;   // ... in audio mode 4
constexpr uint8_t kFadedLevel = 9;      // lights above it show the bar colour
constexpr uint8_t kPeakClearLevel = 10;
constexpr int64_t kPulseThreshold = 71;
constexpr uint8_t kPulseLight = 51;
constexpr int kStyleRings = 0;  // the rings of audio mode 3 fade in plain bands

// How far a level is below full scale (2000): 600 at silence, 0 at full
// scale. Beyond full scale it is 0, or 500 "with floor".
int64_t quietness(int64_t level, bool withFloor) {
    const int64_t quiet = 600 - level * 600 / 2000;
    if (quiet >= 0) return quiet;
    return withFloor ? 500 : 0;
}

int wrap(int64_t value, int limit) {
    const int64_t rest = value % limit;
    return int(rest < 0 ? rest + limit : rest);
}

// A bar boundary, kept within reach of the grid.
int bound(int64_t value) { return int(std::clamp<int64_t>(value, -64, 64)); }

// Six bands from consecutive groups of levels, each the group's sum / 3.
std::array<int64_t, kAudioBands> bandsOf(const std::array<int32_t, kAudioLevels>& levels,
                                         const std::array<int, kAudioBands>& groups) {
    std::array<int64_t, kAudioBands> bands{};
    auto from = levels.begin();
    for (size_t band = 0; band < bands.size(); ++band) {
        bands[band] = std::accumulate(from, from + groups[band], int64_t{0}) / 3;
        from += groups[band];
    }
    return bands;
}

int64_t meanQuietness(const std::array<int32_t, kAudioLevels>& levels) {
    int64_t sum = 0;
    for (const int32_t level : levels) sum += quietness(level, true);
    return sum / kAudioLevels;
}

// The loudness total is the program's, shared by every keyboard.
std::atomic<int64_t> loudnessTotal{0};

}  // namespace

void KeyboardEffects::stepAudio() {
    switch (inputs_.audio.mode) {
    case 0: audioStep0(); break;
    case 1: audioStep1(); break;
    case 2: audioStep2(); break;
    case 3: audioStep3(); break;
    case 4: audioStep4(); break;
    case 5: audioStep5(); break;
    case 6: audioStep6(); break;
    default: break;
    }
}

Rgb KeyboardEffects::barColour(int colourStep) const {
    const AudioLightRecord& audio = inputs_.audio;
    if (audio.sevenColors) return colourTable()[size_t(colourStep)];
    return {audio.foreRed, audio.foreGreen, audio.foreBlue};
}

// Each light fades unless its outer neighbour was lit at `keepLevel` or more
// before the step; a light inside the bar is at full level in the bar
// colour, one still above level 9 fades in it, any other shows the
// background.
void KeyboardEffects::showBarLines(const std::vector<BarLight>& bars, uint8_t keepLevel) {
    const auto before = state_.level;
    const AudioLightRecord& audio = inputs_.audio;
    const Rgb background{audio.backRed, audio.backGreen, audio.backBlue};
    for (const BarLight& bar : bars) {
        if (bar.light >= kNoLight) continue;
        if (bar.outer >= kNoLight || before[bar.outer] < keepLevel) decay(bar.light, kAudioDecayStyle);
        uint8_t& level = state_.level[bar.light];
        if (bar.inBar) level = 255;
        if (bar.inBar) showAtBrightness(bar.light, bar.colour);
        else if (level > kFadedLevel) showAtLevel(bar.light, bar.colour, level);
        else showAtBrightness(bar.light, background);
    }
}

// Columns rising from the bottom, column c following level c.
void KeyboardEffects::audioStep0() {
    const auto levels = takeAudioLevels();
    state_.phase = byteStep(inputs_.lighting.direction, kColourSteps, state_.phase, 1);
    std::vector<BarLight> bars;
    for (int column = 0; column < kGridColumns; ++column) {
        const int top = bound((quietness(levels[size_t(column)], false) + 100) * 6 / 600);
        const Rgb colour = barColour(wrap(state_.phase + 10 * (column + 1), kColourSteps));
        for (int row = 0; row < kGridRows; ++row) {
            const uint8_t above = row == 0 ? kNoLight : gridLight(column, row - 1);
            bars.push_back({gridLight(column, row), above, row >= top, colour});
        }
    }
    showBarLines(bars, kKeepLevel);
}

// Two bars per row meeting between columns 8 and 9.
void KeyboardEffects::audioStep1() {
    const auto levels = takeAudioLevels();
    const uint8_t direction = inputs_.lighting.direction;
    state_.phase = byteStep(direction, kColourSteps, state_.phase, 1);
    state_.offset = byteStep(direction, kAudioLevels, state_.offset, 1);
    const auto reach = [](int32_t level) { return bound((quietness(level, true) + 100) * 12 / 600); };
    std::vector<BarLight> bars;
    for (int row = 0; row < kGridRows; ++row) {
        const int left = reach(levels[size_t(wrap(state_.offset + 3 * (row + 1), kAudioLevels))]);
        const int right = reach(levels[size_t(2 * row + 1)]);
        for (int column = 0; column < kGridColumns; ++column) {
            const Rgb colour = barColour(wrap(state_.phase + 7 * (column + 1), kColourSteps));
            const uint8_t light = gridLight(column, row);
            if (column <= 8) {
                const uint8_t outer = column == 0 ? kNoLight : gridLight(column - 1, row);
                bars.push_back({light, outer, column >= left, colour});
            } else {
                const uint8_t outer = column >= 21 ? kNoLight : gridLight(column + 1, row);
                bars.push_back({light, outer, column <= 21 - right, colour});
            }
        }
    }
    showBarLines(bars, kKeepLevel);
}

// Ripples started by the loudness pulse.
void KeyboardEffects::audioStep2() {
    seedColumns();
    state_.spread.shift();
    const AudioLightRecord& audio = inputs_.audio;
    const Rgb background{audio.backRed, audio.backGreen, audio.backBlue};
    for (int light = 0; light < kMaxLights; ++light) {
        decay(light, kAudioDecayStyle);
        uint8_t& step = state_.colourStep[size_t(light)];
        step = byteStep(1, kColourSteps, step, 9);
        const uint8_t level = state_.level[size_t(light)];
        if (level > kFadedLevel) showAtLevel(light, barColour(step), level);
        else showAtBrightness(light, background);
    }
}

// Rings round light 49: the louder, the more rings are lit.
void KeyboardEffects::audioStep3() {
    const auto levels = takeAudioLevels();
    const int64_t loudness = std::clamp<int64_t>(meanQuietness(levels) * 20 / 600, 0, kColourSteps - 1);
    state_.phase = byteStep(inputs_.lighting.direction, kColourSteps, state_.phase, uint8_t(loudness));
    for (int ring = 0; ring < kRingCount; ++ring) {
        const int colour = wrap(state_.phase + 9 * (ring + 1), kColourSteps);
        for (const uint8_t key : rings()[size_t(ring)]) {
            if (!inKeyOrder(key)) continue;
            if (ring < 20 - loudness) {
                state_.level[key] = 255;
                state_.colourStep[key] = uint8_t(colour);
            } else {
                decay(key, kStyleRings);
            }
            showAtLevel(key, colourTable()[state_.colourStep[key]], state_.level[key]);
        }
    }
}

// A peak per column that stays until the column's bottom light has faded.
void KeyboardEffects::audioStep4() {
    const auto levels = takeAudioLevels();
    std::vector<BarLight> bars;
    for (int column = 0; column < kGridColumns; ++column) {
        const int64_t level = levels[size_t(wrap(state_.offset + column + 1, kAudioLevels))];
        const int top = bound((quietness(level, false) + 100) * 6 / 600);
        const uint8_t bottom = gridLight(column, kGridRows - 1);
        uint32_t& peak = state_.peak[size_t(column)];
        if (bottom >= kNoLight || state_.level[bottom] < kPeakClearLevel) peak = 0;
        for (int row = 0; row < kGridRows; ++row) {
            const uint8_t light = gridLight(column, row);
            const uint8_t above = row == 0 ? kNoLight : gridLight(column, row - 1);
            const bool lit = peak == 0 && row >= top && light < kNoLight;
            if (lit) peak = 1;
            const Rgb colour = barColour(light < kNoLight ? state_.colourStep[light] : 0);
            bars.push_back({light, above, lit, colour});
        }
    }
    showBarLines(bars, kPeakKeepLevel);
}

// Rows growing from the left, row r following band 5 - r.
void KeyboardEffects::audioStep5() {
    const auto bands = bandsOf(takeAudioLevels(), {2, 3, 3, 4, 5, 7});
    state_.phase = byteStep(inputs_.lighting.direction, kColourSteps, state_.phase, 1);
    std::vector<BarLight> bars;
    for (int row = 0; row < kGridRows; ++row) {
        const int end = bound(23 - (quietness(bands[size_t(5 - row)], true) * 23 + 2300) / 600);
        for (int column = 0; column < kGridColumns; ++column) {
            const uint8_t outer = column >= 21 ? kNoLight : gridLight(column + 1, row);
            const Rgb colour = barColour(wrap(state_.phase + 3 * (column + 1), kColourSteps));
            bars.push_back({gridLight(column, row), outer, column <= end, colour});
        }
    }
    showBarLines(bars, kKeepLevel);
}

// Rows growing from the right (even rows) and from the left (odd rows).
void KeyboardEffects::audioStep6() {
    const auto bands = bandsOf(takeAudioLevels(), {2, 2, 3, 4, 5, 5});
    state_.phase = byteStep(inputs_.lighting.direction, kColourSteps, state_.phase, 1);
    std::vector<BarLight> bars;
    for (int row = 0; row < kGridRows; ++row) {
        const int reach = bound(quietness(bands[size_t(row)], true) * 23 / 600);
        const bool even = row % 2 == 0;
        for (int column = 0; column < kGridColumns; ++column) {
            const Rgb colour = barColour(wrap(state_.phase + 2 * (column + 1), kColourSteps));
            uint8_t outer = kNoLight;
            if (even && column > 1) outer = gridLight(column - 1, row);
            if (!even && column < 21) outer = gridLight(column + 1, row);
            const bool inBar = even ? column >= reach : column <= 23 - reach;
            bars.push_back({gridLight(column, row), outer, inBar, colour});
        }
    }
    showBarLines(bars, kKeepLevel);
}

// Loud sound adds up; each time the total reaches the threshold a ripple
// starts at light 51.
void KeyboardEffects::loudnessPulse(const std::array<int32_t, kAudioLevels>& levels) {
    const int64_t loudness = std::max<int64_t>(0, 25 - meanQuietness(levels) * 25 / 600);
    if (loudnessTotal.fetch_add(loudness) + loudness < kPulseThreshold) return;
    loudnessTotal = 0;
    reactMode8(kPulseLight, kKeyPress);
}

}  // namespace viremo::devices::keyboard
