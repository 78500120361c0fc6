#include "profiles/json_file.h"

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "profiles/time_stamp_id.h"

#include <regex>
#include <unistd.h>

namespace viremo {
namespace {

std::filesystem::path scratchFile(const char* name) {
    auto folder = std::filesystem::temp_directory_path() / ("viremo-json-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder / name;
}

TEST(JsonFile, ReadsCommentsAndAnyRootAndTellsAbsentFromBroken) {
    const auto file = scratchFile("doc.Json");
    ASSERT_TRUE(writeFileAtomically(file, "// comment\n[1, 2]"));
    const auto document = json::readDocument(file);
    EXPECT_EQ(document.state, json::FileState::Read);
    EXPECT_EQ(document.root.size(), 2u);

    ASSERT_TRUE(writeFileAtomically(file, "{\"a\": "));
    EXPECT_EQ(json::readDocument(file).state, json::FileState::Broken);
    ASSERT_TRUE(writeFileAtomically(file, ""));
    EXPECT_EQ(json::readDocument(file).state, json::FileState::Broken);
    EXPECT_EQ(json::readDocument(scratchFile("absent.Json")).state, json::FileState::Absent);
    EXPECT_TRUE(json::readFile(file).isNull());
}

TEST(JsonFile, WritesThreeSpaceIndentAndLineEnd) {
    Json::Value root;
    root["profileselect"] = 0;
    EXPECT_EQ(json::styledText(root), "{\n   \"profileselect\" : 0\n}\n");
}

TEST(JsonFile, NeverWritesWhatItWouldNotReadBack) {
    const auto file = scratchFile("big.Json");
    ASSERT_TRUE(writeFileAtomically(file, "{}"));
    EXPECT_FALSE(json::writeFile(file, Json::Value(std::string(kJsonFileCap, 'x'))));
    EXPECT_EQ(readWholeFile(file), "{}");
}

TEST(JsonFile, MembersOfTheWrongTypeReadAsAbsent) {
    const auto root = *json::parse(R"({"n": 3, "s": "3", "d": 2.0, "f": 2.5, "a": [], "o": {}})");
    EXPECT_EQ(json::intMember(root, "n"), 3);
    EXPECT_EQ(json::intMember(root, "d"), 2);
    EXPECT_EQ(json::intMember(root, "s"), std::nullopt);
    EXPECT_EQ(json::intMember(root, "f"), std::nullopt);
    EXPECT_EQ(json::stringMember(root, "n"), std::nullopt);
    EXPECT_NE(json::arrayMember(root, "a"), nullptr);
    EXPECT_EQ(json::arrayMember(root, "o"), nullptr);
    EXPECT_EQ(json::intMember(Json::Value(5), "n"), std::nullopt);
}

TEST(TimeStampIdentifier, HasTheFixedForm) {
    FakeClock clock;
    EXPECT_TRUE(std::regex_match(timeStampIdentifier(clock),
                                 std::regex(R"(\d{4}_\d\d_\d\d_\d\d_\d\d_\d\d_\d\d\d)")));
}

}  // namespace
}  // namespace viremo
