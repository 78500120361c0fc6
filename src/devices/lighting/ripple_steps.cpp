#include "devices/lighting/ripple_steps.h"

#include <algorithm>

#include "devices/lighting/effect_tables.h"

namespace viremo::devices {
namespace {

// The decay styles of the ripples are their lighting modes.
constexpr int kMouseColumnRippleMode = 5;
constexpr int kColumnRippleMode = 7;
constexpr int kLightRippleMode = 6;
// The multicolour ripple moves its phase this far for each column or light.
constexpr uint8_t kRippleColourSpacing = 12;
// The pad and the headset move the marker on every second step.
constexpr uint8_t kStepsPerMarkerMove = 2;
constexpr int kColumnRippleEntries = 8;

// The marker of the pad and the headset: lights its light and moves on every
// second step, through the first `entries` rotation entries.
void moveLightMarker(LitDevice device, LitDeviceState& state, int entries, bool upward) {
    if (state.passCounter >= kStepsPerMarkerMove) {
        state.passCounter = 0;
        lightMarkedLights(state.reaction, layoutOf(device).lightCount);
        rotateFirst(state.reaction, entries, upward);
    }
    ++state.passCounter;
}

// The level that says whether a ripple is passing the far end: the first
// light's with a forward direction, else the last one's.
uint8_t farLevel(LitDevice device, const LitDeviceState& state, const LightRecord& lighting) {
    const int last = device == LitDevice::Mouse ? kLayoutColumns - 1 : layoutOf(device).lightCount - 1;
    return state.reaction.levels[size_t(lighting.direction != 0 ? 0 : last)];
}

// The colour of a column or light: the state's colour; with multicolour the
// light's own current colour while a ripple passes the far end, else the
// spectrum colour of the phase, which moves on by 12 for each.
Rgb rippleColour(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColour own) {
    if (!lighting.multiColor) return {lighting.red, lighting.green, lighting.blue};
    uint8_t& phase = state.base.phase;
    phase = uint8_t(phase + kRippleColourSpacing);
    const uint8_t c = phase >= kSpectrumLength ? uint8_t(phase - kSpectrumLength) : phase;
    if (farLevel(device, state, lighting) != 0) return {own.red, own.green, own.blue};
    return colourTable()[c];
}

}  // namespace

void lightMarkedLights(ReactionBuffers& reaction, int lightCount) {
    const int entries = std::min(lightCount, kRotationLength);
    for (int i = 0; i < entries; ++i)
        if (reaction.rotation[size_t(i)] == kRotationMarker) reaction.levels[size_t(i)] = 255;
}

void rotateFirst(ReactionBuffers& reaction, int entries, bool upward) {
    const auto first = reaction.rotation.begin();
    const auto last = first + std::clamp(entries, 0, kRotationLength);
    if (last - first < 2) return;
    if (upward) std::rotate(first, last - 1, last);
    else std::rotate(first, first + 1, last);
}

void stepColumnRipple(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColours& lights) {
    const LightLayout& layout = layoutOf(device);
    state.base.phase = byteStep(lighting.direction, kSpectrumLength, state.base.phase, 1);
    if (device == LitDevice::Mouse) {
        state.reaction.LightFirstKeys();
        state.reaction.Rotate(lighting.direction);
    } else {
        moveLightMarker(device, state, kColumnRippleEntries, lighting.direction == 0);
    }

    const int style = device == LitDevice::Mouse ? kMouseColumnRippleMode : kColumnRippleMode;
    const uint8_t brightness = brightnessLevel(lighting.brightness);
    for (int column = 0; column < kLayoutColumns; ++column) {
        state.reaction.Decay(column, style);
        const LightColumn& lightsOfColumn = layout.columns[size_t(column)];
        const Rgb rgb = rippleColour(device, state, lighting, lights.Get(lightsOfColumn[0]));
        const uint8_t level = scaleByLevel(brightness, state.reaction.levels[size_t(column)]);
        for (const int light : lightsOfColumn)
            if (light != kNoColumnLight && light < layout.lightCount)
                lights.Set(light, {rgb.red, rgb.green, rgb.blue, level});
    }
}

void stepLightRipple(LitDevice device, LitDeviceState& state, const LightRecord& lighting, LightColours& lights) {
    const int count = layoutOf(device).lightCount;
    state.base.phase = byteStep(lighting.direction, kSpectrumLength, state.base.phase, 1);
    moveLightMarker(device, state, kRotationLength, lighting.direction != 0);

    const uint8_t brightness = brightnessLevel(lighting.brightness);
    for (int light = 0; light < count; ++light) {
        state.reaction.Decay(light, kLightRippleMode);
        const Rgb rgb = rippleColour(device, state, lighting, lights.Get(light));
        const uint8_t level = scaleByLevel(brightness, state.reaction.levels[size_t(light)]);
        lights.Set(light, {rgb.red, rgb.green, rgb.blue, level});
    }
}

}  // namespace viremo::devices
