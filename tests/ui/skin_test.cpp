// The skin as shipped: every file it names is there, every device layout
// builds and holds the controls the device pages look up, every text it shows
// is translated in every language.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <map>
#include <set>

#include "platform/clock.h"
#include "toolkit/container.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/image_description.h"
#include "toolkit/label.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"
#include "toolkit/tab_layout.h"
#include "ui/localisation_config.h"
#include "ui/program_controls.h"
#include "ui/skin_defaults.h"
#include "ui/stand_in_control.h"

namespace viremo::ui {
namespace {

const std::filesystem::path kSkin = std::filesystem::path(VIREMO_SOURCE_DIR) / "resources" / "skin";

// Attributes that hold image descriptions.
const std::set<std::string> kImageAttributes = {"bkimage", "normalimage", "hotimage", "pushedimage",
                                                "disabledimage", "selectedimage", "lightimage", "keysetimage",
                                                "thumbimage", "thumbhotimage", "thumbpushedimage", "foreimage"};

void ExpectImageExists(std::string_view description, const std::string& where) {
    const std::string file = toolkit::ParseImageDescription(description).file;
    if (file.empty()) return;
    EXPECT_TRUE(std::filesystem::is_regular_file(kSkin / file)) << where << ": " << file;
}

// Walks every element and attribute of an XML file (attribute lists inside
// Default and Style values included).
template <class Visit>
void ForEachAttribute(const std::filesystem::path& file, Visit visit) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file(file.c_str())) << file;
    for (pugi::xpath_node node : document.select_nodes("//*")) {
        for (pugi::xml_attribute attribute : node.node().attributes()) {
            if (std::string_view(attribute.name()) != "value") {
                visit(std::string(attribute.name()), std::string(attribute.value()));
                continue;
            }
            pugi::xml_document list;
            const std::string wrapped = "<a " + std::string(attribute.value()) + "/>";
            ASSERT_TRUE(list.load_string(wrapped.c_str())) << attribute.value();
            for (pugi::xml_attribute inner : list.first_child().attributes()) visit(inner.name(), inner.value());
        }
    }
}

std::vector<std::filesystem::path> DeviceLayouts() {
    return {kSkin / "XML/DeviceXml/keyboarddevice.xml", kSkin / "XML/DeviceXml/mousedevice.xml",
            kSkin / "XML/DeviceXml/mousepaddevice.xml", kSkin / "XML/DeviceXml/hs6533device.xml",
            kSkin / "XML/CustomControlXML/ShootControl.xml"};
}

TEST(SkinTest, EveryFileTheSkinNamesIsThere) {
    std::vector<std::filesystem::path> files = DeviceLayouts();
    files.push_back(kSkin / "res.xml");
    for (const auto& file : files) {
        ForEachAttribute(file, [&](const std::string& name, const std::string& value) {
            if (name == "file") {
                EXPECT_TRUE(std::filesystem::is_regular_file(kSkin / value)) << value;
            }
            if (kImageAttributes.count(name)) ExpectImageExists(value, file.filename().string());
        });
    }
}

TEST(SkinTest, DefaultsAndStylesReachTheControlsOfALayout) {
    FakeClock clock;
    toolkit::CPaintManagerUI manager(clock);
    ASSERT_TRUE(ApplySkinDefaults(manager, kSkin));
    EXPECT_FALSE(ApplySkinDefaults(manager, kSkin / "missing"));
    toolkit::CDialogBuilder builder;
    auto root = builder.Create(R"(<VerticalLayout><Label name="plain"/><Label name="title" style="caption"/>
                                  <Button name="ok"/></VerticalLayout>)",
                               nullptr, &manager);
    ASSERT_TRUE(root) << builder.GetLastError();
    manager.AttachDialog(std::move(root));
    EXPECT_EQ(dynamic_cast<toolkit::CLabelUI*>(manager.FindControl("plain"))->GetTextColor(), 0xFFE8EAEDu);
    EXPECT_EQ(dynamic_cast<toolkit::CLabelUI*>(manager.FindControl("title"))->GetTextColor(), 0xFF9AA0A6u);
    EXPECT_EQ(manager.FindControl("ok")->GetFixedHeight(), 28);
}

struct PageCase {
    const char* layout;
    std::set<int> keys;
    int lights;
    std::vector<const char*> names;
};

std::set<int> Range(int count) {
    std::set<int> numbers;
    for (int i = 0; i < count; ++i) numbers.insert(i);
    return numbers;
}

