#pragma once
// The keyboard's lighting modes: the program numbers them 0-30 by mode
// index, the keyboard by its own device codes. "default_light.json" in the
// default data folder lists, per kind code, every mode's name, visibility
// and device code ("DefaultLightName"[kind][index] = {"LightName",
// "visible", "value"}) and the names of the zone modes
// ("AreaLightName"[kind][i] = {"LightName"}).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <json/value.h>

namespace viremo::devices::keyboard {

inline constexpr int kModeCount = 31;
inline constexpr std::string_view kModeFileName = "default_light.json";

struct LightingMode {
    std::string name;
    bool visible = false;
    uint8_t code = 0;
};

struct ModeList {
    std::vector<LightingMode> modes;  // by mode index
    std::vector<std::string> areaNames;

    // The device code of a mode index; an index of 31 or more counts as 0,
    // and an index the list does not reach is sent as it is.
    uint8_t codeOf(int index) const;
    // The first mode index with this device code; an unknown code is kept
    // as the index.
    uint8_t indexOf(uint8_t code) const;
};

ModeList parseModeList(const Json::Value& document, int kindCode);
ModeList readModeList(const std::filesystem::path& file, int kindCode);

}  // namespace viremo::devices::keyboard
