#include "ui/localisation.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <set>

#include "macros/key_table.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"
#include "ui/localisation_fonts.h"

namespace viremo::ui {
namespace {

const std::filesystem::path kResources = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources";
const std::filesystem::path kSkin = kResources / "skin";
const std::filesystem::path kLanguageConfig = kResources / "DefaultData" / "Language.config";

class LocalisationTest : public ::testing::Test {
protected:
    static std::filesystem::path FreshFolder() {
        const auto folder = std::filesystem::temp_directory_path() /
                            ("viremo-localisation-" + std::to_string(::getpid()) + "-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        return folder;
    }
    void TearDown() override {
        toolkit::Language().Clear();
        toolkit::CPaintManagerUI::RemoveAllFonts();
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path Write(const std::string& name, std::string_view text) {
        EXPECT_TRUE(writeFileAtomically(folder / name, text));
        return folder / name;
    }

    std::filesystem::path folder = FreshFolder();
    SettingsStore settings{folder / "settings.json"};
};

std::set<std::string> IdsOf(const std::filesystem::path& file) {
    std::set<std::string> ids;
    std::ifstream in(file);
    toolkit::CLanguage language;
    language.Load(file);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::string id;
        for (size_t i = 0; i < line.size() && line[i] != '='; ++i) {
            if (line[i] == '\\') ++i;
            id += line[i];
        }
        ids.insert(id);
        EXPECT_TRUE(language.Contains(id)) << file << ": " << line;
    }
    return ids;
}

TEST_F(LocalisationTest, SwitchingRetranslatesABuiltLayoutStoresTheChoiceAndChangesTheFace) {
    FakeClock clock;
    toolkit::CPaintManagerUI manager(clock);
    toolkit::CDialogBuilder builder;
    manager.AttachDialog(builder.Create(R"(<VerticalLayout>
          <Label name="tab" textid="kb_device_name_text"/>
          <Label name="fixed" text="kb_device_name_text"/>
        </VerticalLayout>)",
                                        nullptr, &manager));
    auto* tab = manager.FindControl("tab");
    CLocalisation localisation(kLanguageConfig, kSkin, settings, toolkit::Language());
    localisation.LoadInitialTexts();
    EXPECT_EQ(tab->GetDisplayText(), "键盘");

    ASSERT_TRUE(localisation.ApplyLanguage(1));
    EXPECT_EQ(tab->GetDisplayText(), "Keyboard");
    EXPECT_EQ(manager.FindControl("fixed")->GetDisplayText(), "kb_device_name_text");
    EXPECT_EQ(localisation.ActiveLanguageName(), "en_US");
    EXPECT_EQ(settings.integer("LANGUAGE"), 1033);
    EXPECT_EQ(toolkit::CPaintManagerUI::GetFont(-1).family, kLatinFace);
    EXPECT_EQ(toolkit::CPaintManagerUI::GetFont(kDisplayWordmarkFont).family, kDisplayFace);

    ASSERT_TRUE(localisation.ApplyLanguage(0));
    EXPECT_EQ(tab->GetDisplayText(), "键盘");
    EXPECT_EQ(settings.integer("LANGUAGE"), 2052);
    EXPECT_EQ(toolkit::CPaintManagerUI::GetFont(1), (toolkit::FontInfo{"Noto Sans CJK SC", 14, false, true, false}));
    EXPECT_EQ(toolkit::CPaintManagerUI::GetFont(50), (toolkit::FontInfo{"Noto Sans CJK SC", 18, true, false, false}));

