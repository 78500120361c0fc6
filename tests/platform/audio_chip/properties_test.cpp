#include "platform/audio_chip/properties.h"

#include <gtest/gtest.h>

#include "platform/audio_chip/levels.h"
#include "platform/audio_chip/sound_card_monitor.h"
#include "platform/audio_chip/sound_cards.h"

namespace viremo::audio_chip {
namespace {

TEST(AudioChipFields, OneBasedFieldsAreConvertedAndRangeChecked) {
    EXPECT_EQ(eqSliderProperty(0), "EQ_Slider1");
    EXPECT_EQ(eqSliderProperty(9), "EQ_Slider10");
    EXPECT_EQ(eqSliderProperty(-1), std::nullopt);
    EXPECT_EQ(eqSliderProperty(10), std::nullopt);
    EXPECT_EQ(directionOf("EQ_Slider10"), Direction::Playback);
    EXPECT_EQ(directionOf("EQ_Slider11"), std::nullopt);
    EXPECT_EQ(directionOf("EQ_Slider0"), std::nullopt);

    EXPECT_EQ(magicVoiceSelection(4), 3);
    EXPECT_EQ(magicVoiceSelection(1), 0);
    EXPECT_EQ(magicVoiceSelection(0), std::nullopt);
    EXPECT_EQ(magicVoiceSelection(5), std::nullopt);
    EXPECT_EQ(voiceTypeOfSelection(3), 4);
    EXPECT_EQ(voiceTypeOfSelection(-1), std::nullopt);
    EXPECT_EQ(voiceTypeOfSelection(4), std::nullopt);
}

TEST(AudioChipFields, FeatureStringKeepsFieldsOneFiveAndSeven) {
    struct Case {
        const char* text;
        std::optional<SupportFeatures> expected;
    };
    const Case cases[] = {
        {"131135,2,3,4,5,6,7", SupportFeatures{131135, 5, 7}},
        {"0x20001, 0,0,0, 0x10 ,0,9,8,7", SupportFeatures{0x20001, 16, 9}},
        {"1,2,3,4,5,6", std::nullopt},    // six fields
        {"1,2,3,4,x,6,7", std::nullopt},  // a kept field that is no number
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto features = parseSupportFeatures(c.text);
        ASSERT_EQ(features.has_value(), c.expected.has_value()) << c.text;
        if (!features) continue;
        EXPECT_EQ(features->field1, c.expected->field1) << c.text;
        EXPECT_EQ(features->field5, c.expected->field5) << c.text;
        EXPECT_EQ(features->field7, c.expected->field7) << c.text;
    }
    EXPECT_TRUE(parseSupportFeatures("131072,0,0,0,0,0,0")->voiceChanger());
    EXPECT_FALSE(parseSupportFeatures("65535,0,0,0,0,0,0")->voiceChanger());
}

TEST(AudioChipLevels, RoundedAndClampedNotTruncated) {
    struct Case {
        double scalar;
        int level;
    };
    // 0.29 x 100 is 28.999...: truncation would show 28.
    const Case cases[] = {{0.29, 29}, {0.456, 46}, {0.994, 99}, {1.0, 100}, {1.02, 100}, {-0.01, 0}, {0.0, 0}};
    for (const auto& c : cases) EXPECT_EQ(levelFromScalar(c.scalar), c.level) << c.scalar;
    EXPECT_FLOAT_EQ(scalarFromLevel(46), 0.46f);
    EXPECT_FLOAT_EQ(scalarFromLevel(150), 1.0f);
    EXPECT_FLOAT_EQ(scalarFromLevel(-5), 0.0f);
}

TEST(SoundCards, UsbIdsAndCardEvents) {
    EXPECT_EQ(parseUsbId("0c76:1630\n"), kHeadsetUsbId);
    EXPECT_EQ(parseUsbId("0C76:1630"), kHeadsetUsbId);
    EXPECT_EQ(parseUsbId("0c76-1630"), std::nullopt);
    EXPECT_EQ(parseUsbId("c76:1630"), std::nullopt);
    EXPECT_EQ(parseUsbId(":"), std::nullopt);

    const auto added = soundCardEventOf({"add", "card3", "0c76", "1630"});
    ASSERT_TRUE(added);
    EXPECT_EQ(added->kind, SoundCardEvent::Kind::Added);
    EXPECT_EQ(added->card, 3);
    EXPECT_EQ(added->usbId, kHeadsetUsbId);
    const auto removed = soundCardEventOf({"remove", "card3", "", ""});
    ASSERT_TRUE(removed);
    EXPECT_EQ(removed->kind, SoundCardEvent::Kind::Removed);
    EXPECT_FALSE(soundCardEventOf({"add", "controlC3", "0c76", "1630"}));
    EXPECT_FALSE(soundCardEventOf({"change", "card3", "0c76", "1630"}));
    EXPECT_FALSE(soundCardEventOf({"add", "card99", "", ""}));
}

}  // namespace
}  // namespace viremo::audio_chip
