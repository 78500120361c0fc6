#include <gtest/gtest.h>

#include <sstream>

#include "profiles/json_file.h"
#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using testing::runViremoctl;

// The runs' scratch folder goes when the tests end.
const struct RemoveScratch {
    ~RemoveScratch() {
        std::error_code ignored;
        std::filesystem::remove_all(testing::scratchHome(), ignored);
    }
} removeScratch;

TEST(ViremoctlList, DemoSetShowsItsSevenMatchingInterfaces) {
    const auto run = runViremoctl("--demo list");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const char* const rows[] = {
        "0    320f:5078       1          4           1      command    emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col04",
        "1    320f:5078       1          3           1      secondary  emulated/keyboard/if1#vid_320f&pid_5078&mi_01&col03",
        "6    320f:221d       1          4           6      command    emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col04",
        "7    320f:221d       1          3           6      secondary  emulated/mouse-receiver/if1#vid_320f&pid_221d&mi_01&col03",
        "8    320f:1004       1          4           3      command    emulated/mouse-pad/if1#vid_320f&pid_1004&mi_01&col04",
        "9    320f:1004       1          3           3      secondary  emulated/mouse-pad/if1#vid_320f&pid_1004&mi_01&col03",
        "10   0c76:1630       3          0           7      command    emulated/headset/if3#vid_0c76&pid_1630&mi_03",
    };
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("row  vendor:product", 0), 0u) << line;
    for (const char* row : rows) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line, row);
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
}

TEST(ViremoctlList, JsonCarriesTheSameRows) {
    const auto run = runViremoctl("--demo --json list");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto document = viremo::json::parse(run.out);
    ASSERT_TRUE(document) << run.out;
    const Json::Value& interfaces = (*document)["interfaces"];
    ASSERT_EQ(interfaces.size(), 7u);
    const Json::Value& headset = interfaces[6];
    EXPECT_EQ(headset["row"].asInt(), 10);
    EXPECT_EQ(headset["vendorId"].asString(), "0c76");
    EXPECT_EQ(headset["productId"].asString(), "1630");
    EXPECT_EQ(headset["interface"].asInt(), 3);
    EXPECT_EQ(headset["collection"].asInt(), 0);
    EXPECT_EQ(headset["modelId"].asInt(), 7);
    EXPECT_EQ(headset["role"].asString(), "command");
    EXPECT_EQ(headset["path"].asString(), "emulated/headset/if3#vid_0c76&pid_1630&mi_03");
    EXPECT_EQ((*document)["permissionDenied"].size(), 0u);
}

TEST(ViremoctlList, RefusesArguments) {
    const auto run = runViremoctl("--demo list everything");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "viremoctl: list takes no arguments (see viremoctl --help)\n");
}

}  // namespace
}  // namespace viremoctl
