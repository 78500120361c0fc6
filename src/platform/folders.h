#pragma once
// Where the program keeps and finds its files.
//
//   application data  $XDG_DATA_HOME/VIREMO VR-TKL/   (default ~/.local/share)
//   device data       application data + kind folder name + "/"
//   settings          $XDG_CONFIG_HOME/VIREMO VR-TKL/ (default ~/.config)
//   resources         the install data folder, or resources/ of the source
//                     tree when run from a build tree; "DefaultData" and
//                     "skin" lie there and are only read.
//
// Folders are created when missing, each time they are asked for.
#include <filesystem>
#include <string_view>

namespace viremo::folders {

inline constexpr std::string_view kApplicationFolderName = "VIREMO VR-TKL";

std::filesystem::path applicationData();
std::filesystem::path deviceData(std::string_view kindFolderName);
std::filesystem::path settings();
std::filesystem::path resources();
std::filesystem::path defaultData();

// Tests and the demo mode point the resources somewhere else.
void setResourcesOverride(std::filesystem::path folder);

}  // namespace viremo::folders
