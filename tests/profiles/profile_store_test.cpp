#include "profiles/profile_store.h"

#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::parsed;
using testing::ScratchFolder;

constexpr std::string_view kTemplate = R"({"Device": [{"LightInfo": {"SelectItem": 6}}]})";
// 2024-03-09 14:05:07.042 UTC.
const Clock::Wall kCreation = Clock::Wall(std::chrono::milliseconds(1709993107042));

struct StoreFixture : ::testing::Test {
    ScratchFolder device;
    ScratchFolder factory;
    FakeClock clock;

    StoreFixture() {
        setenv("TZ", "UTC", 1);
        tzset();
        clock.setWall(kCreation);
        factory.put("keyboard.Json", kTemplate);
    }

    ProfileStore store(int modelId = 1) { return ProfileStore(device.path(), factory / "keyboard.Json", modelId, clock); }

    // A list of profiles named `names`, with identifiers "id0", "id1", ...
    // and a profile file each.
    void makeProfiles(std::initializer_list<const char*> names, int select = 0) {
        Json::Value list;
        int i = 0;
        for (const char* name : names) {
            const std::string id = "id" + std::to_string(i++);
            Json::Value entry;
            entry["profilename"] = name;
            entry["profileUUID"] = id;
            entry["profileislink"] = 0;
            entry["profilelinkmame"] = "";
            list["profilelist"].append(entry);
            Json::Value file = parsed(kTemplate);
            file["profilename"] = name;
            file["profileUUID"] = id;
            ASSERT_TRUE(json::writeFile(device / (id + ".Json"), file));
        }
        list["profileselect"] = select;
        ASSERT_TRUE(json::writeFile(device / "ProfileList.ini", list));
    }

    std::vector<std::string> listedNames() const {
        std::vector<std::string> names;
        const Json::Value list = device.read("ProfileList.ini");
        for (const auto& entry : list["profilelist"]) names.push_back(entry["profilename"].asString());
        return names;
    }
    Json::Value listed(int index) const { return device.read("ProfileList.ini")["profilelist"][index]; }
    int storedSelection() const { return device.read("ProfileList.ini")["profileselect"].asInt(); }
};

TEST_F(StoreFixture, FirstStartWritesOneProfileFromTheTemplate) {
    auto profiles = store();
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    EXPECT_EQ(device.text("ProfileList.ini"),
              "{\n"
              "   \"profilelist\" : \n"
              "   [\n"
              "      {\n"
              "         \"profileUUID\" : \"2024_03_09_14_05_07_042\",\n"
              "         \"profileislink\" : 0,\n"
              "         \"profilelinkmame\" : \"\",\n"
              "         \"profilename\" : \"profile1\"\n"
              "      }\n"
              "   ],\n"
              "   \"profileselect\" : 0\n"
              "}\n");
    EXPECT_EQ(device.read("2024_03_09_14_05_07_042.Json"),
              parsed(R"({"Device": [{"LightInfo": {"SelectItem": 6}}], "profilename": "profile1",
                         "profileUUID": "2024_03_09_14_05_07_042"})"));
    EXPECT_EQ(profiles.GetSelectedProfileIndex(), 0);
    EXPECT_EQ(profiles.CurrentProfileFile(), device / "2024_03_09_14_05_07_042.Json");
}

TEST_F(StoreFixture, FirstStartWithoutTemplateWritesOnlyNameAndIdentifier) {
    auto profiles = ProfileStore(device.path(), factory / "absent.Json", 1, clock);
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    EXPECT_EQ(device.read("2024_03_09_14_05_07_042.Json"),
              parsed(R"({"profilename": "profile1", "profileUUID": "2024_03_09_14_05_07_042"})"));
}

TEST_F(StoreFixture, AddTakesTheFirstFreeNameAndSelectsItOnlyInTheListFile) {
    makeProfiles({"profile1", "Profile2"});
    auto profiles = store();
    profiles.LoadProfileList();
    ASSERT_EQ(profiles.AddProfile(), ProfileResult::Done);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"profile1", "Profile2", "profile3"}));
    EXPECT_EQ(storedSelection(), 2);
    EXPECT_EQ(profiles.GetSelectedProfileIndex(), 0);
    EXPECT_EQ(profiles.GetCurrentProfileUUID(), "id0");
    const std::string id = listed(2)["profileUUID"].asString();
    EXPECT_EQ(device.read(id + ".Json")["profilename"], "profile3");
    EXPECT_EQ(device.read(id + ".Json")["Device"], parsed(kTemplate)["Device"]);
}

