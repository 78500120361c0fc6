#include "ui/localisation_fonts.h"

#include <array>

#include "toolkit/paint_manager.h"
#include "toolkit/render.h"

namespace viremo::ui {

namespace {

struct FontRow {
    int id;  // -1: the default font
    int size;
    bool bold;
    bool underline;
};

// In the order the fonts are added.
constexpr std::array kFontTable{
    FontRow{0, 15, false, false},  FontRow{-1, 12, false, false}, FontRow{1, 14, false, true},
    FontRow{2, 18, false, false},  FontRow{3, 30, false, false},  FontRow{4, 16, false, false},
    FontRow{5, 20, false, false},  FontRow{6, 22, false, false},  FontRow{7, 14, false, false},
    FontRow{8, 12, false, false},  FontRow{9, 11, false, false},  FontRow{10, 10, false, false},
    FontRow{11, 28, false, false}, FontRow{50, 18, true, false},  FontRow{51, 7, true, false},
};

constexpr std::array kDisplayFonts{
    FontRow{kDisplayTitleFont, 18, false, false},
    FontRow{kDisplayWordmarkFont, 20, true, false},
};

toolkit::FontInfo MakeFont(std::string_view face, const FontRow& row) {
    return {std::string(face), row.size, row.bold, row.underline, false};
}

}  // namespace

std::string_view OwnFaceOfLanguage(int languageIndex) {
    switch (languageIndex) {
    case 0: return kSimplifiedChineseFace;
    case 2: return kTraditionalChineseFace;
    case 15: return kThaiFace;
    default: return {};
    }
}

void BuildFontSet(std::string_view face) {
    toolkit::CPaintManagerUI::RemoveAllFonts();
    for (const FontRow& row : kFontTable) toolkit::CPaintManagerUI::AddFont(row.id, MakeFont(face, row));
    for (const FontRow& row : kDisplayFonts) toolkit::CPaintManagerUI::AddFont(row.id, MakeFont(kDisplayFace, row));
}

}  // namespace viremo::ui
