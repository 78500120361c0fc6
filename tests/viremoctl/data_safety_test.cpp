// Broken, huge and concurrent input: the files are kept, the user is told
// which one, and no change is lost or reported when it was not made.
#include <gtest/gtest.h>

#include <set>

#include "platform/atomic_file.h"
#include "profiles/json_file.h"
#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using testing::runViremoctl;
using testing::scratchHome;

struct DataSafety : ::testing::Test {
    void SetUp() override { std::filesystem::remove_all(scratchHome() / "data"); }
    static std::filesystem::path folder(const char* kind) {
        return scratchHome() / "data" / "VIREMO VR-TKL" / kind;
    }
    static void put(const std::filesystem::path& file, std::string_view text) {
        std::filesystem::create_directories(file.parent_path());
        ASSERT_TRUE(viremo::writeFileAtomically(file, text));
    }
    static std::string text(const std::filesystem::path& file) {
        return viremo::readWholeFile(file).value_or("<absent>");
    }
};

void expectRefused(const std::string& arguments, const std::string& says) {
    const auto run = runViremoctl(arguments);
    EXPECT_EQ(run.exitCode, 1) << arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(says), std::string::npos) << arguments << "\n" << run.out;
}

TEST_F(DataSafety, AnUnreadableMacroListKeepsEveryBindingAndFailsTheApply) {
    ASSERT_EQ(runViremoctl("macro keyboard add").exitCode, 0);
    ASSERT_EQ(runViremoctl("keys keyboard set 12 macro:0").exitCode, 0);
    put(folder("keyboard") / "macro.config", "");
    expectRefused("--demo apply keyboard", "macro.config: empty; nothing written");
    put(folder("keyboard") / "macro.config", R"({"MacroInfo": [{"MacroName": "m", "Guid": "g"}]})");
    const auto keys = runViremoctl("keys keyboard");
    EXPECT_NE(keys.out.find("macro:0"), std::string::npos) << keys.out;
}

TEST_F(DataSafety, BrokenFilesAreNamedKeptAndNothingIsWrittenFromThem) {
    ASSERT_EQ(runViremoctl("profile keyboard list").exitCode, 0);
    const auto keyboard = folder("keyboard");
    const auto profile = [&] {
        for (const auto& item : std::filesystem::directory_iterator(keyboard))
            if (item.path().extension() == ".Json") return item.path();
        return std::filesystem::path();
    }();
    struct Case {
        std::filesystem::path file;
        const char* content;
        const char* arguments;
        std::filesystem::path keptAs;  // where the broken content must be afterwards
    };
    const Case cases[] = {
        {keyboard / "g.mac", "", "macro keyboard list", keyboard / "g.mac"},
        {keyboard / "g.mac", "", "--demo apply keyboard", keyboard / "g.mac"},
        {folder("mouse") / "ShootData_0.Shoot", "{", "recoil show 0", folder("mouse") / "ShootData_0.Shoot"},
        {folder("mouse") / "ShootData_0.Shoot", "[]", "--demo recoil apply", folder("mouse") / "ShootData_0.Shoot"},
        {profile, "{", "macro keyboard delete 0", profile},  // its bindings could not be renumbered
        {profile, "{", "profile keyboard copy", profile},
        {scratchHome() / "data" / "VIREMO VR-TKL" / "demo" / "keyboard.memory.json", "{",
         "--demo status keyboard", scratchHome() / "data" / "VIREMO VR-TKL" / "demo" / "keyboard.memory.json.bad"},
    };
    put(keyboard / "macro.config", R"({"MacroInfo": [{"MacroName": "m", "Guid": "g"}]})");
    ASSERT_EQ(runViremoctl("keys keyboard set 12 macro:0").exitCode, 0);
    for (const Case& c : cases) {
        put(c.file, c.content);
        const auto run = runViremoctl(c.arguments);
        EXPECT_NE(run.out.find(c.file.string()), std::string::npos) << c.arguments << "\n" << run.out;
        EXPECT_EQ(text(c.keptAs), c.content) << c.arguments;
        if (c.keptAs == c.file) {
            EXPECT_EQ(run.exitCode, 1) << c.arguments;
        }
        put(c.file, R"({"Events": []})");
    }
    // A second broken list does not replace the first one kept.
    put(keyboard / "macro.config", "{first");
    EXPECT_EQ(runViremoctl("macro keyboard add").exitCode, 1);
    put(keyboard / "macro.config", "{second");
    EXPECT_EQ(runViremoctl("macro keyboard add").exitCode, 1);
    EXPECT_EQ(text(keyboard / "macro.config.bad"), "{first");
    EXPECT_EQ(text(keyboard / "macro.config.2.bad"), "{second");
}

