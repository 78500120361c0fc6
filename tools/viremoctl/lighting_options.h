#pragma once
// The lighting options the lighting commands of every device take:
//   [--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1]
//   [--color RRGGBB] [--multicolor 0|1]
#include <optional>
#include <string>

#include <json/value.h>

#include "command.h"
#include "profiles/profile_records.h"

namespace viremoctl {

inline constexpr const char* kLightingOptionsUsage =
    "[--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1] [--color RRGGBB] [--multicolor 0|1]";

// "--name value" pairs into the lighting state; a one-line reason when one
// is wrong (nothing is sent then).
std::optional<std::string> applyLightingOptions(viremo::LightRecord& lighting, Arguments options, int highestMode);

std::string colourText(uint8_t red, uint8_t green, uint8_t blue);

// Mode, brightness, speed, direction, multicolour and colour for --json.
Json::Value lightingJson(const viremo::LightRecord& lighting);
// The same with whether the settings were written and the device's result.
Json::Value lightingWrittenJson(const viremo::LightRecord& lighting, bool written, int code);

}  // namespace viremoctl
