#include "profiles/basic_profile_data.h"

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::parsed;
using testing::ScratchFolder;
using Bytes = std::vector<uint8_t>;

template <typename Record>
Bytes bytesOf(const Record& record) {
    const auto bytes = record.toBytes();
    return Bytes(bytes.begin(), bytes.end());
}

// A profile object whose factory file lies in its own folder, apart from
// the device folder.
struct ProfileFixture {
    ScratchFolder device;
    ScratchFolder factory;
    CBasicProfiledata data;

    explicit ProfileFixture(std::string_view factoryText = R"({"Device": [{"LightInfo": {"SelectItem": 6}}]})") {
        data.SetDefaultDataPath(factory.put("keyboard.Json", factoryText));
        data.SetProfilePath(device / "p.Json");
        data.SetLightConfigPath(device / "quelm_light.config");
    }
    void load(std::string_view profileText) {
        device.put("p.Json", profileText);
        data.LoadProfile(device / "p.Json");
    }
};

TEST(ProfileLighting, LightInfoIsReadIntoTheFourteenByteRecord) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"LightInfo": {"SelectItem": 3, "Light": 4, "Speed": 2, "Fx": 2, "MultiColor": 5,
        "Red": 300, "Green": 0, "Blue": 255, "ZZCCLedMode": 7, "CustomGroup": 1, "OldLedmode": 258}}]})");
    EXPECT_EQ(bytesOf(profile.data.GetLightInfo()),
              (Bytes{0x03, 0x04, 0x02, 0x02, 0x01, 0x2C, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x07, 0x01, 0x02}));
}

TEST(ProfileLighting, MembersOfTheWrongTypeReadAsAbsent) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"LightInfo": {"SelectItem": "3", "Light": 2.5, "Speed": [1], "MultiColor": true,
        "Red": -1}}]})");
    EXPECT_EQ(bytesOf(profile.data.GetLightInfo()), (Bytes{0, 0, 0, 0, 1, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}));
    profile.load(R"({"Device": [{"LightInfo": 5}]})");
    EXPECT_EQ(profile.data.GetLightInfo(), LightRecord{});
}

TEST(ProfileLighting, LightListGivesPresentAndZeroRecords) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"LightList": [{"LEDREGMode": 1, "LEDBrightness": 2, "LEDSpeed": 3,
        "LEDDirection": 5, "LEDMultiColor": true, "red": 300, "green": 1, "blue": 2}, null]}]})");
    const auto list = profile.data.GetLightList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(bytesOf(list[0]), (Bytes{1, 2, 3, 1, 1, 0x2C, 1, 2, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(bytesOf(list[1]), Bytes(14, 0));
}

TEST(ProfileLighting, SetLightInfoTakesTheRecordAsWordsAndReplacesTheObject) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"LightInfo": {"Stray": 1}}]})");
    // Bytes 03 04 02 02 | 01 2C 00 FF | 00 00 00 07 | 01 02, little-endian.
    profile.data.SetLightInfo(0x02020403, 0xFF002C01, 0x07000000, 0x0201);
    EXPECT_EQ(profile.data.MainEntry()["LightInfo"],
              parsed(R"({"SelectItem": 3, "Light": 4, "Speed": 2, "Fx": 2, "MultiColor": 1, "Red": 44, "Green": 0,
                         "Blue": 255, "ZZCCLedMode": 7, "CustomGroup": 1, "OldLedmode": 2})"));
    EXPECT_EQ(profile.data.CachedLightInfo().mode, 3);
}

TEST(ProfileLighting, AudioLightInfoRoundTrips) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"AudioLightInfo": {"AudioMode": 2, "BkColorR": 1, "BkColorG": 2, "BkColorB": 3,
        "FgColorR": 4, "FgColorG": 5, "FgColorB": 6, "7ColorFlags": 9, "ColorTypeFlags": true}}]})");
    EXPECT_EQ(bytesOf(profile.data.GetAudioLightInfo()), (Bytes{2, 1, 2, 3, 4, 5, 6, 1, 1}));
    profile.data.SetAudioLightInfo(0x0C0B0A03, 0x000F0E0D, 0);
    EXPECT_EQ(profile.data.MainEntry()["AudioLightInfo"],
              parsed(R"({"AudioMode": 3, "BkColorR": 10, "BkColorG": 11, "BkColorB": 12, "FgColorR": 13,
                         "FgColorG": 14, "FgColorB": 15, "7ColorFlags": 0, "ColorTypeFlags": 0})"));
}

