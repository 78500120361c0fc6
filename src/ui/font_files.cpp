#include "ui/font_files.h"

#include <algorithm>

#include "profiles/json_file.h"

namespace viremo::ui {

std::vector<std::filesystem::path> ReadFontFiles(const std::filesystem::path& list) {
    std::vector<std::filesystem::path> files;
    const Json::Value root = json::readFile(list);
    const Json::Value* fonts = json::arrayMember(root, "Fonts");
    if (!fonts) return files;
    for (const Json::Value& font : *fonts) {
        const auto file = json::stringMember(font, "File");
        if (!file || file->empty()) continue;
        std::filesystem::path path = list.parent_path() / *file;  // an absolute name stays as it is
        if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(std::move(path));
    }
    return files;
}

}  // namespace viremo::ui
