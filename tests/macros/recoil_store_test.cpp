#include "macros/recoil_store.h"

#include <gtest/gtest.h>

#include "profiles/json_file.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

using testing::readText;
using testing::scratchFolder;
using testing::writeText;

class RecoilStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = scratchFolder();
        factory = folder / "DefaultData";
        std::filesystem::create_directories(factory);
    }
    RecoilStore store() const { return RecoilStore(folder, factory); }

    std::filesystem::path folder;
    std::filesystem::path factory;
};

TEST_F(RecoilStoreTest, SavingABulletIntoAnEmptyFileWritesItsSixEvents) {
    ASSERT_TRUE(store().saveBullet(0, 2, {true, 12, false, 7, 85}));
    const Json::Value events = json::readFile(folder / "ShootData_0.Shoot")["Events"];
    ASSERT_EQ(events.size(), 18u);
    for (Json::ArrayIndex i = 0; i < 12; ++i) EXPECT_TRUE(events[i].isNull()) << i;
    const auto expected = json::parse(R"([
        {"Action": "down", "Button": 1, "Delay": 10, "Type": 1},
        {"Action": "up", "Button": 1, "Delay": 0, "Type": 1},
        {"Action": "down", "Button": 12, "Delay": 5, "Type": 4},
        {"Action": "up", "Button": 7, "Delay": 85, "Type": 5},
        {"Action": "down", "Button": 0, "Delay": 0, "Type": 4},
        {"Action": "up", "Button": 0, "Delay": 0, "Type": 5}])");
    for (Json::ArrayIndex i = 0; i < 6; ++i) EXPECT_EQ(events[12 + i], (*expected)[i]) << i;
    EXPECT_EQ(store().showBullet(0, 2), (Bullet{true, 12, false, 7, 85}));
}

TEST_F(RecoilStoreTest, SavingKeepsOtherMembersAndClampsValues) {
    writeText(folder / "ShootData_1.Shoot",
              R"({"Version": 64, "Events": [{"Type": 1, "Action": "down", "Button": 1, "Delay": 10, "Note": "kept"}]})");
    ASSERT_TRUE(store().saveBullet(1, 0, {false, 300, true, -4, 70000}));
    const Json::Value document = json::readFile(folder / "ShootData_1.Shoot");
    EXPECT_EQ(document["Version"], 64);
    EXPECT_EQ(document["Events"][0]["Note"], "kept");
    EXPECT_EQ(store().showBullet(1, 0), (Bullet{false, 255, true, 0, 65535}));
}

TEST_F(RecoilStoreTest, ShowReadsStringsAndToleratesWrongTypes) {
    writeText(folder / "ShootData_2.Shoot", R"({"Events": [null, null,
        {"Action": "DOWN", "Button": "9", "Type": 4},
        {"Action": "up", "Button": 3, "Delay": " 120", "Type": 5},
        null, null, null, null,
        {"Action": 5, "Button": [1], "Type": 4},
        {"Action": "down", "Button": {"x": 1}, "Delay": 7.5, "Type": 5}]})");
    EXPECT_EQ(store().showBullet(2, 0), (Bullet{true, 9, false, 3, 120}));
    EXPECT_EQ(store().showBullet(2, 1), (Bullet{false, 0, true, 0, 0}));
    EXPECT_EQ(store().showBullet(2, 2), Bullet{});  // beyond the events
    EXPECT_EQ(store().showBullet(3, 0), Bullet{});  // no file
    writeText(folder / "ShootData_3.Shoot", R"([1, 2, 3])");
    EXPECT_EQ(store().showBullet(3, 0), Bullet{});
    EXPECT_FALSE(store().saveBullet(4, 0, {}));
    EXPECT_FALSE(store().saveBullet(0, 30, {}));
}

TEST_F(RecoilStoreTest, InitialiseCreatesMissingAndBrokenGunsFromTheFactory) {
    for (int gun = 0; gun < 4; ++gun) writeText(factory / RecoilStore::gunFileName(gun), "factory " + std::to_string(gun));
    writeText(folder / "ShootData_1.Shoot", R"({"Events": []})");
    writeText(folder / "ShootData_2.Shoot", "not json");
    EXPECT_TRUE(store().initialise());
    EXPECT_EQ(readText(folder / "ShootData_0.Shoot"), "factory 0");
    EXPECT_EQ(readText(folder / "ShootData_1.Shoot"), R"({"Events": []})");
    EXPECT_EQ(readText(folder / "ShootData_2.Shoot"), "factory 2");
    EXPECT_EQ(readText(folder / "ShootData_2.Shoot.bad"), "not json");
}

TEST_F(RecoilStoreTest, ABulletIsNotSavedOverABrokenFile) {
    writeText(folder / "ShootData_0.Shoot", "{broken");
    EXPECT_EQ(store().readGun(0).state, json::FileState::Broken);
    EXPECT_FALSE(store().saveBullet(0, 0, {}));
    EXPECT_EQ(readText(folder / "ShootData_0.Shoot.bad"), "{broken");
    EXPECT_FALSE(std::filesystem::exists(folder / "ShootData_0.Shoot"));
}

TEST_F(RecoilStoreTest, CopiesNeverDestroyTheGunFile) {
    const auto gun = folder / "ShootData_0.Shoot";
    writeText(gun, "mine");
    EXPECT_FALSE(store().resetGun(0));  // no factory file
    EXPECT_FALSE(store().importGun(0, folder / "absent.shoot"));
    EXPECT_FALSE(store().importGun(0, ""));
    EXPECT_TRUE(store().importGun(0, gun));  // onto itself
    EXPECT_EQ(readText(gun), "mine");

    writeText(folder / "other.shoot", "theirs");
    EXPECT_TRUE(store().importGun(0, folder / "other.shoot"));
    EXPECT_EQ(readText(gun), "theirs");
    EXPECT_TRUE(store().exportGun(0, folder / "out.shoot"));
    EXPECT_EQ(readText(folder / "out.shoot"), "theirs");
}

TEST(RecoilFactoryFiles, AreFullGunsOfThirtyBullets) {
    const RecoilStore factory(VIREMO_SOURCE_DIR "/resources/DefaultData", VIREMO_SOURCE_DIR "/resources/DefaultData");
    const auto guns = factory.loadBlocks();
    for (int gun = 0; gun < 4; ++gun) {
        SCOPED_TRACE(gun);
        ASSERT_EQ(guns[size_t(gun)].size(), 180u);
        EXPECT_EQ(guns[size_t(gun)][0], (PackedMacroEvent{10, 0, 0x81, 1}));  // each bullet starts with a click
        const Bullet first = factory.showBullet(gun, 0);
        EXPECT_GT(first.vertical, 0);
        EXPECT_FALSE(first.upward);  // pulls the pointer down against the recoil
    }
    EXPECT_TRUE(buildRecoilImage(guns));
}

}  // namespace
}  // namespace viremo