TEST_F(StoreFixture, AReloadKeepsTheCurrentProfileUntilASwitch) {
    makeProfiles({"a", "b"});
    auto profiles = store();
    profiles.LoadProfileList();
    ASSERT_EQ(profiles.AddProfile(), ProfileResult::Done);
    EXPECT_EQ(profiles.StoredSelection(), 2);
    auto reloaded = store();
    ASSERT_EQ(reloaded.LoadProfileList("id0"), ProfileResult::Done);
    EXPECT_EQ(reloaded.GetCurrentProfileUUID(), "id0");
    EXPECT_EQ(reloaded.GetSelectedProfileIndex(), 0);
    EXPECT_EQ(storedSelection(), 2);
    // A current profile deleted meanwhile gives way to the stored selection.
    ASSERT_EQ(reloaded.LoadProfileList("gone"), ProfileResult::Done);
    EXPECT_EQ(reloaded.GetSelectedProfileIndex(), 2);
}

TEST_F(StoreFixture, LoadingWritesNothingWhenNothingNeedsRepair) {
    makeProfiles({"a", "b"}, 1);
    const auto before = std::filesystem::last_write_time(device / "ProfileList.ini");
    const std::string text = device.text("ProfileList.ini");
    std::filesystem::last_write_time(device / "ProfileList.ini", before - std::chrono::hours(1));
    auto profiles = store();
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    ASSERT_EQ(profiles.SelectProfile(1), ProfileResult::Done);
    EXPECT_EQ(std::filesystem::last_write_time(device / "ProfileList.ini"), before - std::chrono::hours(1));
    EXPECT_EQ(device.text("ProfileList.ini"), text);
}

TEST_F(StoreFixture, ABrokenProfileIsNeitherCopiedNorRenamedOver) {
    makeProfiles({"a", "b"});
    device.put("id0.Json", "{broken");
    auto profiles = store();
    profiles.LoadProfileList();
    EXPECT_EQ(profiles.CopyProfile(), ProfileResult::Unreadable);
    EXPECT_NE(profiles.Problem().find("id0.Json"), std::string::npos) << profiles.Problem();
    EXPECT_EQ(profiles.RenameProfile("c"), ProfileResult::Unreadable);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(device.text("id0.Json"), "{broken");
}

TEST_F(StoreFixture, AddStopsAtFiftyProfiles) {
    auto profiles = store();
    profiles.LoadProfileList();
    for (int i = 1; i < ProfileStore::kMaxProfiles; ++i) {
        clock.advance(std::chrono::milliseconds(1));
        ASSERT_EQ(profiles.AddProfile(), ProfileResult::Done);
    }
    const std::string before = device.text("ProfileList.ini");
    EXPECT_EQ(profiles.AddProfile(), ProfileResult::LimitReached);
    EXPECT_EQ(device.text("ProfileList.ini"), before);
    EXPECT_EQ(profiles.GetProfileCount(), 50);
}

TEST_F(StoreFixture, NewIdentifiersNeverNameAnExistingFile) {
    auto profiles = store();
    profiles.LoadProfileList();
    device.put("2024_03_09_14_05_07_043.Json", "{}");
    // The clock stands still: each add takes the next free millisecond.
    ASSERT_EQ(profiles.AddProfile(), ProfileResult::Done);
    ASSERT_EQ(profiles.AddProfile(), ProfileResult::Done);
    EXPECT_EQ(listed(1)["profileUUID"], "2024_03_09_14_05_07_044");
    EXPECT_EQ(listed(2)["profileUUID"], "2024_03_09_14_05_07_045");
    EXPECT_EQ(device.text("2024_03_09_14_05_07_043.Json"), "{}");
}

TEST_F(StoreFixture, CopyAppendsCopyUntilTheNameIsFree) {
    makeProfiles({"A", "b"});
    auto profiles = store();
    EXPECT_EQ(profiles.CopyProfile(), ProfileResult::NoSelection);
    profiles.LoadProfileList();
    ASSERT_EQ(profiles.CopyProfile(), ProfileResult::Done);
    ASSERT_EQ(profiles.CopyProfile(), ProfileResult::Done);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"A", "b", "A copy", "A copy copy"}));
    EXPECT_EQ(storedSelection(), 0);
    const Json::Value copy = device.read(listed(3)["profileUUID"].asString() + ".Json");
    EXPECT_EQ(copy["profilename"], "A copy copy");
    EXPECT_EQ(copy["profileUUID"], listed(3)["profileUUID"]);
    EXPECT_EQ(copy["Device"], parsed(kTemplate)["Device"]);
}

