#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/atomic_file.h"

namespace viremo {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("viremo-settings-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(SettingsStoreTest, WriteCreatesTheFileAndKeepsOtherMembers) {
    SettingsStore store(folder / "settings.json");
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.integer("LANGUAGE"), std::nullopt);

    ASSERT_TRUE(store.setText("UpdateServiceUrl", "https://example.invalid/"));
    ASSERT_TRUE(store.setInteger("LANGUAGE", 1033));
    ASSERT_TRUE(store.setInteger("LANGUAGE", 2052));

    SettingsStore again(folder / "settings.json");
    EXPECT_TRUE(again.exists());
    EXPECT_EQ(again.integer("LANGUAGE"), 2052);
    EXPECT_EQ(again.text("UpdateServiceUrl"), "https://example.invalid/");
}

TEST_F(SettingsStoreTest, MembersOfTheWrongTypeReadAsAbsent) {
    ASSERT_TRUE(writeFileAtomically(folder / "settings.json",
                                    R"({"LANGUAGE": "2052", "UpdateServiceUrl": 7, "Big": 1e30})"));
    SettingsStore store(folder / "settings.json");
    EXPECT_EQ(store.integer("LANGUAGE"), std::nullopt);
    EXPECT_EQ(store.text("UpdateServiceUrl"), std::nullopt);
    EXPECT_EQ(store.integer("Big"), std::nullopt);
}

TEST_F(SettingsStoreTest, BrokenFileIsKeptAsBadAndReplacedOnWrite) {
    const std::string tooDeep = "{\"LANGUAGE\": " + std::string(100000, '[');
    for (const std::string& broken : {std::string("{\"LANGUAGE\": 20"), std::string("[1, 2]"), std::string(), tooDeep}) {
        SCOPED_TRACE(broken.substr(0, 20));
        std::filesystem::remove(folder / "settings.json.bad");  // a later .bad would be numbered
        ASSERT_TRUE(writeFileAtomically(folder / "settings.json", broken));
        SettingsStore store(folder / "settings.json");
        EXPECT_EQ(store.integer("LANGUAGE"), std::nullopt);
        EXPECT_EQ(readWholeFile(folder / "settings.json.bad"), broken);

        ASSERT_TRUE(store.setInteger("LANGUAGE", 1033));
        EXPECT_EQ(store.integer("LANGUAGE"), 1033);
    }
}

}  // namespace
}  // namespace viremo
