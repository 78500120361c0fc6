// The colour palette's swatches and "color_option_info.config".
#include <gtest/gtest.h>

#include "lighting/palette_colour.h"
#include "lighting/palette_file.h"
#include "profiles/json_file.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

TEST(PaletteColour, TextIsEightUpperCaseDigitsAlphaFirstAndReadsBack) {
    const std::vector<std::pair<uint32_t, std::string>> cases = {
        {0xFF0A0B0C, "FF0A0B0C"}, {0x00000000, "00000000"}, {0x80FFFFFF, "80FFFFFF"}, {0x7F00FE01, "7F00FE01"}};
    for (const auto& [argb, text] : cases) {
        EXPECT_EQ(colourText(argb), text);
        EXPECT_EQ(colourFromText(text), argb) << text;
    }
    EXPECT_EQ(colourFromText("ff0a0b0c"), 0xFF0A0B0Cu);
    for (const char* bad : {"", "FF0A0B0", "FF0A0B0C0", "0xFFFFFF", "FF0A0B0G", "+F0A0B0C", " F0A0B0C"})
        EXPECT_FALSE(colourFromText(bad)) << bad;
}

TEST(PaletteFile, CollectedSwatchesComeBackAsStoredWithNoneSelected) {
    testing::ScratchFolder folder;
    PaletteFile file(folder / "color_option_info.config", folder / "factory.config");
    PaletteSwatches swatches;
    swatches.selectedPreset = 7;
    swatches.collected[2] = {0x80102030, "1"};
    swatches.collected[3] = {0xFF445566, "0"};
    swatches.selectedCollected = 2;
    ASSERT_TRUE(file.SavePresets(swatches));
    ASSERT_TRUE(file.SaveCollected(swatches));

    const Json::Value stored = json::readFile(folder / "color_option_info.config");
    EXPECT_EQ(stored["coloroptioninfo"]["palletDialogcollectcoloroption"][2]["color"], "80102030");
    EXPECT_EQ(stored["coloroptioninfo"]["palletDialogcoloroption"][0]["color"], "FFFF0000");

    const PaletteSwatches loaded = file.Load();
    EXPECT_EQ(loaded.selectedPreset, 7);
    EXPECT_EQ(loaded.selectedCollected, -1);
    EXPECT_EQ(loaded.collected[2].colour, 0x80102030u);
    EXPECT_TRUE(loaded.collected[2].HoldsColour());
    EXPECT_EQ(loaded.collected[3].colour, kOpaqueWhite);  // user data not "1": shows white
    EXPECT_FALSE(loaded.collected[3].HoldsColour());
}

TEST(PaletteFile, MembersOfTheWrongTypeOrOutOfRangeCountAsAbsent) {
    testing::ScratchFolder folder;
    folder.put("color_option_info.config", R"({"coloroptioninfo": {
        "palletDialogcoloroption_selectitem": 25,
        "palletDialogcollectcoloroption": [
            {"color": 4278190335, "UserData": "1"},
            {"color": "FF00FF00", "UserData": 1},
            "FF0000FF",
            {"color": "FF0000FF", "UserData": "1"}
        ]}})");
    const PaletteSwatches loaded = PaletteFile(folder / "color_option_info.config", folder / "factory.config").Load();
    EXPECT_EQ(loaded.selectedPreset, 4);
    EXPECT_EQ(loaded.selectedCollected, 0);  // no selection stored
    EXPECT_EQ(loaded.collected[0].colour, kOpaqueWhite);
    EXPECT_EQ(loaded.collected[0].userData, "");
    EXPECT_EQ(loaded.collected[1].colour, kOpaqueWhite);
    EXPECT_EQ(loaded.collected[2].colour, kOpaqueWhite);
    EXPECT_EQ(loaded.collected[3].colour, 0xFF0000FFu);

    folder.put("color_option_info.config", R"({"coloroptioninfo": {"palletDialogcoloroption_selectitem": "3",
        "palletDialogcollectcoloroption": {"color": "FF0000FF"}}})");
    const PaletteSwatches odd = PaletteFile(folder / "color_option_info.config", folder / "factory.config").Load();
    EXPECT_EQ(odd.selectedPreset, 4);
    EXPECT_EQ(odd.collected[0].colour, kOpaqueWhite);
}

TEST(PaletteFile, ABrokenFileIsKeptAsBadAndTheFactoryCopyTakesItsPlace) {
    testing::ScratchFolder folder;
    folder.put("color_option_info.config", "{\"coloroptioninfo\": ");
    folder.put("factory.config", R"({"coloroptioninfo": {"palletDialogcoloroption_selectitem": 9}})");
    const PaletteSwatches loaded = PaletteFile(folder / "color_option_info.config", folder / "factory.config").Load();
    EXPECT_EQ(loaded.selectedPreset, 9);
    EXPECT_EQ(readWholeFile(folder / "color_option_info.config.bad"), "{\"coloroptioninfo\": ");
    EXPECT_EQ(json::readFile(folder / "color_option_info.config")["coloroptioninfo"]["palletDialogcoloroption_selectitem"], 9);

    // Neither readable: the defaults.
    folder.put("color_option_info.config", "");
    const PaletteSwatches defaults = PaletteFile(folder / "color_option_info.config", folder / "missing.config").Load();
    EXPECT_EQ(defaults.selectedPreset, 4);
    EXPECT_EQ(defaults.presets, PaletteSwatches::defaultPresets());
}

}  // namespace
}  // namespace viremo
