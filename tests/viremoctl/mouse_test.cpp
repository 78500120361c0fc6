#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using testing::jsonOf;
using testing::runViremoctl;

TEST(ViremoctlMouse, ReadShowsWhatEarlierRunsWrote) {
    for (const char* write : {"--demo dpi mouse --stages 3 --stage 2 --dpi 2700 --color 00ffff --active 2",
                              "--demo rate mouse 250", "--demo lighting mouse --mode 3 --speed 1 --color 123456",
                              "--demo apply mouse", "--demo recoil apply"}) {
        const auto run = runViremoctl(write);
        EXPECT_EQ(run.exitCode, 0) << write << "\n" << run.out;
    }
    const auto read = runViremoctl("--demo --json read mouse");
    ASSERT_EQ(read.exitCode, 0) << read.out;
    const Json::Value document = jsonOf(read);
    EXPECT_EQ(document["connection"].asString(), "through its receiver");
    EXPECT_EQ(document["reportRate"].asInt(), 250);
    EXPECT_EQ(document["activeStage"].asInt(), 2);
    EXPECT_EQ(document["lighting"]["mode"].asInt(), 3);
    EXPECT_EQ(document["lighting"]["speed"].asInt(), 1);
    EXPECT_EQ(document["lighting"]["color"].asString(), "123456");
    const Json::Value& stage2 = document["stages"][2];
    EXPECT_EQ(stage2["level"].asInt(), 49);  // above the 3325's knee: 2500 + 200
    EXPECT_EQ(stage2["dpi"].asInt(), 2700);
    EXPECT_EQ(stage2["color"].asString(), "00ffff");
    EXPECT_FALSE(document["stages"][3]["enabled"].asBool());
    EXPECT_EQ(document["buttons"][9]["name"].asString(), "m8");
    EXPECT_FALSE(document["buttons"][9].isMember("button"));
}

// Values out of range are refused before anything reaches the mouse.
TEST(ViremoctlMouse, RefusalsSendNothing) {
    struct Case {
        const char* arguments;
        const char* says;
        bool readsSensor;  // a DPI value is judged by the sensor's range, read first
    };
    const std::regex sent("命令\n04 [0-9a-f]{2} [0-9a-f]{2} ([0-9a-f]{2})");
    const std::regex settingsWrite("命令\n04 [0-9a-f]{2} [0-9a-f]{2} 06");
    for (const Case& c : {Case{"--demo --debug rate mouse 300", "no report rate '300'", false},
                          Case{"--demo --debug lighting mouse --mode 10", "--mode takes a number from 0 to 9", false},
                          Case{"--demo --debug dpi mouse --stage 5 --dpi 800", "--stage takes a number from 0 to 4", false},
                          Case{"--demo --debug dpi mouse --stage 1", "--stage and --dpi go together", false},
                          Case{"--demo --debug effect mouse --run 0", "--run takes a number of seconds", false},
                          Case{"--demo --debug dpi mouse --stage 1 --dpi 20000", "--dpi takes 100 to 10500", true}}) {
        const auto run = runViremoctl(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << run.out;
        EXPECT_EQ(std::regex_search(run.out, sent), c.readsSensor) << run.out;
        EXPECT_FALSE(std::regex_search(run.out, settingsWrite)) << run.out;
    }
}

// A demo folder from before the mouse's memory was kept held 512 zero bytes
// of settings; they do not replace the factory profile slots.
TEST(ViremoctlMouse, EarlierDemoMemoryDoesNotOverrideTheFactorySlots) {
    const auto folder = testing::scratchHome() / "data" / "VIREMO VR-TKL" / "demo";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "mouse.memory.json") << R"({"settings": ")" << std::string(1024, '0') << R"("})";
    const auto read = runViremoctl("--demo --json read mouse");
    ASSERT_EQ(read.exitCode, 0) << read.out;
    EXPECT_EQ(jsonOf(read)["reportRate"].asInt(), 1000);
}

}  // namespace
}  // namespace viremoctl
