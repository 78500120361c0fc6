#include <gtest/gtest.h>

#include "profiles/headset_profile_data.h"
#include "profiles/keyboard_profile_data.h"
#include "profiles/mouse_profile_data.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::parsed;
using testing::ScratchFolder;

template <typename Data>
void load(Data& data, const ScratchFolder& folder, std::string_view profileText) {
    data.LoadProfile(folder.put("p.Json", profileText));
}

TEST(KeyboardProfile, SystemStagesPackSixHalvesIntoThreeWords) {
    ScratchFolder folder;
    CKeyboardProfiledata data;
    load(data, folder, R"({"Device": [{"SystemStages": {"Repeat": 65537, "RepeatDelay": 2, "Key6Flag": 1,
        "PollingRate": 3, "WFlag": 0, "WinFlag": 1}}]})");
    EXPECT_EQ(data.GetSystemStages(), (std::array<uint32_t, 3>{0x00020001, 0x00030001, 0x00010000}));

    data.SetSystemStages(0x00040005, 0x00000001, 0x00010001);
    EXPECT_EQ(data.MainEntry()["SystemStages"],
              parsed(R"({"Repeat": 5, "RepeatDelay": 4, "Key6Flag": 1, "PollingRate": 0, "WFlag": 1, "WinFlag": 1})"));
}

TEST(KeyboardProfile, CustomColoursFillMissingKeysWithZeroColours) {
    ScratchFolder folder;
    CKeyboardProfiledata data;
    load(data, folder, R"({"Device": [{"CustomLightMode": {"CustomLightModeGroupIndex": 1,
        "LightColorInfo": [[{"Red": 1, "Green": 2, "Blue": 3, "Alpha": 300}, null]]}}]})");
    EXPECT_EQ(data.GetCustomLightGroup(), 1);

    const auto group0 = data.GetCustomLightColors(0, 3);
    EXPECT_EQ(group0, (std::vector<KeyColor>{{1, 2, 3, 44}, {}, {}}));
    const Json::Value zero = parsed(R"({"Red": 0, "Green": 0, "Blue": 0, "Alpha": 0})");
    EXPECT_EQ(data.MainEntry()["CustomLightMode"]["LightColorInfo"][0][1], zero);
    EXPECT_EQ(data.MainEntry()["CustomLightMode"]["LightColorInfo"][0][2], zero);

    // A group that does not exist yet is created with zero colours.
    EXPECT_EQ(data.GetCustomLightColors(2, 2), std::vector<KeyColor>(2));
    Json::Value twoZeros(Json::arrayValue);
    twoZeros.append(zero);
    twoZeros.append(zero);
    EXPECT_EQ(data.MainEntry()["CustomLightMode"]["LightColorInfo"][2], twoZeros);
}

TEST(MouseProfile, DpiStagesAreMergedIntoAListThatNeverShrinks) {
    ScratchFolder folder;
    CMouseProfiledata data;
    load(data, folder, R"({"Device": [{"DPIStages": {"StageActive": 2, "StageDPIs": [
        {"StageActive": 1, "StageXY": 0, "StageDPIX": 65936, "StageDPIY": 400, "StageColorR": 255},
        {"StageActive": 1, "StageDPIX": 800}, {"StageActive": 0, "StageDPIX": 1600}]}}]})");
    auto stages = data.GetDpiStages();
    ASSERT_EQ(stages.size(), 3u);
    // 65936 keeps its low 16 bits: 400 = 0x0190.
    const auto bytes = stages[0].toBytes();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()),
              (std::vector<uint8_t>{1, 0, 0x90, 0x01, 0x90, 0x01, 0xFF, 0, 0}));
    EXPECT_EQ(data.GetActiveDpiStage(), 2);

    load(data, folder, R"({"Device": [{"DPIStages": {"StageActive": 0, "StageDPIs": [{"StageDPIX": 100}]}}]})");
    stages = data.GetDpiStages();
    ASSERT_EQ(stages.size(), 3u);
    EXPECT_EQ(stages[0].dpiX, 100);
    EXPECT_EQ(stages[2].dpiX, 1600);
    EXPECT_EQ(data.GetActiveDpiStage(), 0);
}

TEST(MouseProfile, SystemWordsTakeTheReportRateOnlyWithSystemStages) {
    struct Case {
        const char* entry;
        std::array<uint32_t, 3> words;
    };
    const Case cases[] = {
        {R"({"SystemStages": {"DoubleClickTime": 500, "MouseSpeed": 10, "PointerPrecision": 1, "ScorllPage": 1,
             "WheelScorlllinse": 3}, "ReportStages": {"StageActive": 4}})",
         {0x000A01F4, 0x00010001, 0x00040003}},
        {R"({"SystemStages": {"DoubleClickTime": 500, "WheelScorlllinse": 3}})", {0x000001F4, 0, 0x00000003}},
        {R"({"ReportStages": {"StageActive": 4}})", {0, 0, 0}},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        CMouseProfiledata data;
        load(data, folder, std::string(R"({"Device": [)") + c.entry + "]}");
        EXPECT_EQ(data.GetSystemStages(), c.words) << c.entry;
    }
}

