#include "devices/keyboard/keyboard_effects.h"

#include <algorithm>
#include <chrono>

#include "devices/lighting/effect_tables.h"
#include "devices/lighting/reaction_buffers.h"

namespace viremo::devices::keyboard {
namespace {

constexpr auto kTickLength = std::chrono::milliseconds(1);
constexpr int kSpeedSteps = 5;

// Ticks between two steps, by speed step 0-4.
struct StepTicks {
    uint8_t mode;
    std::array<int, kSpeedSteps> ticks;
};
constexpr std::array<int, kSpeedSteps> kUsualTicks{5, 4, 3, 2, 1};
constexpr StepTicks kOwnTicks[] = {
    {12, {3, 2, 2, 1, 1}},
    {16, {4, 4, 4, 4, 4}},
    {18, {1, 1, 1, 1, 1}},
    {30, {1, 0, 0, 0, 0}},
};
constexpr uint8_t kAudioMode = 29;
constexpr uint8_t kLoudnessPulseAudioMode = 2;

int ticksBetweenSteps(uint8_t mode, uint8_t speed) {
    const size_t s = std::min<size_t>(speed, kSpeedSteps - 1);
    for (const StepTicks& row : kOwnTicks)
        if (row.mode == mode) return row.ticks[s];
    return kUsualTicks[s];
}

// Modes 0, 19 and those beyond the list play the user's custom effect.
bool playsCustomEffect(uint8_t mode) { return mode == 0 || mode == 19 || mode > 30; }

}  // namespace

const KeyboardEffects::ModeRow KeyboardEffects::kModeSteps[] = {
    {1, &KeyboardEffects::stepMode1},
    {2, &KeyboardEffects::stepMode2},
    {3, &KeyboardEffects::stepMode3},
    {4, &KeyboardEffects::stepSpectrum},
    {5, &KeyboardEffects::stepBreathing},
    {6, &KeyboardEffects::stepStatic},
    {7, &KeyboardEffects::stepMode7},
    {8, &KeyboardEffects::stepMode8},
    {9, &KeyboardEffects::stepMode9},
    {10, &KeyboardEffects::stepMode10},
    {11, &KeyboardEffects::stepMode11},
    {12, &KeyboardEffects::stepMode12},
    {13, &KeyboardEffects::stepMode13},
    {14, &KeyboardEffects::stepMode14},
    {15, &KeyboardEffects::stepMode15},
    {16, &KeyboardEffects::stepMode16},
    {17, &KeyboardEffects::stepMode17},
    {18, &KeyboardEffects::stepMode18},
    {20, &KeyboardEffects::stepMode20},
    {21, &KeyboardEffects::stepMode21},
    {22, &KeyboardEffects::stepMode22},
    {23, &KeyboardEffects::stepBlink},
    {24, &KeyboardEffects::stepMode24},
    {25, &KeyboardEffects::stepMode7},
    {26, &KeyboardEffects::stepFourColourBreathing},
    {27, &KeyboardEffects::stepFourColourBlink},
    {28, &KeyboardEffects::stepOff},
    {29, &KeyboardEffects::stepAudio},
    {30, &KeyboardEffects::stepMode30},
};

KeyboardEffects::KeyboardEffects(LightColours& lights, const Clock& clock, RandomSource& random)
    : lights_(lights), clock_(clock), random_(random), lastTick_(clock.now()) {}

// ---- Mode changes ------------------------------------------------------------

void KeyboardEffects::ChangeMode(uint8_t mode) {
    std::lock_guard lock(mutex_);
    state_.Reset();
    switch (mode) {
    case 13: prepareMode13(); break;
    case 15: prepareMode15(); break;
    case 16: prepareMode16(); break;
    case 22: prepareMode22(); break;
    default: prepareMode11(); break;
    }
}

void KeyboardEffects::prepareMode11() {
    for (int light = 0; light < kMaxLights; ++light) state_.colourStep[size_t(light)] = uint8_t(33 * (light + 1) % 192);
}

void KeyboardEffects::prepareMode13() { state_.spread.mark(9, 6); }

void KeyboardEffects::prepareMode15() {
    const auto& table = columnRowTable();
    for (int column = 0; column < kGridColumns; ++column)
        for (int row = 0; row < kColumnRowRows; ++row) {
            const uint8_t light = table[size_t(column)][size_t(row)];
            if (light >= kNoLight) continue;
            state_.level[light] = levelTable()[size_t(6 * column + row)];
            state_.colourStep[light] = uint8_t(7 * column);
        }
}

void KeyboardEffects::prepareMode16() { state_.spread.mark(1, 0); }

void KeyboardEffects::prepareMode22() {
    const auto& table = columnRowTable();
    for (int column = 0; column < kGridColumns; ++column) {
        int phase = 192 - 8 * column;
        for (int row = 0; row < kColumnRowRows; ++row) {
            phase = phase < 35 ? phase + 158 : phase - 35;
            const uint8_t light = table[size_t(column)][size_t(row)];
            if (light >= kNoLight) continue;
            state_.lightPhase[light] = uint8_t(phase);
            state_.colourStep[light] = uint8_t(7 * column);
        }
    }
}

// ---- Passes --------------------------------------------------------------------

void KeyboardEffects::SetAudioLighting(const AudioLightRecord& audio) {
    std::lock_guard lock(mutex_);
    inputs_.audio = audio;
}

void KeyboardEffects::Pass(const LightRecord& lighting) {
    std::lock_guard lock(mutex_);
    inputs_.lighting = lighting;
    const Clock::Monotonic now = clock_.now();
    if (now - lastTick_ > kTickLength) {
        ++ticks_;
        lastTick_ = now;
    }
    const uint8_t mode = lighting.mode;
    if (playsCustomEffect(mode)) {
        customEffect_.Play(lighting.speed, lights_, now);
        return;
    }
    if (!stepDue(lighting)) return;
    step(mode);
    ticks_ = 0;
}

bool KeyboardEffects::stepDue(const LightRecord& lighting) {
    if (lighting.mode == kAudioMode) return ticks_ > 1;
    return ticks_ >= ticksBetweenSteps(lighting.mode, lighting.speed);
}

void KeyboardEffects::step(uint8_t mode) {
    for (const ModeRow& row : kModeSteps)
        if (row.mode == mode) return (this->*row.step)();
}

void KeyboardEffects::LayOver(const std::vector<LightRecord>& list, bool reset) {
    std::lock_guard lock(mutex_);
    listEffects_.Apply(list, lights_, clock_.now(), reset);
}

KeyboardEffectState KeyboardEffects::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

// ---- Reactions and sound -------------------------------------------------------

void KeyboardEffects::ReactToKey(int light, uint8_t kind, uint8_t mode) {
    if (light < 0 || light >= kMaxLights || (kind != kKeyPress && kind != kKeyRelease)) return;
    std::lock_guard lock(mutex_);
    switch (mode) {
    case 25: reactMode25(light, kind); break;
    case 8: case 9: reactMode8(light, kind); break;
    case 7: reactMode7(light, kind); break;
    default: break;
    }
}

void KeyboardEffects::OnAudioLevels(std::span<const int32_t, kAudioLevels> levels, uint8_t mode) {
    for (size_t i = 0; i < levels.size(); ++i) audioLevels_[i] = levels[i];
    std::lock_guard lock(mutex_);
    if (mode != kAudioMode || inputs_.audio.mode != kLoudnessPulseAudioMode) return;
    loudnessPulse(takeAudioLevels());
}

void KeyboardEffects::OnAudioBands(std::span<const int32_t, kAudioBands> bands) {
    for (size_t i = 0; i < bands.size(); ++i) audioBands_[i] = bands[i];
}

std::array<int32_t, kAudioLevels> KeyboardEffects::takeAudioLevels() {
    std::array<int32_t, kAudioLevels> levels{};
    for (size_t i = 0; i < levels.size(); ++i) levels[i] = audioLevels_[i].exchange(0);
    return levels;
}

// ---- Showing lights ------------------------------------------------------------

uint8_t KeyboardEffects::brightness() const { return brightnessLevel(inputs_.lighting.brightness); }

Rgb KeyboardEffects::stateColour() const {
    return {inputs_.lighting.red, inputs_.lighting.green, inputs_.lighting.blue};
}

Rgb KeyboardEffects::colourOf(int light) const {
    return inputs_.lighting.multiColor ? colourTable()[state_.colourStep[size_t(light)]] : stateColour();
}

void KeyboardEffects::show(int light, Rgb colour, uint8_t level) {
    lights_.Set(light, {colour.red, colour.green, colour.blue, level});
}

void KeyboardEffects::showAtBrightness(int light, Rgb colour) { show(light, colour, brightness()); }

void KeyboardEffects::showAtLevel(int light, Rgb colour, uint8_t level) {
    show(light, colour, scaleByLevel(brightness(), level));
}

void KeyboardEffects::decay(int light, int style) {
    state_.level[size_t(light)] = decayLevel(state_.level[size_t(light)], style);
}

void KeyboardEffects::showLevels() {
    for (int light = 0; light < kMaxLights; ++light) showAtLevel(light, colourOf(light), state_.level[size_t(light)]);
}

void KeyboardEffects::decayAndShowKeys(int style) {
    for (const uint8_t key : keyOrder()) {
        if (key >= kNoLight) continue;
        decay(key, style);
        showAtLevel(key, colourOf(key), state_.level[key]);
    }
}

}  // namespace viremo::devices::keyboard
