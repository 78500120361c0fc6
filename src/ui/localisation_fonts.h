#pragma once
// The fonts of the window, all made from one face chosen by the language,
// and shared by every window of the program. The font ids are the ones the
// layouts use ("font" attributes).
#include <string_view>

namespace viremo::ui {

// Faces of the fonts the program loads itself (see "fonts.json" beside the
// skin), and the face of every other language.
inline constexpr std::string_view kSimplifiedChineseFace = "Noto Sans CJK SC";
inline constexpr std::string_view kTraditionalChineseFace = "Noto Sans CJK TC";
inline constexpr std::string_view kThaiFace = "Noto Sans Thai";
inline constexpr std::string_view kLatinFace = "Noto Sans";
// The wordmark and page titles, whatever the language.
inline constexpr std::string_view kDisplayFace = "Play";

// Ids of the display fonts, next to the table of the language's face.
inline constexpr int kDisplayTitleFont = 60;     // page titles, 18 px
inline constexpr int kDisplayWordmarkFont = 61;  // the wordmark, 20 px bold

// The face a language brings with it (indexes 0, 2 and 15 of
// "Language.config"); empty for the languages drawn with the Latin face.
std::string_view OwnFaceOfLanguage(int languageIndex);

// Replaces every font with the table made from the face, plus the display
// fonts.
void BuildFontSet(std::string_view face);

}  // namespace viremo::ui
