#pragma once
// The skin's shared look: the Default (per control class) and Style entries
// of its "res.xml", given to a window's paint manager before its layout is
// built, so that every window of the program starts from the same colours
// and control images.
#include <filesystem>

namespace viremo::toolkit {
class CPaintManagerUI;
}

namespace viremo::ui {

// Reads "res.xml" of the skin folder; false (manager unchanged) when it
// cannot be read or parsed.
bool ApplySkinDefaults(toolkit::CPaintManagerUI& manager, const std::filesystem::path& skinFolder);

}  // namespace viremo::ui
