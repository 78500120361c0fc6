#pragma once
// Reads one of the user's JSON files; one that cannot be parsed is kept as
// "<name>.bad" and reads as null, like a missing one.
#include <filesystem>

#include <json/value.h>

namespace viremo {

Json::Value readUserDocument(const std::filesystem::path& file);

}  // namespace viremo
