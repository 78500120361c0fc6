#pragma once
// Files are replaced whole: written to a temporary file in the same folder,
// flushed, then renamed over the old one, so a crash or a full disk never
// leaves half a file behind.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/bounded_file.h"

namespace viremo {

// Refuses a target that exists and is not a regular file (a link, a FIFO, a
// device) or that the user may not write. A replaced file keeps its
// permissions; a new one gets the user's umask.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view content);

// Why `file` may not be replaced ("<file>: not a regular file"), nothing
// when it may or does not exist yet.
std::optional<std::string> replaceRefusal(const std::filesystem::path& file);

// The whole file, or nothing when it is missing, unreadable, not a regular
// file or larger than `maxBytes`.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, size_t maxBytes = kResourceFileCap);

// Keeps a file that could not be parsed before anything overwrites it, as
// "<name>.bad", or "<name>.<n>.bad" with the first free n when an older one
// is kept already. Returns the name it was kept under, nothing when it could
// not be moved.
std::optional<std::filesystem::path> keepAsBad(const std::filesystem::path& file);

// Copies `from` over `to` without ever truncating `to` when `from` cannot be
// read; copying a file onto itself leaves it intact.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                        size_t maxBytes = kJsonFileCap);

}  // namespace viremo
