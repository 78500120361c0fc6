#pragma once
// The keyboard's lighting computed in software: the effect of each lighting
// mode 0-30 stepped over explicit effect state, the single-light reactions
// to keys, the audio effects and the per-light effects of "LightList" laid
// over the result. The outcome is the light colour list the keyboard driver
// streams and the page paints; its entries are atomic, so the
// user-interface thread reads them while the lighting thread writes.
//
// The lighting thread calls Pass() once per pass; a pass on which the
// clock has moved on by more than 1 ms counts a tick, and the mode steps
// once its speed step's ticks have passed. Mode changes, key reactions and
// audio levels come from other threads; one lock keeps the effect state
// whole. Time and chance come from the injected clock and random source.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "devices/keyboard/keyboard_effect_state.h"
#include "devices/lighting/custom_effect_player.h"
#include "devices/lighting/effect_tables.h"
#include "devices/lighting/light_colours.h"
#include "devices/lighting/light_list_effects.h"
#include "devices/lighting/random_source.h"
#include "platform/clock.h"
#include "profiles/profile_records.h"

namespace viremo::devices::keyboard {

inline constexpr int kAudioLevels = 25;
inline constexpr int kAudioBands = 6;

inline constexpr uint8_t kKeyPress = 1;
inline constexpr uint8_t kKeyRelease = 2;

class KeyboardEffects {
public:
    KeyboardEffects(LightColours& lights, const Clock& clock, RandomSource& random);

    // A mode change: the effect state starts again and the mode is
    // prepared. The driver loads mode 20's custom colours into the lights.
    void ChangeMode(uint8_t mode);

    // The audio lighting the audio effects show.
    void SetAudioLighting(const AudioLightRecord& audio);

    // One pass of the lighting thread over the current lighting state.
    void Pass(const LightRecord& lighting);
    // The per-light effects of `list` laid over the colours; `reset` starts
    // them again (a newly applied profile).
    void LayOver(const std::vector<LightRecord>& list, bool reset);

    // A key pressed (kKeyPress) or released (kKeyRelease) at a light.
    void ReactToKey(int light, uint8_t kind, uint8_t mode);

    // The sound levels and bands the audio effects follow. In mode 29 with
    // audio mode 2 the levels also feed the loudness pulse.
    void OnAudioLevels(std::span<const int32_t, kAudioLevels> levels, uint8_t mode);
    void OnAudioBands(std::span<const int32_t, kAudioBands> bands);

    // For tests: the effect state as the steps left it.
    KeyboardEffectState State() const;


private:
    // What the steps read.
    struct EffectInputs {
        LightRecord lighting;
        AudioLightRecord audio;
    };
    using ModeStep = void (KeyboardEffects::*)();
    struct ModeRow {
        uint8_t mode;
        ModeStep step;
    };
    static const ModeRow kModeSteps[];

    bool stepDue(const LightRecord& lighting);
    void step(uint8_t mode);

    // Preparations.
    void prepareMode11();
    void prepareMode13();
    void prepareMode15();
    void prepareMode16();
    void prepareMode22();

    // Mode steps (keyboard_mode_steps.cpp).
    void stepMode1();
    void stepMode2();
    void stepMode3();
    void stepSpectrum();
    void stepBreathing();
    void stepStatic();
    void stepMode7();
    void stepMode8();
    void stepMode9();
    void stepMode10();
    void stepMode11();
    void stepMode12();
    void stepMode13();
    void stepMode14();
    void stepMode15();
    void stepMode16();
    void stepMode17();
    void stepMode18();
    void stepMode20();
    void stepMode21();
    void stepMode22();
    void stepBlink();
    void stepMode24();
    void stepFourColourBreathing();
    void stepFourColourBlink();
    void stepOff();
    void stepAudio();
    void stepMode30();
    // The column and row waves of modes 1, 2 and 12.
    void stepLines(bool rows, uint8_t colourAdvance, uint8_t waveAdvance, bool fromNext, bool flash);

    // Spread buffers and reactions (keyboard_reactions.cpp).
    void seedColumns();
    void reactMode7(int light, uint8_t kind);
    void reactMode8(int light, uint8_t kind);
    void reactMode25(int light, uint8_t kind);
    bool isNeighbourLit(int column, int row, int light) const;

    // Audio steps (keyboard_audio_steps.cpp).
    void audioStep0();
    void audioStep1();
    void audioStep2();
    void audioStep3();
    void audioStep4();
    void audioStep5();
    void audioStep6();
    // A light of an audio bar line and the next light away from the bar's
    // base (kNoLight where the light always fades).
    struct BarLight {
        uint8_t light;
        uint8_t outer;
        bool inBar;
        Rgb colour;
    };
    void showBarLines(const std::vector<BarLight>& bars, uint8_t keepLevel);
    Rgb barColour(int colourStep) const;
    std::array<int32_t, kAudioLevels> takeAudioLevels();
    void loudnessPulse(const std::array<int32_t, kAudioLevels>& levels);

    // Showing lights.
    uint8_t brightness() const;
    Rgb stateColour() const;
    Rgb colourOf(int light) const;
    void show(int light, Rgb colour, uint8_t level);
    void showAtBrightness(int light, Rgb colour);
    void showAtLevel(int light, Rgb colour, uint8_t level);
    void decay(int light, int style);
    // Each light's colour at its own level.
    void showLevels();
    void decayAndShowKeys(int style);

    LightColours& lights_;
    const Clock& clock_;
    RandomSource& random_;

    mutable std::mutex mutex_;  // everything below
    EffectInputs inputs_;
    KeyboardEffectState state_;
    CustomEffectPlayer customEffect_;
    LightListEffects listEffects_;
    int ticks_ = 0;
    Clock::Monotonic lastTick_{};
    std::array<std::atomic<int32_t>, kAudioLevels> audioLevels_{};
    std::array<std::atomic<int32_t>, kAudioBands> audioBands_{};
};

}  // namespace viremo::devices::keyboard
