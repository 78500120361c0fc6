#include "ui/localisation.h"

#include "platform/log.h"
#include "platform/settings_store.h"
#include "toolkit/language.h"
#include "ui/localisation_fonts.h"

namespace viremo::ui {

CLocalisation::CLocalisation(std::filesystem::path languageConfig, std::filesystem::path skinFolder,
                             SettingsStore& settings, toolkit::CLanguage& language)
    : languageConfig_(std::move(languageConfig)),
      skinFolder_(std::move(skinFolder)),
      settings_(settings),
      language_(language) {}

void CLocalisation::LoadInitialTexts() { language_.Load(skinFolder_ / kInitialLanguageFile); }

int CLocalisation::ReadStoredLanguage() const {
    if (!settings_.exists()) return 0;
    const int64_t id = settings_.integer(kLanguageSetting).value_or(kUnsetLanguageId);
    const auto entries = ReadLanguageConfig(languageConfig_);
    if (!entries) return 0;
    for (size_t index = 0; index < entries->size(); ++index) {
        if ((*entries)[index].id == id) return int(index);
    }
    return 0;
}

bool CLocalisation::ApplyLanguage(int index) {
    if (index == current_) return false;
    ApplyFonts(index);
    current_ = index;

    const auto entries = ReadLanguageConfig(languageConfig_);
    const bool known = entries && index >= 0 && size_t(index) < entries->size();
    const LanguageEntry entry = known ? (*entries)[size_t(index)] : LanguageEntry{};
    activeName_ = entry.name;
    // Without a file the texts stay those of the language before.
    if (!entry.file.empty() && !language_.Load(skinFolder_ / entry.file))
        log::linef("language %d: cannot load %s", index, entry.file.c_str());
    if (entry.id) StoreLanguage(*entry.id);
    return true;
}

void CLocalisation::ApplyFonts(int index) {
    if (const std::string_view face = OwnFaceOfLanguage(index); !face.empty()) {
        BuildFontSet(face);
        return;
    }
    // Languages without a face of their own share the Latin one: rebuild only
    // when coming from a language with its own face, or at start-up.
    if (current_ == -1 || !OwnFaceOfLanguage(current_).empty()) BuildFontSet(kLatinFace);
}

bool CLocalisation::StoreLanguage(int64_t id) {
    if (!settings_.setInteger(kLanguageSetting, id)) return false;
    log::line("写成功！");
    return true;
}

std::vector<LanguageEntry> CLocalisation::Languages() const {
    return ReadLanguageConfig(languageConfig_).value_or(std::vector<LanguageEntry>{});
}

}  // namespace viremo::ui
