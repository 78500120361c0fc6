#include <gtest/gtest.h>

#include "profiles/json_file.h"
#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using testing::jsonOf;
using testing::runViremoctl;

TEST(ViremoctlPad, ReadShowsTheLightingAnEarlierRunWrote) {
    const auto lighting = runViremoctl("--demo lighting pad --mode 2 --color 102030 --brightness 1 --speed 3");
    ASSERT_EQ(lighting.exitCode, 0) << lighting.out;
    const auto read = runViremoctl("--demo --json read pad");
    ASSERT_EQ(read.exitCode, 0) << read.out;
    const Json::Value document = jsonOf(read);
    EXPECT_EQ(document["mode"].asInt(), 2);
    EXPECT_EQ(document["color"].asString(), "102030");
    EXPECT_EQ(document["brightness"].asInt(), 1);
    EXPECT_EQ(document["speed"].asInt(), 3);

    const auto refused = runViremoctl("--demo lighting pad --speed 5");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.out.find("--speed takes a number from 0 to 4"), std::string::npos) << refused.out;
}

// The emulated chip keeps its state between runs, as the demo devices do.
TEST(ViremoctlHeadset, APresetStaysOnTheChipForTheNextRun) {
    const auto eq = runViremoctl("--demo headset eq 6");
    ASSERT_EQ(eq.exitCode, 0) << eq.out;
    const auto show = runViremoctl("--demo --json headset show");
    ASSERT_EQ(show.exitCode, 0) << show.out;
    const Json::Value document = jsonOf(show);
    EXPECT_EQ(document["EqType"].asInt(), 6);
    const int preset6[] = {7, 14, -13, -6, -1, 8, 13, 7, 2, 6};
    ASSERT_EQ(document["bands"].size(), 10u);
    for (Json::ArrayIndex band = 0; band < 10; ++band) EXPECT_EQ(document["bands"][band].asInt(), preset6[band]);
    EXPECT_TRUE(document["supported"]["equaliser"].asBool());

    for (const char* arguments : {"--demo headset eq 13", "--demo headset mic 101", "--demo headset voice 5",
                                  "--demo headset eq-custom add x 1 2 3"}) {
        const auto refused = runViremoctl(arguments);
        EXPECT_EQ(refused.exitCode, 1) << arguments;
    }
}

// 2^32 + n once read as n; blanks and signs around a number were taken too.
TEST(ViremoctlHeadset, NumbersTypedWrongAreRefusedNotReadAsOthers) {
    struct Case {
        const char* arguments;
        const char* says;
    };
    for (const Case& c : {Case{"--demo headset mic 4294967346", "the level is 0 to 100"},
                          Case{"--demo headset eq 4294967299", "the preset is 1 to 12"},
                          Case{"--demo headset monitor +50", "the level is 0 to 100"},
                          Case{"--demo lighting pad --brightness 4294967298", "--brightness takes a number from 0 to 4"},
                          Case{"--demo lighting pad --speed ' 2'", "--speed takes a number from 0 to 4"},
                          Case{"--demo effect pad --run 4294967297", "--run takes a number of seconds from 1 to 3600"},
                          Case{"--demo dpi mouse --stage 1 --dpi 18446744073709552416", "--dpi takes"}}) {
        const auto run = runViremoctl(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << c.arguments << "\n" << run.out;
    }
}

// The bands of a custom equaliser reach the chip only once its name is taken.
TEST(ViremoctlHeadset, ARefusedCustomEqualiserLeavesTheChipAsItWas) {
    ASSERT_EQ(runViremoctl("--demo headset eq-custom add Refusals 1 1 1 1 1 1 1 1 1 1").exitCode, 0);
    ASSERT_EQ(runViremoctl("--demo headset eq 3").exitCode, 0);
    struct Case {
        const char* name;
        const char* says;
    };
    for (const Case& c : {Case{"REFUSALS", "already there"}, Case{"'  '", "needs a name"},
                          Case{R"x("$(printf 'a\tb')")x", "control characters"},
                          Case{R"x("$(printf '\377')")x", "not UTF-8"}}) {
        const auto run = runViremoctl(std::string("--demo headset eq-custom add ") + c.name + " 9 9 9 9 9 9 9 9 9 9");
        EXPECT_EQ(run.exitCode, 1) << c.name << "\n" << run.out;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << c.name << "\n" << run.out;
    }
    const auto chip = viremo::json::readFile(testing::scratchHome() / "data" / "VIREMO VR-TKL" / "demo" /
                                             "headset.chip.json");
    EXPECT_EQ(chip["playback"]["EQ_Slider1"].asInt(), 10);  // preset 3's first band
}

TEST(ViremoctlHeadset, WithoutTheHeadsetShowSaysSo) {
    const auto show = runViremoctl("headset show");
    EXPECT_EQ(show.exitCode, 1);
    EXPECT_NE(show.out.find("no headset is present"), std::string::npos) << show.out;
}

}  // namespace
}  // namespace viremoctl
