#include "profiles/text.h"

#include <gtest/gtest.h>

namespace viremo {
namespace {

TEST(Text, NamesCompareWithoutRegardToCaseInAnyScript) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Profile1", "pROFILE1", true}, {"Ärger", "äRGER", true}, {"Профиль", "пРОФИЛЬ", true},
        {"ΣΟΦΙΑ", "σοφια", true},       {"profile1", "profile2", false}, {"abc", "abcd", false},
        {"a", "á", false},              {"", "", true},
    };
    for (const auto& c : cases) EXPECT_EQ(text::equalsIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}

TEST(Text, Utf8RoundTripsAndInvalidBytesBecomeReplacements) {
    EXPECT_EQ(text::toWide("a\xC3\xA4\xE6\x96\x87\xF0\x9F\x8E\xAE"), U"aä文🎮");
    EXPECT_EQ(text::toUtf8(U"aä文🎮"), "a\xC3\xA4\xE6\x96\x87\xF0\x9F\x8E\xAE");
    // A lone continuation byte, an overlong form and a cut-off sequence.
    EXPECT_EQ(text::toWide("\x80x\xC0\xAFy\xE6\x96"), U"\uFFFDx\uFFFD\uFFFDy\uFFFD\uFFFD");
}

TEST(Text, NamesFromFilesPrintWithoutControlCharacters) {
    EXPECT_EQ(text::displayable("\x1b[31mred\x07"), "\uFFFD[31mred\uFFFD");
    EXPECT_EQ(text::displayable("a\xC2\x9B" "b\x7F\xFF"), "a\uFFFDb\uFFFD\uFFFD");  // C1 CSI, DEL, a bad byte
    EXPECT_EQ(text::displayable("Профиль 1"), "Профиль 1");
}

TEST(Text, TrimmedRemovesOuterBlanksOnly) {
    EXPECT_EQ(text::trimmed("  a b \t\n"), "a b");
    EXPECT_EQ(text::trimmed(" \t "), "");
}

}  // namespace
}  // namespace viremo
