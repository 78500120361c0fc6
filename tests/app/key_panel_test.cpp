// The key assignment panel through the window: a key chosen on the picture,
// a function chosen in the panel, saved in memory, then written to the
// emulated keyboard and the profile file; and a key captured from the
// keyboard while the key edit has the focus.
#include <QKeyEvent>
#include <QWindow>

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "profiles/json_file.h"
#include "toolkit/combo.h"
#include "toolkit/language.h"
#include "toolkit/option.h"
#include "ui/device_key_button.h"
#include "ui/device_page.h"
#include "ui/device_profile.h"
#include "ui/key_set_control.h"

namespace viremo::app::testing {
namespace {

using toolkit::qt::testing::Click;

constexpr int kKey = 3;
constexpr int kShortcutPage = 11;
constexpr int kKeyboardPage = 6;
constexpr int kCtrlARow = 8;  // Ctrl with O, N, Z, S, C, X, V, F, A, ...

class KeyPanelTest : public PrivateDataTest {
protected:
    void SetUp() override {
        PrivateDataTest::SetUp();
        ASSERT_TRUE(window->SelectKind(devices::kKindKeyboard));
        page = window->CurrentDevice();
        panel = dynamic_cast<ui::CKeySetControlUI*>(page->FindSubControl("KeySetControlItem"));
        ASSERT_TRUE(panel);
        window->SetMessagePresenter([this](std::string_view textId, ui::MessageButtons) {
            messages.emplace_back(textId);
            return 1;
        });
    }

    devices::CVendrakeKeyboardDevice& Keyboard() {
        return dynamic_cast<devices::CVendrakeKeyboardDevice&>(page->Driver());
    }

    // Clicks the key on the picture, shows the key panel's tab.
    void ChooseKey(int key) {
        auto* tab = dynamic_cast<toolkit::COptionUI*>(window->GetPaintManager().FindControl("key_Op_tab"));
        ASSERT_TRUE(tab);
        tab->Selected(true);
        window->GetPaintManager().Layout();
        toolkit::CControlUI* button = page->FindSubControl("key_" + std::to_string(key));
        ASSERT_TRUE(button);
        Click(*window, *button);
        ASSERT_EQ(panel->SelectedKey(), key);
        window->GetPaintManager().Layout();
    }

    void Choose(std::string_view comboName, int row) {
        auto* combo = dynamic_cast<toolkit::CComboUI*>(panel->FindSubControl(comboName));
        ASSERT_TRUE(combo) << comboName;
        combo->SelectItem(row);
        window->GetPaintManager().Layout();
    }

    void Press(std::string_view name) {
        toolkit::CControlUI* button = panel->FindSubControl(name);
        ASSERT_TRUE(button) << name;
        Click(*window, *button);
    }

    uint32_t CurrentCode(int key) { return Keyboard().KeyAssignments().at(size_t(key)).current.code(); }

    ui::CDevicePage* page = nullptr;
    ui::CKeySetControlUI* panel = nullptr;
    std::vector<std::string> messages;
};

TEST_F(KeyPanelTest, CtrlAOnAKeyIsKeptInMemoryThenWrittenToTheKeyboardAndTheProfile) {
    const std::filesystem::path file = page->GetProfilePanel()->Store().CurrentProfileFile();
    const Json::Value before = json::readFile(file);
    // Key 3 is F3 (keyboard usage 0x3C); its slot in the keyboard's table
    // holds that code until the write.
    const std::vector<uint8_t> table = demo->keyboardHandle->keyTable();
    size_t slot = 0;
    while (slot + 3 <= table.size() && !(table[slot] == 0x20 && table[slot + 1] == 0 && table[slot + 2] == 0x3C)) slot += 3;
    ASSERT_LT(slot, table.size());
    ChooseKey(kKey);
    Choose("keyset_function_combo", kShortcutPage);
    Choose("keyset_combokey_combo", kCtrlARow);
    Press("key_butt_keysave");

    EXPECT_EQ(CurrentCode(kKey), 0x200104u);
    auto* button = dynamic_cast<ui::CDeviceKeyButtonUI*>(page->FindSubControl("key_" + std::to_string(kKey)));
    ASSERT_TRUE(button);
    EXPECT_FALSE(button->GetKeySetMarkHidden()) << "the key shows that it left its default";
    EXPECT_EQ(json::readFile(file), before) << "nothing reaches the file before the write";

    Press("key_butt_prosave");
    EXPECT_EQ(demo->keyboardHandle->keyCode(slot / 3), (emulator::keyboard::KeyCode{0x20, 0x01, 0x04}));
    EXPECT_EQ(json::readFile(file)["Device"][0]["KeyList"][kKey]["Assignment"].asInt(), 0x200104);
}

TEST_F(KeyPanelTest, DefaultBringsBackTheFactoryCode) {
    ChooseKey(kKey);
    const uint32_t factory = Keyboard().KeyAssignments().at(kKey).factory.code();
    Choose("keyset_function_combo", kShortcutPage);
    Choose("keyset_combokey_combo", kCtrlARow);
    Press("key_butt_keydefalut");
    Press("key_butt_keysave");
    EXPECT_EQ(CurrentCode(kKey), factory);
}

TEST_F(KeyPanelTest, TheCapturedKeyBecomesTheKeyboardFunctionsCode) {
    ChooseKey(kKey);
    Choose("keyset_function_combo", kKeyboardPage);
    toolkit::CControlUI* edit = panel->FindSubControl(ui::CKeySetControlUI::kKeyEditName);
    ASSERT_TRUE(edit);
    Click(*window, *edit);
    ASSERT_TRUE(RunUntil([&] { return window->InputHook().IsInstalled(); }));

    QWidget* widget = toolkit::qt::testing::WidgetOf(*window);
    ASSERT_TRUE(widget && widget->windowHandle());
    // The XKB key code is the Linux key code + 8.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, KEY_A + 8u, 0, 0);
    QApplication::sendEvent(widget->windowHandle(), &down);
    EXPECT_EQ(CurrentCode(kKey), 0x200004u);
    EXPECT_EQ(edit->GetText(), toolkit::Language().Translate("keyboard_key_A"));
}

}  // namespace
}  // namespace viremo::app::testing
