#include "lighting/palette_swatches.h"

#include <strings.h>

#include "lighting/palette_colour.h"
#include "profiles/json_file.h"

namespace viremo {

namespace {

constexpr const char* kRoot = "coloroptioninfo";
constexpr const char* kPresets = "palletDialogcoloroption";
constexpr const char* kPresetSelection = "palletDialogcoloroption_selectitem";
constexpr const char* kCollected = "palletDialogcollectcoloroption";
constexpr const char* kCollectedSelection = "palletDialogcollectcoloroption_selectitem";
constexpr const char* kColour = "color";
constexpr const char* kUserData = "UserData";

// The swatch n of a group, when the document holds it as an object.
const Json::Value* swatchEntry(const Json::Value* group, int n) {
    if (!group || n >= int(group->size())) return nullptr;
    const Json::Value& entry = (*group)[Json::ArrayIndex(n)];
    return entry.isObject() ? &entry : nullptr;
}

Json::Value& rootOf(Json::Value& document) {
    if (!document.isObject()) document = Json::Value(Json::objectValue);
    Json::Value& root = document[kRoot];
    if (!root.isObject()) root = Json::Value(Json::objectValue);
    return root;
}

}  // namespace

bool CollectedSwatch::HoldsColour() const { return ::strcasecmp(userData.c_str(), "1") == 0; }

std::array<uint32_t, kSwatchCount> PaletteSwatches::defaultPresets() {
    return {0xFFFF0000, 0xFFFF8000, 0xFFFFFF00, 0xFF80FF00, 0xFF00FF00, 0xFF00FF80, 0xFF00FFFF,
            0xFF0080FF, 0xFF0000FF, 0xFF8000FF, 0xFFFF00FF, 0xFFFF0080, 0xFFFFFFFF, 0xFFC0C0C0,
            0xFF808080, 0xFFFF8080, 0xFF80FF80, 0xFF8080FF, 0xFFFFFF80, 0xFF80FFFF};
}

void applyPaletteDocument(const Json::Value& document, PaletteSwatches& swatches) {
    const Json::Value* root = json::objectMember(document, kRoot);
    if (!root) return;
    if (const auto selected = json::intMember(*root, kPresetSelection); selected && *selected >= 0 &&
                                                                        *selected < kSwatchCount)
        swatches.selectedPreset = int(*selected);

    const Json::Value* collected = json::arrayMember(*root, kCollected);
    for (int n = 0; n < kSwatchCount; ++n) {
        const Json::Value* entry = swatchEntry(collected, n);
        const auto text = entry ? json::stringMember(*entry, kColour) : std::nullopt;
        const auto colour = text ? colourFromText(*text) : std::nullopt;
        if (!colour) continue;
        CollectedSwatch& swatch = swatches.collected[size_t(n)];
        swatch = {kOpaqueWhite, json::stringMember(*entry, kUserData).value_or("")};
        if (swatch.HoldsColour()) swatch.colour = *colour;
    }
    if (json::member(*root, kCollectedSelection)) swatches.selectedCollected = -1;
}

Json::Value withPresets(Json::Value document, const PaletteSwatches& swatches) {
    Json::Value& root = rootOf(document);
    Json::Value group(Json::arrayValue);
    for (const uint32_t colour : swatches.presets) group.append(Json::Value(Json::objectValue))[kColour] = colourText(colour);
    root[kPresets] = std::move(group);
    root[kPresetSelection] = swatches.selectedPreset;
    return document;
}

Json::Value withCollected(Json::Value document, const PaletteSwatches& swatches) {
    Json::Value& root = rootOf(document);
    Json::Value group(Json::arrayValue);
    for (const CollectedSwatch& swatch : swatches.collected) {
        Json::Value& entry = group.append(Json::Value(Json::objectValue));
        entry[kColour] = colourText(swatch.colour);
        entry[kUserData] = swatch.userData;
    }
    root[kCollected] = std::move(group);
    root[kCollectedSelection] = swatches.selectedCollected;
    return document;
}

}  // namespace viremo
