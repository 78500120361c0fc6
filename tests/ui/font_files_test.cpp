#include "ui/font_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/atomic_file.h"

namespace viremo::ui {
namespace {

TEST(FontFilesTest, EachFileOnceInOrderRelativeNamesBesideTheList) {
    const auto folder = std::filesystem::temp_directory_path() / ("viremo-fonts-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto list = folder / "fonts.json";
    ASSERT_TRUE(writeFileAtomically(list, R"({"Fonts": [
        {"File": "/usr/share/fonts/cjk.ttc"}, {"File": "play.ttf"}, {"File": 3}, "thai.ttf",
        {"File": "/usr/share/fonts/cjk.ttc"}, {"File": ""}]})"));
    EXPECT_EQ(ReadFontFiles(list),
              (std::vector<std::filesystem::path>{"/usr/share/fonts/cjk.ttc", folder / "play.ttf"}));

    for (const char* broken : {"", "{\"Fonts\": {}}", "[\"a.ttf\"]"}) {
        ASSERT_TRUE(writeFileAtomically(list, broken));
        EXPECT_TRUE(ReadFontFiles(list).empty()) << broken;
    }
    EXPECT_TRUE(ReadFontFiles(folder / "missing.json").empty());
    std::filesystem::remove_all(folder);
}

TEST(FontFilesTest, TheShippedListNamesFilesOfTheDebianPackages) {
    const auto files = ReadFontFiles(std::filesystem::path(VIREMO_SOURCE_DIR) / "resources/Font/fonts.json");
    ASSERT_EQ(files.size(), 3u);  // both Chinese faces come from one collection
    for (const auto& file : files) EXPECT_TRUE(file.is_absolute()) << file;
}

}  // namespace
}  // namespace viremo::ui
