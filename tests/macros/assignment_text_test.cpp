#include "macros/assignment_text.h"

#include <gtest/gtest.h>

namespace viremo {
namespace {

TEST(AssignmentText, DescribesAndReadsBackEveryKindOfCode) {
    struct Case {
        AssignmentCode code;
        const char* text;
    };
    const Case cases[] = {
        {{0x20, 0x01, 0x04}, "Ctrl+A"},
        {{0x20, 0x22, 0x00}, "Shift+RShift"},
        {{0x20, 0x10, 0x04}, "RCtrl+A"},
        {{0x20, 0x81, 0x3D}, "Ctrl+RWin+F4"},
        {{0x20, 0x00, 0x57}, "Num +"},
        {{0x20, 0x05, 0x57}, "Ctrl+Alt+Num +"},
        {{0x20, 0x00, 0x00}, "none"},
        {{0x10, 0x01, 0x00}, "mouse:left"},
        {{0x11, 0x25, 0x83}, "move:right:3:2:5"},
        {{0x12, 0x25, 0xFD}, "wheel:down:3:2:5"},
        {{0x12, 0x01, 0x07}, "wheel:up:7:0:1"},
        {{0x13, 0x01, 0x00}, "dpi:up"},
        {{0x14, 0x78, 0x02}, "fire:120:2"},
        {{0x30, 0xCD, 0x00}, "media:play-pause"},
        {{0x30, 0x83, 0x01}, "media:media-select"},
        {{0x40, 0x02, 0x00}, "system:sleep"},
        {{0x70, 0x02, 0x00}, "macro:2"},
        {{0x70, 0x02, 0x03}, "macro:2:3"},
        {{0x71, 0x02, 0x05}, "macro:2:x5"},
        {{0x72, 0x01, 0x00}, "gun:1"},
        {{0xA0, 0x01, 0x00}, "FN"},
        {{0xD0, 0xA2, 0x03}, "M3"},
        {{0x16, 0x90, 0x01}, "0x169001"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(describeAssignment(test.code), test.text);
        EXPECT_EQ(parseAssignment(test.text), test.code) << test.text;
    }
}

TEST(AssignmentText, ReadsLooseFormsAndRefusesNonsense) {
    EXPECT_EQ(parseAssignment("ctrl+a"), (AssignmentCode{0x20, 0x01, 0x04}));
    EXPECT_EQ(parseAssignment("LAlt+F4"), (AssignmentCode{0x20, 0x04, 0x3D}));
    EXPECT_EQ(parseAssignment("0x700100"), (AssignmentCode{0x70, 0x01, 0x00}));
    EXPECT_EQ(parseAssignment("move:left:5"), (AssignmentCode{0x11, 0x00, 0x05}));
    for (const char* text : {"", "Ctrl+", "Ctrl+Nope", "media:loud", "macro:", "macro:1:4", "macro:256",
                             "move:up:1", "wheel:down:128", "move:left:1:16", "gun:4", "0x", "0x1000000", "0xZZ"})
        EXPECT_FALSE(parseAssignment(text)) << text;
}

}  // namespace
}  // namespace viremo