TEST(MouseProfile, SettersWriteStagesSystemWordsAndCorrectionsAreRead) {
    ScratchFolder folder;
    CMouseProfiledata data;
    load(data, folder, R"({"Device": [{"CorrectInfo": [{"CorrectPixThresh": 4, "CorrectMinSq": 8,
        "CorrectSelect": 1, "CorrectName": "Line"}]}]})");
    EXPECT_EQ(data.GetCorrectList(), (std::vector<CorrectEntry>{{4, 8, 1, "Line"}}));

    data.SetDpiStages({DpiStage{1, 0, 7, 7, 255, 0, 0}});
    data.SetActiveDpiStage(0);
    data.SetSystemStages(0x000A01F4, 0x00010001, 0x00040003);
    EXPECT_EQ(data.MainEntry()["DPIStages"],
              parsed(R"({"StageActive": 0, "StageDPIs": [{"StageActive": 1, "StageXY": 0, "StageDPIX": 7,
                  "StageDPIY": 7, "StageColorR": 255, "StageColorG": 0, "StageColorB": 0}]})"));
    EXPECT_EQ(data.MainEntry()["SystemStages"],
              parsed(R"({"DoubleClickTime": 500, "MouseSpeed": 10, "PointerPrecision": 1, "ScorllPage": 1,
                  "WheelScorlllinse": 3})"));
    EXPECT_EQ(data.MainEntry()["ReportStages"], parsed(R"({"StageActive": 4})"));
}

TEST(HeadsetProfile, EqualiserPresetsMapToTheirRows) {
    ScratchFolder folder;
    CHs6533Profiledata data;
    load(data, folder, R"({"Device": [{"EQHzValueInfo": [[], 
        [{"value": 7}, {"value": 11}, {"value": 2}, {"value": -3}, {"value": -1},
         {"value": 4}, {"value": 9}, {"value": 12}, {"value": 9}, {"value": 5}],
        [{"value": -2}]]}]})");
    const std::vector<int32_t> row1{7, 11, 2, -3, -1, 4, 9, 12, 9, 5};
    EXPECT_EQ(data.GetEqValues(1), row1);
    EXPECT_EQ(data.GetEqValues(0), row1);
    EXPECT_EQ(data.GetEqValues(14), row1);
    EXPECT_EQ(data.GetEqValues(2), (std::vector<int32_t>{-2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const Json::Value before = data.MainEntry();
    EXPECT_TRUE(data.GetEqValues(13).empty());
    data.SetEqValues(13, row1);
    EXPECT_EQ(data.MainEntry(), before);

    // A missing row reads as zeros and is written as ten zero bands.
    EXPECT_EQ(data.GetEqValues(5), std::vector<int32_t>(10, 0));
    EXPECT_EQ(data.MainEntry()["EQHzValueInfo"][5].size(), 10u);
    EXPECT_EQ(data.MainEntry()["EQHzValueInfo"][5][9], parsed(R"({"value": 0})"));
}

TEST(HeadsetProfile, SettingsNamesAndCustomEqualisers) {
    ScratchFolder folder;
    CHs6533Profiledata data;
    load(data, folder, R"({"Device": [{"SystemSetStages": {"MagicEnable": 1, "MagicType": 4, "EqType": 13,
        "CustomEqSeletIndex": 1, "MicInSelect": 1, "MicInValue": 80, "MicMoniterSelect": 0,
        "MicMoniterValue": -5}, "CustomEQNameInfo": [{"Name": "Bässe"}, {"Name": 3}]}]})");
    EXPECT_EQ(data.GetSystemSetStages(), (HeadsetSettings{1, 4, 13, 1, 1, 80, 0, -5}));
    EXPECT_EQ(data.GetCustomEqNames(), (std::vector<std::string>{"Bässe", ""}));

    data.SetCustomEqNames({"Rock"});
    data.SetCustomEqValues(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(data.MainEntry()["CustomEQNameInfo"], parsed(R"([{"Name": "Rock"}])"));
    EXPECT_EQ(data.GetCustomEqValues(1), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(data.MainEntry()["CustomEQHzValueInfo"][0], Json::Value());

    // Indexes out of range never grow the arrays.
    data.SetCustomEqValues(-1, {1});
    data.SetCustomEqValues(1 << 30, {1});
    EXPECT_EQ(data.GetCustomEqValues(1 << 30), std::vector<int32_t>(10, 0));
    EXPECT_EQ(data.MainEntry()["CustomEQHzValueInfo"].size(), 2u);
}

}  // namespace
}  // namespace viremo
