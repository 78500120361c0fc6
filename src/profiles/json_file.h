#pragma once
// Reading and writing the program's JSON documents (profiles, lists, macros,
// lighting files). Comments are allowed and any value may be the root.
// Writing uses three spaces per level and ends with a line end, and replaces
// the file whole. Members are read with their type checked: a member of the
// wrong type counts as absent, so no JsonCpp exception leaves this module.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <json/value.h>

namespace viremo::json {

enum class FileState { Read, Absent, Broken };

struct Document {
    FileState state = FileState::Absent;
    Json::Value root;     // null unless state is Read
    std::string problem;  // unless Read: one line naming the file and what is wrong
};

// Absent: the file does not exist. Broken: it exists but is empty,
// unreadable, not a regular file, larger than the JSON file cap or not JSON.
Document readDocument(const std::filesystem::path& file);

// The document, or null when the file is absent, empty or broken.
Json::Value readFile(const std::filesystem::path& file);

std::optional<Json::Value> parse(std::string_view text);
std::string styledText(const Json::Value& root);
// False, writing nothing, when the text would be larger than the readers take.
bool writeFile(const std::filesystem::path& file, const Json::Value& root);

// Typed access to members of an object; anything else reads as absent.
const Json::Value* member(const Json::Value& object, std::string_view key);
std::optional<int64_t> intMember(const Json::Value& object, std::string_view key);
std::optional<std::string> stringMember(const Json::Value& object, std::string_view key);
std::optional<bool> boolMember(const Json::Value& object, std::string_view key);
const Json::Value* arrayMember(const Json::Value& object, std::string_view key);
const Json::Value* objectMember(const Json::Value& object, std::string_view key);

// A number (integral or a whole-valued double) as an integer; nullopt else.
std::optional<int64_t> asInt(const Json::Value& value);

}  // namespace viremo::json
