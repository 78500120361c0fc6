// "AudioFile.json": the four colour styles of sound-reactive lighting.
#include <gtest/gtest.h>

#include "lighting/audio_styles.h"
#include "profiles/json_file.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

Json::Value parsed(std::string_view text) { return json::parse(text).value_or(Json::Value()); }

TEST(AudioStyles, ValuesOutOfRangeAreClampedAndWrongTypesKeepTheirDefault) {
    const auto styles = readAudioStyles(parsed(R"({"Device": {"AudioLightInfo": {
        "nAudioStyle": 7, "nStyleName1": "Club", "nStyleName2": 5,
        "nStyleR0": 12, "nStyleG0": -3, "nStyleB0": 4,
        "nStyleR1": "5", "nStyleG1": 2.0, "nStyleB1": 1e12 }}})"));
    EXPECT_EQ(styles.selected, 3);
    EXPECT_EQ(styles.styles[0].name, "Club");
    EXPECT_EQ(styles.styles[0].red, 9);
    EXPECT_EQ(styles.styles[0].green, 0);
    EXPECT_EQ(styles.styles[0].blue, 4);
    EXPECT_EQ(styles.styles[1].name, "Style 2");
    EXPECT_EQ(styles.styles[1].red, 0);
    EXPECT_EQ(styles.styles[1].green, 2);
    EXPECT_EQ(styles.styles[1].blue, 9);

    EXPECT_EQ(readAudioStyles(parsed(R"({"Device": {"AudioLightInfo": {"nAudioStyle": -1}}})")).selected, 0);
    EXPECT_EQ(readAudioStyles(parsed(R"({"Device": []})")).selected, 0);
}

TEST(AudioStyles, SavedStylesReadBackAndKeepTheFilesOtherMembers) {
    testing::ScratchFolder folder;
    folder.put("AudioFile.json", R"({"Device": {"Other": 1, "AudioLightInfo": {"nAudioStyle": 1}}, "Top": true})");
    AudioStyleFile file(folder / "AudioFile.json", folder / "factory.json");
    AudioStyles styles = file.Load();
    EXPECT_EQ(styles.selected, 1);
    styles.selected = 2;
    styles.styles[2] = {"Mine", 3, 0, 9};
    ASSERT_TRUE(file.Save(styles));

    const Json::Value stored = json::readFile(folder / "AudioFile.json");
    EXPECT_EQ(stored["Device"]["Other"], 1);
    EXPECT_EQ(stored["Top"], true);
    EXPECT_EQ(stored["Device"]["AudioLightInfo"]["nStyleName3"], "Mine");
    EXPECT_EQ(stored["Device"]["AudioLightInfo"]["nStyleG2"], 0);

    const AudioStyles again = AudioStyleFile(folder / "AudioFile.json", folder / "factory.json").Load();
    EXPECT_EQ(again.selected, 2);
    EXPECT_EQ(again.styles[2].name, "Mine");
    const auto colour = again.SelectedColour();
    EXPECT_EQ(colour.red, 3);
    EXPECT_EQ(colour.green, 0);
    EXPECT_EQ(colour.blue, 9);
}

TEST(AudioStyles, ABrokenUserCopyIsKeptAsBadAndTheFactoryCopyRead) {
    testing::ScratchFolder folder;
    folder.put("AudioFile.json", "{ not json");
    folder.put("factory.json", R"({"Device": {"AudioLightInfo": {"nAudioStyle": 2}}})");
    const AudioStyles styles = AudioStyleFile(folder / "AudioFile.json", folder / "factory.json").Load();
    EXPECT_EQ(styles.selected, 2);
    EXPECT_EQ(readWholeFile(folder / "AudioFile.json.bad"), "{ not json");
}

TEST(AudioStyles, TheShippedFactoryCopyHoldsFourStylesInRange) {
    const Json::Value factory = json::readFile(std::filesystem::path(VIREMO_SOURCE_DIR) / "resources/DefaultData/AudioFile.json");
    const Json::Value& info = factory["Device"]["AudioLightInfo"];
    ASSERT_TRUE(info.isObject());
    for (const char* key : {"nAudioStyle", "nStyleName1", "nStyleName4", "nStyleR0", "nStyleG3", "nStyleB3"})
        EXPECT_TRUE(info.isMember(key)) << key;
}

}  // namespace
}  // namespace viremo
