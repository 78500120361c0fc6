#include <gtest/gtest.h>

#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using testing::runViremoctl;

// A keyboard has no DPI or gun functions; the mouse has both.
TEST(ViremoctlKeys, RefusesFunctionsTheKindLacks) {
    struct Case {
        const char* arguments;
        int exitCode;
        const char* says;
    };
    for (const Case& c : {Case{"keys keyboard set 5 dpi:up", 1, "cannot assign 'dpi:up': a keyboard has no DPI functions"},
                          Case{"keys keyboard set 5 0x720100", 1, "a keyboard has no gun keys"},
                          Case{"keys keyboard set 5 RCtrl+A", 0, "0x201004  RCtrl+A"},
                          Case{"keys mouse set 3 dpi:up", 0, "0x130100  dpi:up"},
                          Case{"keys mouse set 3 gun:2", 0, "0x720200  gun:2"}}) {
        const auto run = runViremoctl(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace viremoctl
