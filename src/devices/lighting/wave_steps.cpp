#include "devices/lighting/wave_steps.h"

#include "devices/lighting/effect_tables.h"
#include "devices/lighting/wave_table.h"

namespace viremo::devices {
namespace {

// How a light wave moves: the phase step and the start offset of the
// single-colour wave, and the distance from light to light in either table.
struct WaveSpacing {
    uint8_t spectrumSpacing;
    uint8_t singlePhaseStep;
    uint8_t singleStartOffset;
    uint8_t singleSpacing;
};
constexpr WaveSpacing kPadWave{7, 1, 1, 7};
constexpr WaveSpacing kHeadsetWave{16, 3, 0, 10};
// The mouse's columns.
constexpr uint8_t kColumnSpacing = 7;

uint8_t wrapped(int value, int limit) { return uint8_t(value >= limit ? value - limit : value); }

LightColour spectrumColour(uint8_t index, uint8_t level) {
    const Rgb rgb = colourTable()[index];
    return {rgb.red, rgb.green, rgb.blue, level};
}

LightColour waveColour(const LightRecord& lighting, uint8_t waveIndex) {
    const uint8_t level = scaleByLevel(brightnessLevel(lighting.brightness), waveTable()[waveIndex]);
    return {lighting.red, lighting.green, lighting.blue, level};
}

void setColumn(const LightLayout& layout, int column, LightColour colour, LightColours& lights) {
    for (const int light : layout.columns[size_t(column)])
        if (light != kNoColumnLight && light < layout.lightCount) lights.Set(light, colour);
}

}  // namespace

void stepColumnWave(LitDeviceState& state, const LightRecord& lighting, LightColours& lights) {
    const LightLayout& layout = layoutOf(LitDevice::Mouse);
    uint8_t& phase = state.base.phase;
    if (lighting.multiColor) {
        phase = byteStep(lighting.direction, kSpectrumLength, phase, 1);
        uint8_t c = wrapped(phase + 1, kSpectrumLength);
        for (int column = 0; column < kLayoutColumns; ++column) {
            setColumn(layout, column, spectrumColour(c, brightnessLevel(lighting.brightness)), lights);
            c = wrapped(c + kColumnSpacing, kSpectrumLength);
        }
        return;
    }
    phase = byteStep(lighting.direction, kWaveLength, phase, 1);
    uint8_t c = wrapped(phase + 1, kWaveLength);
    for (int column = 0; column < kLayoutColumns; ++column) {
        setColumn(layout, column, waveColour(lighting, c), lights);
        c = wrapped(c + kColumnSpacing, kWaveLength);
    }
}

void stepLightWave(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColours& lights) {
    const WaveSpacing& spacing = device == LitDevice::Headset ? kHeadsetWave : kPadWave;
    const int count = layoutOf(device).lightCount;
    uint8_t& phase = state.base.phase;
    if (lighting.multiColor) {
        phase = byteStep(lighting.direction, kSpectrumLength, phase, 1);
        int c = phase + 1;  // 192 is the spectrum's red again
        for (int light = 0; light < count; ++light) {
            lights.Set(light, spectrumColour(uint8_t(c), brightnessLevel(lighting.brightness)));
            c = wrapped(c + spacing.spectrumSpacing, kSpectrumLength);
        }
        return;
    }
    phase = byteStep(lighting.direction, kWaveLength, phase, spacing.singlePhaseStep);
    uint8_t c = wrapped(phase + spacing.singleStartOffset, kWaveLength);
    for (int light = 0; light < count; ++light) {
        lights.Set(light, waveColour(lighting, c));
        c = wrapped(c + spacing.singleSpacing, kWaveLength);
    }
}

}  // namespace viremo::devices