TEST_F(StoreFixture, ImportNamesAfterTheFileAndAddsCountersOnCollision) {
    makeProfiles({"profile1"});
    auto profiles = store();
    profiles.LoadProfileList();
    const auto file = factory.put("x.json", R"({"profilename": "ignored", "profileUUID": "old", "Extra": 1})");
    for (int i = 0; i < 3; ++i) ASSERT_EQ(profiles.ImportProfile(file), ProfileResult::Done);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"profile1", "x", "x(1)", "x(1)(2)"}));
    const Json::Value imported = device.read(listed(1)["profileUUID"].asString() + ".Json");
    EXPECT_EQ(imported["Extra"], 1);
    EXPECT_EQ(imported["profilename"], "x");
    EXPECT_EQ(imported["profileUUID"], listed(1)["profileUUID"]);
}

TEST_F(StoreFixture, ImportRefusesWhatIsNoProfileOfThisKind) {
    makeProfiles({"profile1"});
    auto profiles = store();
    profiles.LoadProfileList();
    struct Case {
        const char* fileName;
        const char* text;
        ProfileResult result;
    };
    const Case cases[] = {
        {"y.json", "[1]", ProfileResult::NotAProfile},
        {"y.json", R"({"profilename": "a"})", ProfileResult::NotAProfile},
        {"y.json", R"({"profilename": "a", "profileUUID": null})", ProfileResult::NotAProfile},
        {"y.json", "{oops", ProfileResult::Unreadable},
        {"y.json", "", ProfileResult::Unreadable},
        // A mouse profile: records a keyboard has not.
        {"y.json", R"({"profilename": "a", "profileUUID": "b", "Device": [{"DPIStages": []}]})", ProfileResult::WrongKind},
        // A profile with fewer records, as a mouse pad's is beside the headset's.
        {"y.json", R"({"profilename": "a", "profileUUID": "b", "Device": [{}]})", ProfileResult::WrongKind},
        {" .json", R"({"profilename": "a", "profileUUID": "b"})", ProfileResult::NameBlank},
        {"a\tb.json", R"({"profilename": "a", "profileUUID": "b"})", ProfileResult::NameInvalid},
        {"\xff.json", R"({"profilename": "a", "profileUUID": "b"})", ProfileResult::NameInvalid},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(profiles.ImportProfile(factory.put(c.fileName, c.text)), c.result) << c.text;
        EXPECT_NE(profiles.Problem().find(c.fileName), std::string::npos) << profiles.Problem();
    }
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"profile1"}));
}

TEST_F(StoreFixture, ImportRefusesOversizeAndSpecialFilesWithoutReadingThem) {
    makeProfiles({"profile1"});
    auto profiles = store();
    profiles.LoadProfileList();
    const auto sparse = factory / "huge.json";
    std::filesystem::resize_file(factory.put("huge.json", "{"), std::uintmax_t{1} << 31);
    EXPECT_EQ(profiles.ImportProfile(sparse), ProfileResult::Unreadable);
    EXPECT_NE(profiles.Problem().find("larger than"), std::string::npos) << profiles.Problem();
    EXPECT_EQ(profiles.ImportProfile("/dev/zero"), ProfileResult::Unreadable);
    EXPECT_NE(profiles.Problem().find("not a regular file"), std::string::npos) << profiles.Problem();
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"profile1"}));
}

TEST_F(StoreFixture, DeleteKeepsOneProfileAndSelectsThePreviousOne) {
    makeProfiles({"only"});
    {
        auto profiles = store();
        profiles.LoadProfileList();
        EXPECT_EQ(profiles.DeleteProfile(), ProfileResult::LastProfile);
        EXPECT_TRUE(device.exists("id0.Json"));
    }
    struct Case {
        int selected;
        std::vector<std::string> remaining;
        int stored;
        const char* current;
    };
    for (const Case& c : {Case{0, {"b", "c"}, 0, "id1"}, Case{1, {"a", "c"}, 0, "id0"}, Case{2, {"a", "b"}, 1, "id1"}}) {
        makeProfiles({"a", "b", "c"}, c.selected);
        auto profiles = store();
        profiles.LoadProfileList();
        ASSERT_EQ(profiles.DeleteProfile(), ProfileResult::Done);
        EXPECT_EQ(listedNames(), c.remaining);
        EXPECT_EQ(storedSelection(), c.stored);
        EXPECT_EQ(profiles.GetCurrentProfileUUID(), c.current);
        EXPECT_FALSE(device.exists("id" + std::to_string(c.selected) + ".Json"));
        for (const auto& entry : {"id0", "id1", "id2"}) device.put(std::string(entry) + ".Json", "{}");
    }
}

