#include "devices/light_settings/light_settings_block.h"

#include <algorithm>

namespace viremo::devices {
namespace {

using namespace light_settings_at;

constexpr uint8_t kHighestStep = 4;

uint8_t step(uint8_t value) { return std::min(value, kHighestStep); }

bool hasModeCode(const keyboard::ModeList& modes, uint8_t code) {
    return std::any_of(modes.modes.begin(), modes.modes.end(),
                       [code](const keyboard::LightingMode& mode) { return mode.code == code; });
}

}  // namespace

LightRecord LightSettings::Lighting(LightRecord base) const {
    base.mode = bytes[kMode];
    base.brightness = step(bytes[kBrightness]);
    base.speed = step(bytes[kSpeed]);
    base.multiColor = bytes[kMultiColour];
    base.red = bytes[kRed];
    base.green = bytes[kGreen];
    base.blue = bytes[kBlue];
    return base;
}

LightSettings withLighting(LightSettings settings, const LightRecord& lighting) {
    settings.bytes[kMode] = lighting.mode;
    settings.bytes[kBrightness] = lighting.brightness;
    settings.bytes[kSpeed] = lighting.speed;
    settings.bytes[kMultiColour] = lighting.multiColor;
    settings.bytes[kRed] = lighting.red;
    settings.bytes[kGreen] = lighting.green;
    settings.bytes[kBlue] = lighting.blue;
    settings.unknownModeCode = false;
    return settings;
}

LightSettings settingsFromDevice(std::span<const uint8_t, kLightSettingsSize> wire, const keyboard::ModeList& modes) {
    LightSettings settings;
    std::copy(wire.begin(), wire.end(), settings.bytes.begin());
    settings.unknownModeCode = !hasModeCode(modes, wire[kMode]);
    if (!settings.unknownModeCode) settings.bytes[kMode] = modes.indexOf(wire[kMode]);
    settings.bytes[kBrightness] = step(wire[kBrightness]);
    settings.bytes[kSpeed] = uint8_t(kHighestStep - step(wire[kSpeed]));
    return settings;
}

LightSettingsBytes settingsToDevice(const LightSettings& settings, const keyboard::ModeList& modes) {
    LightSettingsBytes wire = settings.bytes;
    if (!settings.unknownModeCode) wire[kMode] = modes.codeOf(settings.bytes[kMode]);
    wire[kSpeed] = uint8_t(kHighestStep - step(settings.bytes[kSpeed]));
    return wire;
}

}  // namespace viremo::devices