// The 87 keys of a tenkeyless board, by the keyboard's key numbers.
std::set<int> TenkeylessKeys() {
    std::set<int> keys = Range(16);                      // Esc, F1-F12, Print Screen, Scroll Lock, Pause
    for (int k = 21; k <= 37; ++k) keys.insert(k);       // ` 1-0 - = Backspace Insert Home Page Up
    for (int k = 42; k <= 58; ++k) keys.insert(k);       // Tab Q-P [ ] \ Delete End Page Down
    for (int k = 63; k <= 75; ++k) keys.insert(k);       // Caps Lock A-L ; ' Enter
    for (int k = 84; k <= 96; ++k) keys.insert(k);       // Shift Z-/ Shift Up
    for (int k = 105; k <= 115; ++k) keys.insert(k);     // bottom row and the arrows
    return keys;
}

TEST(SkinTest, DevicePagesHoldTheControlsTheirDevicesLookUp) {
    RegisterProgramControls();
    RegisterControlStandIns();
    const std::vector<const char*> common = {"SelectPanel", "device_function_switch", "device_key_function_switch",
                                             "DeviceProfileItem", "LightControlItem", "deng_Op_tab"};
    const std::vector<PageCase> cases = {
        {"XML/DeviceXml/keyboarddevice.xml", TenkeylessKeys(), 0,
         {"KeySetControlItem", "MacroControlItem", "key_Op_tab", "macro_Op_tab", "system_Op_tab", "cursor_Op_tab"}},
        {"XML/DeviceXml/mousedevice.xml", Range(11), 15,
         {"mouse_device_seting_layout", "KeySetControlItem", "MacroControlItem", "ShootControlItem",
          "device_setkeyinfo_list", "logo", "cursor_Op_tab"}},
        {"XML/DeviceXml/mousepaddevice.xml", {}, 15, {}},
        {"XML/DeviceXml/hs6533device.xml", {}, 13, {"6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}},
    };
    for (const PageCase& page : cases) {
        SCOPED_TRACE(page.layout);
        FakeClock clock;
        toolkit::CPaintManagerUI manager(clock);
        ApplySkinDefaults(manager, kSkin);
        toolkit::CPaintManagerUI::SetResourcePath(kSkin);
        toolkit::CDialogBuilder builder;
        auto root = builder.Create(page.layout, nullptr, &manager);
        ASSERT_TRUE(root) << builder.GetLastError();
        manager.AttachDialog(std::move(root));
        manager.OnSize({800, 476});
        manager.Layout();

        for (const auto& list : {common, page.names})
            for (const char* name : list) EXPECT_TRUE(manager.FindControl(name)) << name;
        EXPECT_TRUE(dynamic_cast<toolkit::CTabLayoutUI*>(manager.FindControl("device_function_switch")));
        EXPECT_TRUE(dynamic_cast<toolkit::CTabLayoutUI*>(manager.FindControl("device_key_function_switch")));

        auto* panel = dynamic_cast<toolkit::CContainerUI*>(manager.FindControl("SelectPanel"));
        ASSERT_TRUE(panel);
        std::set<int> keys;
        std::set<int> lights;
        for (toolkit::CControlUI* button : panel->FindSubControlsByClass("DeviceKeyButton")) {
            const std::string& name = button->GetName();
            if (name == "logo") continue;
            const bool isKey = name.rfind("key_", 0) == 0;
            (isKey ? keys : lights).insert(std::stoi(name.substr(isKey ? 4 : 6)));
            // On the picture, and not covering another button.
            EXPECT_TRUE(panel->GetPos().Intersection(button->GetPos()) == button->GetPos()) << name;
            for (toolkit::CControlUI* other : panel->FindSubControlsByClass("DeviceKeyButton")) {
                if (other == button) continue;
                EXPECT_TRUE(other->GetPos().Intersection(button->GetPos()).IsEmpty()) << name << " " << other->GetName();
            }
        }
        EXPECT_EQ(keys, page.keys);
        EXPECT_EQ(lights, Range(page.lights));
    }
}

TEST(SkinTest, EveryTextOfTheLayoutsIsTranslatedInEveryLanguage) {
    const auto languages = ReadLanguageConfig(std::filesystem::path(VIREMO_SOURCE_DIR) /
                                              "resources/DefaultData/Language.config");
    ASSERT_TRUE(languages && !languages->empty());
    for (const LanguageEntry& language : *languages) {
        toolkit::CLanguage texts;
        ASSERT_TRUE(texts.Load(kSkin / language.file));
        for (const auto& layout : DeviceLayouts()) {
            ForEachAttribute(layout, [&](const std::string& name, const std::string& value) {
                if (name == "textid") {
                    EXPECT_TRUE(texts.Contains(value)) << language.file << ": " << value;
                }
            });
        }
    }
}

}  // namespace
}  // namespace viremo::ui
