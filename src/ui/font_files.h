#pragma once
// "Font/fonts.json" beside the skin: the font files the program loads for
// itself, in load order (Simplified Chinese, the Latin display face, Thai,
// Traditional Chinese). The files come from Debian font packages; a file
// named twice (one collection holds both Chinese faces) is loaded once.
#include <filesystem>
#include <vector>

namespace viremo::ui {

// The files to load, each once, in the file's order; empty when the list is
// missing or broken. Members that are not text are skipped.
std::vector<std::filesystem::path> ReadFontFiles(const std::filesystem::path& list);

}  // namespace viremo::ui
