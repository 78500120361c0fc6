#include "macros/macro_library.h"

#include <gtest/gtest.h>

#include "macros/macro_event.h"
#include "profiles/json_file.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::readText;
using testing::scratchFolder;
using testing::writeText;

constexpr const char* kTwoMacros = R"({
   "MacroInfo" : [
      { "Guid" : "g1", "MacroName" : "macro_1" },
      { "Guid" : "g3", "MacroName" : "Jump" }
   ]
})";

class MacroLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = scratchFolder();
        clock.setWall(Clock::Wall(std::chrono::hours(24 * 365 * 50)));
    }
    std::filesystem::path config() const { return folder / "macro.config"; }

    std::filesystem::path folder;
    FakeClock clock;
};

TEST(MacroName, TakesTheLowestFreeNumberIgnoringCase) {
    EXPECT_EQ(nextMacroName({}), "macro_1");
    EXPECT_EQ(nextMacroName({{"macro_1", "a"}, {"macro_3", "b"}}), "macro_2");
    EXPECT_EQ(nextMacroName({{"MACRO_1", "a"}, {"macro_2", "b"}}), "macro_3");
}

TEST_F(MacroLibraryTest, AddsEntriesWithoutEventFilesUpToFifty) {
    MacroLibrary library(folder, clock);
    const auto first = library.add();
    ASSERT_EQ(first.result, MacroResult::Done);
    EXPECT_EQ(first.index, 0);
    EXPECT_EQ(first.entry.name, "macro_1");
    EXPECT_FALSE(std::filesystem::exists(folder / (first.entry.guid + ".mac")));

    // Same millisecond: the next Guid is still new.
    const auto second = library.add();
    EXPECT_NE(second.entry.guid, first.entry.guid);
    for (int i = 2; i < 50; ++i) ASSERT_EQ(library.add().result, MacroResult::Done);
    EXPECT_EQ(library.add().result, MacroResult::Full);
    EXPECT_EQ(library.entries().size(), 50u);
}

TEST_F(MacroLibraryTest, ABrokenListIsKeptAndNotOverwritten) {
    writeText(config(), "{\"MacroInfo\": [{\"MacroName\": \"keep me\", ");
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.add().result, MacroResult::ListBroken);
    EXPECT_EQ(readText(folder / "macro.config.bad"), "{\"MacroInfo\": [{\"MacroName\": \"keep me\", ");
    EXPECT_FALSE(std::filesystem::exists(config()));

    // A list whose "MacroInfo" is not an array is no better.
    writeText(config(), R"({"MacroInfo": {"MacroName": "x"}})");
    EXPECT_EQ(library.add().result, MacroResult::ListBroken);
}

TEST_F(MacroLibraryTest, RenameRefusesTakenAndBlankNames) {
    writeText(config(), kTwoMacros);
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.rename(0, "macro_1"), MacroResult::NameTaken);  // its own name
    EXPECT_EQ(library.rename(0, "JUMP"), MacroResult::NameTaken);
    EXPECT_EQ(library.rename(0, " \t"), MacroResult::NameBlank);
    EXPECT_EQ(library.rename(2, "x"), MacroResult::NoSuchMacro);
    EXPECT_EQ(library.rename(0, "Run"), MacroResult::Done);
    EXPECT_EQ(library.entries()[0].name, "Run");
    EXPECT_EQ(library.entries()[0].guid, "g1");
}

TEST_F(MacroLibraryTest, DeleteRemovesTheEntryOfItsGuidThenItsFile) {
    writeText(config(), kTwoMacros);
    writeText(folder / "g1.mac", "{}");
    writeText(folder / "g3.mac", "{}");
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.remove(1), MacroResult::Done);
    ASSERT_EQ(library.entries().size(), 1u);
    EXPECT_EQ(library.entries()[0].guid, "g1");
    EXPECT_FALSE(std::filesystem::exists(folder / "g3.mac"));
    EXPECT_TRUE(std::filesystem::exists(folder / "g1.mac"));
    EXPECT_EQ(library.remove(1), MacroResult::NoSuchMacro);
}

// Entries without a Guid, or sharing one, are told apart by their place.
TEST_F(MacroLibraryTest, DeleteRemovesTheNamedEntryAndOnlyAnUnsharedFile) {
    writeText(config(), R"({"MacroInfo": [{"MacroName": "first"}, {"MacroName": "second"},
        {"MacroName": "a", "Guid": "g"}, {"MacroName": "b", "Guid": "g"}]})");
    writeText(folder / "g.mac", "{}");
    MacroLibrary library(folder, clock);
    ASSERT_EQ(library.remove(1), MacroResult::Done);
    EXPECT_EQ(library.entries()[0].name, "first");
    ASSERT_EQ(library.remove(1), MacroResult::Done);
    EXPECT_TRUE(std::filesystem::exists(folder / "g.mac"));
    ASSERT_EQ(library.remove(1), MacroResult::Done);
    EXPECT_FALSE(std::filesystem::exists(folder / "g.mac"));
    EXPECT_EQ(library.entries().size(), 1u);
}

