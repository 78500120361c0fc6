#pragma once
// Fonts the program brings with it, loaded from a folder for this process
// only. A file that is missing or not a font is skipped without a word.
#include <filesystem>
#include <string>
#include <vector>

namespace viremo::toolkit::qt {

// Loads every font file in the folder (not its sub-folders); returns the
// families added.
std::vector<std::string> LoadPrivateFonts(const std::filesystem::path& folder);

// Loads the files given (a font collection gives several families); returns
// the families added.
std::vector<std::string> LoadPrivateFontFiles(const std::vector<std::filesystem::path>& files);

// Removes the fonts LoadPrivateFonts and LoadPrivateFontFiles added.
void RemovePrivateFonts();

}  // namespace viremo::toolkit::qt
