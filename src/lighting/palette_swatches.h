#pragma once
// What the colour-picking window keeps between openings: 20 preset swatches,
// 20 collected swatches (colours the user keeps) and the selected swatch of
// each group, stored in "color_option_info.config":
//
//   "coloroptioninfo" / "palletDialogcoloroption" [n] / "color"
//   "coloroptioninfo" / "palletDialogcoloroption_selectitem"
//   "coloroptioninfo" / "palletDialogcollectcoloroption" [n] / "color", "UserData"
//   "coloroptioninfo" / "palletDialogcollectcoloroption_selectitem"
//
// A collected swatch holds a colour when its user data is "1"; one that does
// not shows white.
#include <array>
#include <cstdint>
#include <string>

#include <json/value.h>

namespace viremo {

inline constexpr int kSwatchCount = 20;
inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

struct CollectedSwatch {
    uint32_t colour = kOpaqueWhite;
    std::string userData;

    bool HoldsColour() const;
};

struct PaletteSwatches {
    std::array<uint32_t, kSwatchCount> presets = defaultPresets();
    int selectedPreset = 4;
    std::array<CollectedSwatch, kSwatchCount> collected{};
    int selectedCollected = 0;  // -1: none

    static std::array<uint32_t, kSwatchCount> defaultPresets();
};

// Takes what a palette document holds into `swatches`, as the window does
// when it opens: the stored preset selection (the preset colours stay those
// of the window), the collected swatches, and no collected swatch selected
// when the document names one. Members of the wrong type or out of range
// count as absent.
void applyPaletteDocument(const Json::Value& document, PaletteSwatches& swatches);

// `document` with one group written into it, its other members kept.
Json::Value withPresets(Json::Value document, const PaletteSwatches& swatches);
Json::Value withCollected(Json::Value document, const PaletteSwatches& swatches);

}  // namespace viremo