TEST_F(StoreFixture, RenameResults) {
    struct Case {
        const char* name;
        ProfileResult result;
        int code;
    };
    const Case cases[] = {
        {"ALPHA", ProfileResult::Done, 1},       // its own name in another case
        {"   ", ProfileResult::NameBlank, 2},    // blank, though "   " names another profile
        {"beta", ProfileResult::NameTaken, 0},   // another profile's name
        {"äRGER", ProfileResult::NameTaken, 0},  // letters beyond ASCII fold too
        {"Gamma", ProfileResult::Done, 1},
    };
    for (const auto& c : cases) {
        makeProfiles({"Alpha", "Beta", "   ", "Ärger"});
        auto profiles = store();
        profiles.LoadProfileList();
        const ProfileResult result = profiles.RenameProfile(c.name);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(renameResultCode(result), c.code) << c.name;
        const std::string expected = c.result == ProfileResult::Done ? c.name : "Alpha";
        EXPECT_EQ(listed(0)["profilename"], expected) << c.name;
        EXPECT_EQ(device.read("id0.Json")["profilename"], expected) << c.name;
    }
    auto unselected = store();
    EXPECT_EQ(unselected.RenameProfile("x"), ProfileResult::NoSelection);
}

TEST_F(StoreFixture, RenameRefusesAListEntryThatIsNotAnObject) {
    device.put("ProfileList.ini", R"({"profilelist": [[null]], "profileselect": 0})");
    auto profiles = store();
    profiles.LoadProfileList();
    EXPECT_EQ(profiles.RenameProfile("x"), ProfileResult::Unreadable);
    EXPECT_TRUE(listed(0).isArray());
}

TEST_F(StoreFixture, ResetRestoresTheTemplateKeepingNameAndIdentifier) {
    makeProfiles({"a", "b"}, 1);
    device.put("id1.Json", R"({"profilename": "b", "profileUUID": "id1", "Device": [{"LightInfo": {"SelectItem": 2},
        "CustomEQNameInfo": [{"Name": "Mine"}], "CustomEQHzValueInfo": [[{"value": 3}]]}]})");
    auto profiles = store();
    profiles.LoadProfileList();
    ASSERT_EQ(profiles.ResetProfile(), ProfileResult::Done);
    EXPECT_EQ(device.read("id1.Json"), parsed(R"({"profilename": "b", "profileUUID": "id1",
        "Device": [{"LightInfo": {"SelectItem": 6}}]})"));
}

TEST_F(StoreFixture, ResetOfTheHeadsetKeepsItsCustomEqualisers) {
    makeProfiles({"a"});
    device.put("id0.Json", R"({"profilename": "a", "profileUUID": "id0", "Device": [{"LightInfo": {"SelectItem": 2},
        "CustomEQNameInfo": [{"Name": "Mine"}], "CustomEQHzValueInfo": [[{"value": 3}]]}]})");
    auto profiles = store(7);
    profiles.LoadProfileList();
    ASSERT_EQ(profiles.ResetProfile(), ProfileResult::Done);
    EXPECT_EQ(device.read("id0.Json"), parsed(R"({"profilename": "a", "profileUUID": "id0",
        "Device": [{"LightInfo": {"SelectItem": 6}, "CustomEQNameInfo": [{"Name": "Mine"}],
                    "CustomEQHzValueInfo": [[{"value": 3}]]}]})"));
}

TEST_F(StoreFixture, ExportWritesThePathAsGivenAndRefusesAnUnreadableProfile) {
    makeProfiles({"a", "b"});
    auto profiles = store();
    profiles.LoadProfileList();
    ASSERT_EQ(profiles.ExportProfile(factory / "out"), ProfileResult::Done);
    EXPECT_EQ(factory.read("out"), device.read("id0.Json"));
    EXPECT_FALSE(factory.exists("out.json"));

    device.put("id0.Json", "{broken");
    EXPECT_EQ(profiles.ExportProfile(factory / "again.json"), ProfileResult::Unreadable);
    EXPECT_FALSE(factory.exists("again.json"));
}

