#pragma once
// "main.ini" in the application data folder records the last stock image
// chosen in the skin frame (section "SKINIMAGE": "FLAGS" 1 after a stock
// image, 0 after the reset; "IMAGE" the image applied). The program only
// writes it.
#include <filesystem>
#include <string_view>

namespace viremo::ui {

inline constexpr std::string_view kSkinChoiceFileName = "main.ini";

// False when the file cannot be written.
bool WriteSkinChoice(const std::filesystem::path& folder, bool stockImage, std::string_view image);

}  // namespace viremo::ui
