#pragma once
// Open and save dialogs. Filters come as the program writes them: a
// description and a pattern list ("Profile Files(*.json)" / "*.json;"), or
// one bar-separated string of such pairs ("(*.png) | *.png |(*.*)|*.*||").
// Extensions match without regard to case: "*.json" also shows "a.Json".
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace viremo::toolkit {
class CWindowWnd;
}

namespace viremo::toolkit::qt {

struct FileFilter {
    std::string description;
    std::string pattern;  // patterns separated by ';'
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// Pairs of a bar-separated filter string; blanks around each part are
// dropped, and so is an incomplete last pair.
std::vector<FileFilter> ParseFilterString(std::string_view text);

// The filter as Qt's dialog takes it: the description as shown, then the
// patterns with every letter matching both cases; "*.*" matches any file.
QString ToQtNameFilter(const FileFilter& filter);

struct FileDialogOptions {
    CWindowWnd* owner = nullptr;  // the dialog is modal over it
    std::string title;
    std::vector<FileFilter> filters;
    std::string initialName;       // file name or folder to start with
    std::string defaultExtension;  // added to a typed name without one; empty: nothing is added
};

// The chosen file, or "" when the user cancelled. The open dialog accepts
// only existing files.
std::string GetOpenFileName(const FileDialogOptions& options);
std::string GetSaveFileName(const FileDialogOptions& options);

}  // namespace viremo::toolkit::qt
