#include <gtest/gtest.h>

#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using testing::jsonOf;
using testing::runViremoctl;

// Each run has a fresh demo set: what one run writes reaches the next through
// the demo memory kept in the data folder.
TEST(ViremoctlKeyboard, ReadShowsWhatEarlierRunsWrote) {
    const auto lighting = runViremoctl("--demo lighting keyboard --mode 6 --color 00ff00 --brightness 2 --speed 4");
    ASSERT_EQ(lighting.exitCode, 0) << lighting.out;
    const auto apply = runViremoctl("--demo apply keyboard");
    ASSERT_EQ(apply.exitCode, 0) << apply.out;
    EXPECT_NE(apply.out.find("key table: written"), std::string::npos) << apply.out;

    const auto read = runViremoctl("--demo --json read keyboard");
    ASSERT_EQ(read.exitCode, 0) << read.out;
    const Json::Value document = jsonOf(read);
    const Json::Value& settings = document["settings"];
    EXPECT_EQ(settings["mode"].asInt(), 6);
    EXPECT_EQ(settings["color"].asString(), "00ff00");
    EXPECT_EQ(settings["brightness"].asInt(), 2);
    EXPECT_EQ(settings["speed"].asInt(), 4);
    EXPECT_EQ(document["keyPositions"].asInt(), 128);
    EXPECT_EQ(document["keys"][0]["name"].asString(), "Esc");
    EXPECT_EQ(document["keys"][0]["code"].asString(), "20 00 29");
}

// A run streams frames at the cable's tick (200 a second), and none in a
// mode the keyboard renders itself.
TEST(ViremoctlKeyboard, RunStreamsFramesOnlyWhereTheProgramDrawsTheLights) {
    const auto streaming = runViremoctl("--demo --json lighting keyboard --mode 11 --run 1 --audio 2000");
    ASSERT_EQ(streaming.exitCode, 0) << streaming.out;
    EXPECT_GT(jsonOf(streaming)["framesPerSecond"].asDouble(), 100.0);
    const auto selfRendered = runViremoctl("--demo --json lighting keyboard --mode 7 --run 1 --reaction 30");
    ASSERT_EQ(selfRendered.exitCode, 0) << selfRendered.out;
    EXPECT_EQ(jsonOf(selfRendered)["framesPerSecond"].asDouble(), 0.0);
}

TEST(ViremoctlKeyboard, StatusAndRefusals) {
    const auto status = runViremoctl("--demo --json status keyboard");
    ASSERT_EQ(status.exitCode, 0) << status.out;
    EXPECT_EQ(jsonOf(status)["receiver"].asInt(), 0);
    struct Case {
        const char* arguments;
        const char* says;
    };
    for (const Case& c : {Case{"--demo lighting keyboard --mode 31", "--mode takes a number from 0 to 30"},
                          Case{"--demo lighting keyboard --color 12345", "--color takes RRGGBB"},
                          Case{"--demo lighting keyboard --run 0", "--run takes a number of seconds"},
                          Case{"--demo lighting keyboard --mode 7 --reaction 30", "need --run"},
                          Case{"--demo lighting keyboard --run 1 --reaction 170", "--reaction takes a light"},
                          Case{"--demo read headset", "usage: viremoctl read keyboard"}}) {
        const auto run = runViremoctl(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace viremoctl
