// The factory files shipped in resources/DefaultData, read through the same
// classes the devices use.
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "profiles/headset_profile_data.h"
#include "profiles/keyboard_profile_data.h"
#include "profiles/mouse_profile_data.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::ScratchFolder;

const std::filesystem::path kFactory = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources" / "DefaultData";

template <typename Data>
void loadFactory(Data& data, const ScratchFolder& folder, const char* kindFile) {
    data.SetDefaultDataPath(kFactory / kindFile);
    data.SetProfilePath(folder / "p.Json");
    data.LoadProfile(folder / "p.Json");
}

TEST(FactoryData, KeyboardKeysStartAtTheirFactoryCodes) {
    ScratchFolder folder;
    CKeyboardProfiledata data;
    loadFactory(data, folder, "keyboard.Json");
    const auto keys = data.GetKeyList();
    ASSERT_EQ(keys.size(), 126u);
    // Key number: type, parameter 1, parameter 2.
    const std::tuple<int, uint32_t> samples[] = {
        {0, 0x200029}, {16, 0xA01B00}, {18, 0x200000}, {20, 0x200000}, {84, 0x200200},
        {110, 0xA00100}, {120, 0xD0A201}, {124, 0xD0A205}, {125, 0x208000},
    };
    for (const auto& [key, code] : samples) {
        EXPECT_EQ(keys[size_t(key)].factory.code(), code) << key;
        EXPECT_EQ(keys[size_t(key)].current.code(), code) << key;
    }
    EXPECT_EQ(data.MainEntry()["KeyList"][0]["DefaultAssignment"], 2097193);
}

TEST(FactoryData, MouseHasElevenButtonsAndFiveDistinctDpiStages) {
    ScratchFolder folder;
    CMouseProfiledata data;
    loadFactory(data, folder, "mouse.Json");
    const auto keys = data.GetKeyList();
    ASSERT_EQ(keys.size(), 11u);
    const uint32_t buttons[] = {0x100100, 0x100200, 0x100400, 0x101000, 0x100800, 0x130100,
                                0x130200, 0x130300, 0xA01B00, 0x169001, 0x147802};
    for (size_t i = 0; i < 11; ++i) EXPECT_EQ(keys[i].factory.code(), buttons[i]) << i;

    const auto stages = data.GetDpiStages();
    ASSERT_EQ(stages.size(), 5u);
    std::set<std::tuple<int, int, int>> colours;
    for (size_t i = 0; i < stages.size(); ++i) {
        EXPECT_EQ(stages[i].enabled, 1);
        if (i > 0) {
            EXPECT_GT(stages[i].dpiX, stages[i - 1].dpiX);
        }
        colours.insert({stages[i].red, stages[i].green, stages[i].blue});
    }
    EXPECT_EQ(colours.size(), 5u);
    // Levels of 50 DPI from 50 DPI: 400 DPI is level 7, 6400 DPI level 127.
    EXPECT_EQ(stages.front().dpiX, 7);
    EXPECT_EQ(stages.back().dpiX, 127);
}

TEST(FactoryData, HeadsetHoldsTheTwelveEqualiserPresets) {
    ScratchFolder folder;
    CHs6533Profiledata data;
    loadFactory(data, folder, "HD.Json");
    EXPECT_EQ(data.GetEqValues(6), (std::vector<int32_t>{7, 14, -13, -6, -1, 8, 13, 7, 2, 6}));
    EXPECT_EQ(data.GetEqValues(12), (std::vector<int32_t>{2, 1, -2, -4, -8, 4, 12, 16, 18, 15}));
    EXPECT_EQ(data.GetEqValues(5), std::vector<int32_t>(10, 0));
    EXPECT_EQ(data.GetSystemSetStages().eqType, 5);
}

TEST(FactoryData, LightingNamesCoverEveryKind) {
    const Json::Value names = json::readFile(kFactory / "default_light.json");
    const Json::Value& modes = names["DefaultLightName"];
    ASSERT_EQ(modes.size(), 4u);
    // Kind codes: keyboard 0, mouse 1, mouse pad 2, headset 3.
    EXPECT_EQ(modes[0].size(), 31u);
    EXPECT_EQ(modes[1].size(), 10u);
    EXPECT_EQ(modes[1][9]["LightName"], "Off");
    for (const auto& kind : modes) {
        for (const auto& mode : kind) {
            EXPECT_TRUE(mode["LightName"].isString());
            EXPECT_TRUE(mode["visible"].isInt());
            EXPECT_TRUE(mode["value"].isInt());
        }
    }
    EXPECT_EQ(names["AreaLightName"].size(), 4u);
    EXPECT_TRUE(json::readFile(kFactory / "quelm_light.config")["LightInfo"].isArray());
    EXPECT_TRUE(json::readFile(kFactory / "MousePad.Json")["Device"][0]["LightInfo"].isObject());
}

}  // namespace
}  // namespace viremo
