#include "macros/macro_renumbering.h"

#include <gtest/gtest.h>

#include "profiles/json_file.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::readText;
using testing::scratchFolder;
using testing::writeText;

// Codes: 0x700300 = macro 3 (play mode 0), 0x710405 = macro 4 repeated 5 times.
constexpr int kMacro2 = 0x700200, kMacro3 = 0x700300, kMacro4Repeat5 = 0x710405, kMacro1 = 0x700100;
constexpr int kKeyA = 0x200004, kKeyB = 0x200005, kKeyC = 0x200006;

std::string profileText(int a, int b, int c) {
    char text[512];
    std::snprintf(text, sizeof text, R"({"Device": [{"KeyList": [
        {"Assignment": %d, "DefaultAssignment": %d},
        {"Assignment": %d, "DefaultAssignment": %d},
        {"Assignment": %d, "DefaultAssignment": %d}]}], "profilename": "p"})",
                  a, kKeyA, b, kKeyB, c, kKeyC);
    return text;
}

int assignment(const std::filesystem::path& file, int key) {
    return json::readFile(file)["Device"][0]["KeyList"][key]["Assignment"].asInt();
}

TEST(MacroRenumbering, DeletingTheThirdOfFiveMacrosRenumbersEveryProfile) {
    const auto folder = scratchFolder();
    writeText(folder / "ProfileList.ini", R"({"profilelist": [
        {"profilename": "one", "profileUUID": "p1"}, {"profilename": "two", "profileUUID": "p2"},
        {"profilename": "three", "profileUUID": "p3"}], "profileselect": 0})");
    // Macros are numbered from 0: the third is macro 2, the fourth and fifth 3 and 4.
    writeText(folder / "p1.Json", profileText(kMacro2, kMacro3, kMacro4Repeat5));
    writeText(folder / "p2.Json", profileText(kMacro1, kMacro4Repeat5, kKeyA));
    const std::string untouched = profileText(kMacro1, kKeyB, kKeyC);
    writeText(folder / "p3.Json", untouched);

    const auto result = renumberProfileFiles(folder, 2);
    EXPECT_EQ(result.changed.size(), 2u);
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(assignment(folder / "p1.Json", 0), kKeyA);      // bound to the deleted macro: factory code
    EXPECT_EQ(assignment(folder / "p1.Json", 1), 0x700200);   // macro 3 -> 2
    EXPECT_EQ(assignment(folder / "p1.Json", 2), 0x710305);   // macro 4 -> 3, repeat kept
    EXPECT_EQ(assignment(folder / "p2.Json", 0), kMacro1);    // earlier macros stay
    EXPECT_EQ(assignment(folder / "p2.Json", 1), 0x710305);
    EXPECT_EQ(json::readFile(folder / "p1.Json")["profilename"], "p");  // the rest of the file is kept
    EXPECT_EQ(readText(folder / "p3.Json"), untouched);                // not rewritten
}

TEST(MacroRenumbering, SkipsTheProfileHeldInMemoryAndBrokenFiles) {
    const auto folder = scratchFolder();
    writeText(folder / "ProfileList.ini", R"({"profilelist": [
        {"profileUUID": "p1"}, {"profileUUID": "p2"}, {"profileUUID": "../p3"}]})");
    writeText(folder / "p1.Json", profileText(kMacro3, kKeyB, kKeyC));
    writeText(folder / "p2.Json", "{broken");
    const auto result = renumberProfileFiles(folder, 0, folder / "p1.Json");
    EXPECT_TRUE(result.changed.empty());
    EXPECT_EQ(assignment(folder / "p1.Json", 0), kMacro3);
    EXPECT_EQ(readText(folder / "p2.Json"), "{broken");
}

TEST(MacroRenumbering, RenumbersTheAssignmentsInMemory) {
    auto entry = [](int current, int factory) {
        return KeyListEntry{KeyAssignment::fromCode(0, current), KeyAssignment::fromCode(0, factory)};
    };
    std::vector<KeyListEntry> keys = {entry(kMacro2, kKeyA), entry(kKeyB, kKeyB), entry(kMacro4Repeat5, kKeyC)};
    EXPECT_TRUE(keysUseMacro(keys, 2));
    EXPECT_FALSE(keysUseMacro(keys, 3));
    EXPECT_TRUE(renumberKeys(keys, 2));
    EXPECT_EQ(keys[0].current.code(), uint32_t(kKeyA));
    EXPECT_EQ(keys[2].current.code(), 0x710305u);
    EXPECT_FALSE(renumberKeys(keys, 9));
}

}  // namespace
}  // namespace viremo