    // The language shown already: nothing reloaded, nothing to tell.
    int reloads = 0;
    const int listener = toolkit::Language().AddListener([&] { ++reloads; });
    EXPECT_FALSE(localisation.ApplyLanguage(0));
    EXPECT_EQ(reloads, 0);
    toolkit::Language().RemoveListener(listener);
}

TEST_F(LocalisationTest, FacesFollowTheLanguageIndex) {
    const auto config = Write("Language.config", R"({"Language": []})");
    CLocalisation localisation(config, kSkin, settings, toolkit::Language());
    const auto face = [] { return toolkit::CPaintManagerUI::GetFont(-1).family; };

    localisation.ApplyLanguage(0);
    EXPECT_EQ(face(), kSimplifiedChineseFace);
    localisation.ApplyLanguage(5);
    EXPECT_EQ(face(), kLatinFace);
    // From one Latin language to another the fonts are kept as they are.
    toolkit::CPaintManagerUI::AddFont(-1, {"Marker", 12, false, false, false});
    localisation.ApplyLanguage(7);
    EXPECT_EQ(face(), "Marker");
    localisation.ApplyLanguage(15);
    EXPECT_EQ(face(), kThaiFace);
    localisation.ApplyLanguage(2);
    EXPECT_EQ(face(), kTraditionalChineseFace);
    localisation.ApplyLanguage(1);
    EXPECT_EQ(face(), kLatinFace);
    // An index the file does not list stores nothing.
    EXPECT_FALSE(settings.exists());
}

TEST_F(LocalisationTest, StoredLanguageAndItsFallbacks) {
    const auto config = Write("Language.config", R"({"Language": [
        {"Language_ID": 2052, "Language_file": "lan_cn.lang"},
        "not an object",
        {"Language_ID": 520, "Language_file": "lan_en.lang"},
        {"Language_ID": 1033, "Language_file": "lan_en.lang"}]})");
    CLocalisation localisation(config, kSkin, settings, toolkit::Language());

    EXPECT_EQ(localisation.ReadStoredLanguage(), 0);  // no settings file
    Write("settings.json", R"({"UpdateServiceUrl": ""})");
    EXPECT_EQ(localisation.ReadStoredLanguage(), 2);  // no choice: the entry of id 520
    settings.setInteger("LANGUAGE", 1033);
    EXPECT_EQ(localisation.ReadStoredLanguage(), 3);
    settings.setInteger("LANGUAGE", 42);
    EXPECT_EQ(localisation.ReadStoredLanguage(), 0);

    Write("settings.json", R"({"LANGUAGE": "1033"})");
    EXPECT_EQ(localisation.ReadStoredLanguage(), 2);  // of the wrong type: no choice

    Write("settings.json", "{\"LANGUAGE\": 10");
    EXPECT_EQ(localisation.ReadStoredLanguage(), 2);
    EXPECT_TRUE(std::filesystem::exists(folder / "settings.json.bad"));

    settings.setInteger("LANGUAGE", 1033);
    for (const char* broken : {"", "{\"Language\": ", "{\"Language\": {}}", "[]"}) {
        SCOPED_TRACE(broken);
        Write("Language.config", broken);
        EXPECT_EQ(localisation.ReadStoredLanguage(), 0);
    }
}

TEST_F(LocalisationTest, BrokenConfigOnASwitchKeepsTheTextsAndTheStoredChoice) {
    const auto config = Write("Language.config", "{ broken");
    settings.setInteger("LANGUAGE", 1033);
    CLocalisation localisation(config, kSkin, settings, toolkit::Language());
    localisation.LoadInitialTexts();

    EXPECT_TRUE(localisation.ApplyLanguage(1));
    EXPECT_EQ(localisation.CurrentLanguage(), 1);
    EXPECT_EQ(localisation.ActiveLanguageName(), "");
    EXPECT_EQ(toolkit::Language().Translate("ms_device_name_text"), "鼠标");
    EXPECT_EQ(settings.integer("LANGUAGE"), 1033);
    EXPECT_TRUE(localisation.Languages().empty());
}

TEST_F(LocalisationTest, EveryLanguageTranslatesTheSameIdsAndEveryKeyName) {
    const auto languages = CLocalisation(kLanguageConfig, kSkin, settings, toolkit::Language()).Languages();
    ASSERT_EQ(languages.size(), 2u);
    const std::set<std::string> chinese = IdsOf(kSkin / languages[0].file);
    const std::set<std::string> english = IdsOf(kSkin / languages[1].file);
    EXPECT_EQ(chinese, english);
    for (const auto& language : languages) EXPECT_TRUE(english.count(language.textId)) << language.textId;
    for (const KeyTableRow& row : keyTable()) EXPECT_TRUE(english.count(std::string(row.nameId))) << row.nameId;
    for (const char* id : {"message_text_2", "message_text_4", "message_text_5", "message_text_6", "message_text_7",
                           "message_text_16", "message_text_22", "message_text_25", "UpdateIsLastText",
                           "software_rev_text", "kb_device_name_text", "light_set_clockwise_text"})
        EXPECT_TRUE(english.count(id)) << id;
}

}  // namespace
}  // namespace viremo::ui
