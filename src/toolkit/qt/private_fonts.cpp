#include "toolkit/qt/private_fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <system_error>

namespace viremo::toolkit::qt {

namespace {

std::vector<int>& LoadedFonts() {
    static std::vector<int> ids;
    return ids;
}

}  // namespace

std::vector<std::string> LoadPrivateFonts(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error)) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return LoadPrivateFontFiles(files);
}

std::vector<std::string> LoadPrivateFontFiles(const std::vector<std::filesystem::path>& files) {
    std::vector<std::string> families;
    for (const auto& file : files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromStdString(file.string()));
        if (id < 0) continue;
        LoadedFonts().push_back(id);
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) families.push_back(family.toStdString());
    }
    return families;
}

void RemovePrivateFonts() {
    for (int id : LoadedFonts()) QFontDatabase::removeApplicationFont(id);
    LoadedFonts().clear();
}

}  // namespace viremo::toolkit::qt
