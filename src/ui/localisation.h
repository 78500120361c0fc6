#pragma once
// The language of the program: which languages exist ("Language.config"),
// which one the user chose (the "LANGUAGE" setting, holding a
// "Language_ID"), and the switch to another one: its fonts, its texts, the
// stored choice. The main window owns one and applies the stored language at
// start-up; the settings window's choice reaches it as a language index.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/localisation_config.h"

namespace viremo {
class SettingsStore;
}
namespace viremo::toolkit {
class CLanguage;
}

namespace viremo::ui {

// The language file loaded before any language is applied.
inline constexpr std::string_view kInitialLanguageFile = "lan_cn.lang";
// The setting that holds the chosen "Language_ID".
inline constexpr std::string_view kLanguageSetting = "LANGUAGE";
// The "Language_ID" looked for when the settings hold no choice.
inline constexpr int64_t kUnsetLanguageId = 520;

class CLocalisation {
public:
    // languageConfig: "Language.config"; skinFolder: where the language files
    // lie.
    CLocalisation(std::filesystem::path languageConfig, std::filesystem::path skinFolder, SettingsStore& settings,
                  toolkit::CLanguage& language);

    // Loads kInitialLanguageFile, so that every text has a translation
    // before the stored language is applied.
    void LoadInitialTexts();

    // The index of the stored language: 0 without a settings file or when
    // no language of "Language.config" has the stored id.
    int ReadStoredLanguage() const;

    // Switches to the language at the index: its fonts, its texts (every
    // control in text-id mode is translated again) and the stored choice.
    // An index that "Language.config" does not list keeps the texts and
    // stores nothing. True when something changed: the caller then re-lays
    // out and repaints its windows (the fonts may have changed) and tells its
    // open child windows (message 3089). False when it is the current
    // language already: nothing done.
    bool ApplyLanguage(int index);

    // Writes the "Language_ID" to the settings; false when it cannot.
    bool StoreLanguage(int64_t id);

    int CurrentLanguage() const { return current_; }
    const std::string& ActiveLanguageName() const { return activeName_; }

    // The languages of "Language.config" (empty when it cannot be read).
    std::vector<LanguageEntry> Languages() const;

private:
    void ApplyFonts(int index);

    std::filesystem::path languageConfig_;
    std::filesystem::path skinFolder_;
    SettingsStore& settings_;
    toolkit::CLanguage& language_;
    int current_ = -1;
    std::string activeName_;
};

}  // namespace viremo::ui
