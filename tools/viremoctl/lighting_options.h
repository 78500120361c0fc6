#pragma once
// The options of the lighting commands, shared by every kind:
//   --mode N  --brightness 0-4  --speed 0-4  --direction 0|1
//   --color RRGGBB  --multicolor 0|1
#include <optional>
#include <string>

#include "command.h"
#include "profiles/profile_records.h"

namespace viremoctl {

// Takes the "--name value" pairs of `options` into the lighting state; the
// one-line reason of the first that is wrong, and then nothing is taken.
std::optional<std::string> applyLightingOptions(viremo::LightRecord& lighting, Arguments options, int highestMode);

// "rrggbb".
std::string colourText(uint8_t red, uint8_t green, uint8_t blue);

// The lighting state for --json.
Json::Value lightingJson(const viremo::LightRecord& lighting);

}  // namespace viremoctl