TEST_F(MacroLibraryTest, RenameGivesAGuidlessEntryAGuidAndRefusesControlCharacters) {
    writeText(config(), R"({"MacroInfo": [{"MacroName": "first"}]})");
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.rename(0, "a\nb"), MacroResult::NameInvalid);
    ASSERT_EQ(library.rename(0, "Run"), MacroResult::Done);
    EXPECT_FALSE(library.entries()[0].guid.empty());
}

TEST_F(MacroLibraryTest, DeleteKeepsTheEventFileWhenTheListCannotBeWritten) {
    writeText(config(), kTwoMacros);
    writeText(folder / "g1.mac", "{}");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (writeFileAtomically(folder / "probe", "x")) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        GTEST_SKIP() << "the folder stays writable (running as root)";
    }
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.remove(0), MacroResult::WriteFailed);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_TRUE(std::filesystem::exists(folder / "g1.mac"));
    EXPECT_EQ(library.entries().size(), 2u);
}

TEST_F(MacroLibraryTest, ImportChecksTheFileAndLeavesNoHalfEntry) {
    const auto source = folder / "source.mac";
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.importFile(folder / "absent.mac").result, MacroResult::SourceUnreadable);
    for (const char* bad : {"not json", "[1]", R"({"Events": 5})", R"({"Events": [{"Type": 1}, 7]})"}) {
        writeText(source, bad);
        EXPECT_EQ(library.importFile(source).result, MacroResult::SourceInvalid) << bad;
    }
    EXPECT_TRUE(library.entries().empty());

    const std::string good = R"({"Events": [{"Type": 10, "Action": "down", "Button": 4, "Delay": "300"}], "Guid": "old"})";
    writeText(source, good);
    const auto imported = library.importFile(source);
    ASSERT_EQ(imported.result, MacroResult::Done);
    EXPECT_EQ(imported.entry.name, "macro_1");
    EXPECT_NE(imported.entry.guid, "old");
    EXPECT_EQ(readText(folder / (imported.entry.guid + ".mac")), good);  // copied unchanged
}

TEST_F(MacroLibraryTest, ImportAtFiftyMacrosTouchesNothing) {
    MacroLibrary library(folder, clock);
    for (int i = 0; i < 50; ++i) ASSERT_EQ(library.add().result, MacroResult::Done);
    const std::string before = readText(config());
    writeText(folder / "source.mac", R"({"Events": []})");
    EXPECT_EQ(library.importFile(folder / "source.mac").result, MacroResult::Full);
    EXPECT_EQ(readText(config()), before);
    size_t macFiles = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) macFiles += file.path().extension() == ".mac";
    EXPECT_EQ(macFiles, 1u);  // only the source
}

TEST_F(MacroLibraryTest, ExportNeedsAnEventFileAndNeverTruncates) {
    writeText(config(), kTwoMacros);
    MacroLibrary library(folder, clock);
    const auto destination = folder / "out.mac";
    writeText(destination, "previous");
    EXPECT_EQ(library.exportFile(0, destination), MacroResult::NoEventFile);
    EXPECT_EQ(readText(destination), "previous");

    writeText(folder / "g1.mac", "events");
    EXPECT_EQ(library.exportFile(0, destination), MacroResult::Done);
    EXPECT_EQ(readText(destination), "events");
    EXPECT_EQ(library.exportFile(0, folder / "g1.mac"), MacroResult::Done);  // onto itself
    EXPECT_EQ(readText(folder / "g1.mac"), "events");
}

TEST_F(MacroLibraryTest, EventFilesStayInsideTheFolder) {
    writeText(config(), R"({"MacroInfo": [{"MacroName": "evil", "Guid": "../escape"}, {"MacroName": "x"}]})");
    MacroLibrary library(folder, clock);
    EXPECT_EQ(library.writeEventFile(0, Json::Value(Json::arrayValue)), MacroResult::NoSuchMacro);
    EXPECT_EQ(library.writeEventFile(1, Json::Value(Json::arrayValue)), MacroResult::NoSuchMacro);
    EXPECT_FALSE(std::filesystem::exists(folder.parent_path() / "escape.mac"));
    EXPECT_EQ(library.entries().size(), 2u);  // malformed entries still hold their position
}

TEST_F(MacroLibraryTest, WritesTheEventFileLayout) {
    writeText(config(), kTwoMacros);
    MacroLibrary library(folder, clock);
    Json::Value events(Json::arrayValue);
    events.append(makeMacroEvent(10, true, 4, 300));
    ASSERT_EQ(library.writeEventFile(1, events), MacroResult::Done);
    const Json::Value file = json::readFile(folder / "g3.mac");
    EXPECT_EQ(file["MacroName"], "Jump");
    EXPECT_EQ(file["Guid"], "g3");
    EXPECT_EQ(file["Version"], 64);
    EXPECT_EQ(file["Events"][0]["Delay"], "300");
    EXPECT_EQ(library.readEventFile(1), file);
}

}  // namespace
}  // namespace viremo