// A name edited into a file by hand reaches no terminal as a command.
TEST_F(DataSafety, NamesFromFilesPrintWithoutControlCharacters) {
    put(folder("mouse") / "macro.config", R"({"MacroInfo": [{"MacroName": "\u001b]52;c;eA==\u0007", "Guid": "g"}]})");
    put(folder("mouse") / "g.mac", R"({"Events": []})");
    ASSERT_EQ(runViremoctl("profile pad list").exitCode, 0);
    const auto list = folder("MousePad") / "ProfileList.ini";
    Json::Value profiles = viremo::json::readFile(list);
    profiles["profilelist"][0]["profilename"] = "\x1b[2J";
    put(list, viremo::json::styledText(profiles));
    for (const char* arguments : {"macro mouse list", "profile pad list"}) {
        const auto run = runViremoctl(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments << "\n" << run.out;
        EXPECT_EQ(run.out.find_first_of("\x1b\x07"), std::string::npos) << arguments << "\n" << run.out;
    }
}

TEST_F(DataSafety, ParallelWritersLoseNothing) {
    const std::string home = scratchHome().string();
    std::string script = "export XDG_DATA_HOME='" + home + "/data' XDG_CONFIG_HOME='" + home + "/config'\n";
    script += "for i in $(seq 15); do\n";
    for (const char* add : {"profile keyboard add", "profile keyboard add", "macro keyboard add"})
        script += std::string("  '") + VIREMOCTL + "' " + add + " >/dev/null &\n";
    script += "done\nwait\n";
    put(scratchHome() / "writers.sh", script);
    ASSERT_EQ(std::system(("sh '" + (scratchHome() / "writers.sh").string() + "'").c_str()), 0);
    const Json::Value list = viremo::json::readFile(folder("keyboard") / "ProfileList.ini");
    std::set<std::string> listed;
    for (const auto& entry : list["profilelist"]) listed.insert(entry["profileUUID"].asString() + ".Json");
    std::set<std::string> files;
    for (const auto& item : std::filesystem::directory_iterator(folder("keyboard")))
        if (item.path().extension() == ".Json") files.insert(item.path().filename().string());
    EXPECT_EQ(list["profilelist"].size(), 31u);  // the first profile and 30 added
    EXPECT_EQ(listed, files);
    EXPECT_EQ(viremo::json::readFile(folder("keyboard") / "macro.config")["MacroInfo"].size(), 15u);
}

TEST_F(DataSafety, OversizeAndSpecialFilesAreRefusedWithoutReading) {
    const auto sparse = scratchHome() / "huge.Json";
    put(sparse, "{");
    std::filesystem::resize_file(sparse, std::uintmax_t{1} << 30);
    expectRefused("profile keyboard import '" + sparse.string() + "'", "larger than");
    expectRefused("profile keyboard import /dev/zero", "/dev/zero: not a regular file");
    expectRefused("macro keyboard import /dev/zero", "/dev/zero: not a regular file");
    std::filesystem::remove(sparse);
}

TEST_F(DataSafety, ArgumentsNamesAndHomesAreCheckedStrictly) {
    for (const char* colour : {"-0ff00", "' 0ff00'", "+0ff00"})
        expectRefused(std::string("--demo lighting keyboard --color ") + colour, "--color takes RRGGBB");
    put(scratchHome() / " .Json", R"({"profilename": "a", "profileUUID": "b"})");
    expectRefused("profile keyboard import '" + (scratchHome() / " .Json").string() + "'", "the name would come from the file name of");

    ASSERT_EQ(runViremoctl("macro keyboard add").exitCode, 0);
    const auto rename = runViremoctl("macro keyboard rename 0 -h");
    EXPECT_EQ(rename.exitCode, 0) << rename.out;
    EXPECT_NE(rename.out.find("renamed macro 0: -h"), std::string::npos) << rename.out;
    EXPECT_EQ(runViremoctl("keys keyboard set 7 200029").exitCode, 0);
}

TEST_F(DataSafety, DeletingAMacroByNameDeletesThatOne) {
    put(folder("keyboard") / "macro.config", R"({"MacroInfo": [{"MacroName": "first"}, {"MacroName": "second"}]})");
    const auto run = runViremoctl("macro keyboard delete second");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const Json::Value list = viremo::json::readFile(folder("keyboard") / "macro.config");
    ASSERT_EQ(list["MacroInfo"].size(), 1u);
    EXPECT_EQ(list["MacroInfo"][0]["MacroName"], "first");
}

}  // namespace
}  // namespace viremoctl