TEST_F(StoreFixture, ExportKeepsAPrivateFilePrivateAndReplacesNoLink) {
    makeProfiles({"a"});
    auto profiles = store();
    profiles.LoadProfileList();
    const auto privateFile = factory.put("p.Json", "old");
    std::filesystem::permissions(privateFile, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_EQ(profiles.ExportProfile(privateFile), ProfileResult::Done);
    EXPECT_EQ(std::filesystem::status(privateFile).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    const auto link = factory / "link.Json";
    std::filesystem::create_symlink(privateFile, link);
    EXPECT_EQ(profiles.ExportProfile(link), ProfileResult::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(profiles.Problem().find("link.Json"), std::string::npos);
}

TEST_F(StoreFixture, ABrokenListIsKeptAndRebuiltFromTheProfileFiles) {
    device.put("ProfileList.ini", "{\"profilelist\": [");
    device.put("2024_01_02_00_00_00_000.Json", R"({"profilename": "Later", "profileUUID": "2024_01_02_00_00_00_000"})");
    device.put("2024_01_01_00_00_00_000.Json", R"({"profilename": "later", "profileUUID": "2024_01_01_00_00_00_000"})");
    device.put("moved.Json", R"({"profilename": "Moved", "profileUUID": "elsewhere"})");
    device.put("junk.Json", "[1]");
    auto profiles = store();
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    EXPECT_EQ(device.text("ProfileList.ini.bad"), "{\"profilelist\": [");
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"later", "Later(1)"}));
    EXPECT_EQ(profiles.GetCurrentProfileUUID(), "2024_01_01_00_00_00_000");
}

TEST_F(StoreFixture, AMissingListIsRebuiltFromTheProfileFilesLeftBehind) {
    device.put("id7.Json", R"({"profilename": "Kept", "profileUUID": "id7"})");
    auto profiles = store();
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Kept"}));
    EXPECT_EQ(profiles.GetCurrentProfileUUID(), "id7");
}

TEST_F(StoreFixture, AnEmptiedListWithoutProfileFilesFallsBackToTheFirstProfile) {
    device.put("ProfileList.ini", R"({"profilelist": [], "profileselect": 0})");
    auto profiles = store();
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    EXPECT_TRUE(device.exists("ProfileList.ini.bad"));
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"profile1"}));
}

TEST_F(StoreFixture, AStoredSelectionOutsideTheListSelectsTheLastProfile) {
    makeProfiles({"a", "b"}, 99);
    auto profiles = store();
    ASSERT_EQ(profiles.LoadProfileList(), ProfileResult::Done);
    EXPECT_EQ(profiles.GetSelectedProfileIndex(), 1);
    EXPECT_EQ(storedSelection(), 1);
    EXPECT_EQ(listedNames().size(), 2u);
    EXPECT_EQ(profiles.SelectProfile(-4), ProfileResult::Done);
    EXPECT_EQ(profiles.GetCurrentProfileUUID(), "id0");
}

TEST_F(StoreFixture, IdentifiersThatLeaveTheFolderAreNeverUsedAsFileNames) {
    makeProfiles({"a", "b"}, 1);
    Json::Value list = device.read("ProfileList.ini");
    list["profilelist"][1]["profileUUID"] = "../outside";
    ASSERT_TRUE(json::writeFile(device / "ProfileList.ini", list));
    const auto outside = device.path().parent_path() / "outside.Json";
    ASSERT_TRUE(writeFileAtomically(outside, "{}"));

    auto profiles = store();
    profiles.LoadProfileList();
    EXPECT_TRUE(profiles.CurrentProfileFile().empty());
    EXPECT_EQ(profiles.GetProfileCount(), 2);
    EXPECT_TRUE(profiles.GetProfileFilePath(1).empty());
    EXPECT_EQ(profiles.GetProfileFilePath(0), device / "id0.Json");
    EXPECT_TRUE(profiles.GetProfileFilePath(2).empty());
    ASSERT_EQ(profiles.DeleteProfile(), ProfileResult::Done);
    EXPECT_TRUE(std::filesystem::exists(outside));
    std::filesystem::remove(outside);
}

}  // namespace
}  // namespace viremo
