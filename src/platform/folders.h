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
//
// XDG paths that are not absolute are ignored; without $HOME the home comes
// from the password database. With no home at all there is no private place
// for the data: the program says so and stops rather than use a shared one.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace viremo::folders {

inline constexpr std::string_view kApplicationFolderName = "VIREMO VR-TKL";

// Why the data and settings folders cannot be found, nothing when they can.
// Call it at start; the folder functions below throw std::runtime_error
// with this reason when asked anyway.
std::optional<std::string> homeProblem();

std::filesystem::path applicationData();
std::filesystem::path deviceData(std::string_view kindFolderName);
std::filesystem::path settings();
std::filesystem::path resources();
std::filesystem::path defaultData();
// The folder of the running program; empty when it cannot be told.
std::filesystem::path executableFolder();

// Tests and the demo mode point the resources somewhere else.
void setResourcesOverride(std::filesystem::path folder);

}  // namespace viremo::folders