TEST(ProfileLighting, EffectFileNamedByABareGuidIsFoundInTheDeviceFolder) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"LightInfo": {"SelectItem": 1}}]})");
    profile.device.put("quelm_light.config", R"({"LightInfo": [[{"Guid": "zero"}, {"Guid": "fx1"}]]})");
    profile.device.put("fx1.light", R"({"LEDEffectList": [{"LEDREGMode": 3, "LEDBrightness": 4, "LEDSpeed": 2,
        "LEDDirection": 5, "LEDMultiColor": 1, "red": 10, "green": 20, "blue": 30, "Time": 1000, "Cyle": -2}]})");
    profile.data.GetLightInfo();
    profile.data.LoadLightConfig(profile.device / "quelm_light.config");
    const auto steps = profile.data.GetLightEffect();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(bytesOf(steps[0]), (Bytes{3, 4, 2, 5, 1, 10, 20, 30, 0, 0, 0, 0, 0, 0, 0, 0,
                                        0xE8, 0x03, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(ProfileKeys, KeyListReadsBothHalvesAndWritesOnlyAssignments) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"KeyList": [
        {"Assignment": 7340800, "DefaultAssignment": 2097193},
        {"Assignment": 2097194, "DefaultAssignment": 2097194},
        {"Assignment": 2097195, "DefaultAssignment": 2097195}]}]})");
    const auto keys = profile.data.GetKeyList();
    ASSERT_EQ(keys.size(), 3u);
    // 7340800 = 0x700300 (macro 3), 2097193 = 0x200029 (Esc).
    EXPECT_EQ(bytesOf(keys[0]), (Bytes{0, 0, 0x70, 0x03, 0x00, 0, 0, 0, 0x20, 0x00, 0x29, 0}));
    EXPECT_EQ(keys[1].current.position, 1);

    profile.data.SetKeyList({{KeyAssignment::fromCode(0, 0x710500), KeyAssignment::fromCode(0, 0)}});
    EXPECT_EQ(profile.data.MainEntry()["KeyList"],
              parsed(R"([{"Assignment": 7406848, "DefaultAssignment": 2097193},
                         {"Assignment": 2097194, "DefaultAssignment": 2097194},
                         {"Assignment": 2097195, "DefaultAssignment": 2097195}])"));
}

TEST(ProfileFile, LoadingCreatesOrRepairsTheFileFromTheFactoryEntry) {
    const Json::Value factoryEntry = parsed(R"({"LightInfo": {"SelectItem": 6}})");
    {
        ProfileFixture profile;
        EXPECT_EQ(profile.data.LoadProfile(profile.device / "p.Json"), factoryEntry);
        EXPECT_EQ(profile.device.read("p.Json"), parsed(R"({"Device": [{"LightInfo": {"SelectItem": 6}}]})"));
    }
    {
        ProfileFixture profile;
        profile.load(R"({"profilename": "A", "Device": "not an array"})");
        EXPECT_EQ(profile.device.read("p.Json"),
                  parsed(R"({"profilename": "A", "Device": [{"LightInfo": {"SelectItem": 6}}]})"));
    }
}

TEST(ProfileFile, ABrokenFileIsKeptAsBadBeforeItIsReplaced) {
    for (const char* broken : {"{\"Device\": [", "[1, 2]", ""}) {
        ProfileFixture profile;
        profile.load(broken);
        EXPECT_EQ(profile.device.text("p.Json.bad"), broken);
        EXPECT_EQ(profile.device.read("p.Json")["Device"][0]["LightInfo"]["SelectItem"], 6) << broken;
    }
}

TEST(ProfileFile, SaveKeepsOtherRootMembersAndOtherEntries) {
    ProfileFixture profile;
    profile.load(R"({"profilename": "A", "Extra": [1, {"x": 2}],
                     "Device": [{"LightInfo": {"SelectItem": 1}, "Foreign": true}, {"Other": 1}]})");
    profile.data.SetLightInfo(LightRecord{.mode = 9});
    ASSERT_TRUE(profile.data.Save());
    const Json::Value saved = profile.device.read("p.Json");
    EXPECT_EQ(saved["profilename"], "A");
    EXPECT_EQ(saved["Extra"], parsed(R"([1, {"x": 2}])"));
    EXPECT_EQ(saved["Device"][1], parsed(R"({"Other": 1})"));
    EXPECT_EQ(saved["Device"][0]["Foreign"], true);
    EXPECT_EQ(saved["Device"][0]["LightInfo"]["SelectItem"], 9);
}

TEST(ProfileFile, TheFactoryFolderIsNeverWritten) {
    // A factory file without an entry would be "repaired" by an ordinary load.
    ProfileFixture profile(R"({"NoDevice": 1})");
    const auto factoryFile = profile.factory / "keyboard.Json";
    profile.data.LoadProfile(factoryFile);
    EXPECT_EQ(profile.factory.text("keyboard.Json"), R"({"NoDevice": 1})");
    EXPECT_FALSE(profile.data.WriteDocument(Json::Value(1), factoryFile));
    EXPECT_FALSE(profile.factory.exists("keyboard.Json.bad"));
    // A reset loads the factory entry and saves it into the profile file.
    EXPECT_TRUE(profile.data.Save());
    EXPECT_TRUE(profile.device.exists("p.Json"));
}

TEST(ProfileFile, SecondaryProfileLeavesTheMainEntryAlone) {
    ProfileFixture profile;
    profile.load(R"({"Device": [{"KeyList": [{"Assignment": 1}]}]})");
    profile.device.put("q.Json", R"({"Keep": 1, "Device": [{"KeyList": [{"Assignment": 2}, {"Assignment": 3}]}]})");
    profile.data.LoadSecondaryProfile(profile.device / "q.Json");
    auto keys = profile.data.GetSecondaryKeyList();
    ASSERT_EQ(keys.size(), 2u);
    keys[1].current = KeyAssignment::fromCode(1, 0x200029);
    profile.data.SetSecondaryKeyList(keys);
    ASSERT_TRUE(profile.data.SaveSecondaryTo(profile.device / "q.Json"));
    EXPECT_EQ(profile.device.read("q.Json"),
              parsed(R"({"Keep": 1, "Device": [{"KeyList": [{"Assignment": 2}, {"Assignment": 2097193}]}]})"));
    EXPECT_EQ(profile.data.GetKeyList()[0].current.code(), 1u);
}

}  // namespace
}  // namespace viremo
