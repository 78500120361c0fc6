#pragma once
// Files are replaced whole: written to a temporary file in the same folder,
// flushed, then renamed over the old one, so a crash or a full disk never
// leaves half a file behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace viremo {

bool writeFileAtomically(const std::filesystem::path& file, std::string_view content);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Keeps a file that could not be parsed as "<name>.bad" (replacing an older
// one) before anything overwrites it. Returns false when it could not.
bool keepAsBad(const std::filesystem::path& file);

// Copies `from` over `to` without ever truncating `to` when `from` cannot be
// read; copying a file onto itself leaves it intact.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace viremo
