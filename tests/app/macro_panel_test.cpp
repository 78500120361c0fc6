// The macro panel through the window: a macro added shows in the key
// panel's macro list, and recording from synthesised key events on the
// offscreen window.
#include <QKeyEvent>
#include <QWindow>

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include "app_test_support.h"
#include "devices/device_tables.h"
#include "devices/keyboard/keyboard_device.h"
#include "macros/macro_library.h"
#include "toolkit/combo.h"
#include "toolkit/language.h"
#include "toolkit/list.h"
#include "toolkit/option.h"
#include "ui/device_page.h"
#include "ui/key_set_control.h"
#include "ui/macro_control.h"

namespace viremo::app::testing {
namespace {

using toolkit::qt::testing::Click;

class MacroPanelTest : public PrivateDataTest {
protected:
    void SetUp() override {
        PrivateDataTest::SetUp();
        ASSERT_TRUE(window->SelectKind(devices::kKindKeyboard));
        page = window->CurrentDevice();
        auto* tab = dynamic_cast<toolkit::COptionUI*>(window->GetPaintManager().FindControl("macro_Op_tab"));
        ASSERT_TRUE(tab);
        tab->Selected(true);
        window->GetPaintManager().Layout();
        panel = dynamic_cast<ui::CMacroControlUI*>(page->FindSubControl("MacroControlItem"));
        keys = dynamic_cast<ui::CKeySetControlUI*>(page->FindSubControl("KeySetControlItem"));
        ASSERT_TRUE(panel && keys);
        window->SetMessagePresenter([this](std::string_view textId, ui::MessageButtons) {
            messages.emplace_back(textId);
            return answers.empty() ? 1 : answers[messages.size() - 1];
        });
    }

    void Press(std::string_view name) {
        window->GetPaintManager().Layout();
        toolkit::CControlUI* button = panel->FindSubControl(name);
        ASSERT_TRUE(button) << name;
        ASSERT_TRUE(button->IsVisible() && button->IsEnabled()) << name;
        Click(*window, *button);
    }

    // A key as X11 and Wayland deliver it: the XKB key code is evdev + 8.
    void SendKey(QEvent::Type type, bool autoRepeat = false, Qt::Key key = Qt::Key_A, unsigned evdev = KEY_A) {
        QWidget* widget = toolkit::qt::testing::WidgetOf(*window);
        ASSERT_TRUE(widget && widget->windowHandle());
        QKeyEvent event(type, key, Qt::NoModifier, evdev + 8u, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(widget->windowHandle(), &event);
    }

    // Holds A long enough to repeat four times, then lets it go.
    void RecordHeldA() {
        Press("macro_btn_starredio");
        ASSERT_TRUE(panel->IsRecording());
        SendKey(QEvent::KeyPress);
        for (int i = 0; i < 4; ++i) SendKey(QEvent::KeyPress, true);
        SendKey(QEvent::KeyRelease);
        Press("macro_btn_stopredio");
        ASSERT_FALSE(panel->IsRecording());
    }

    Json::Value SavedEvents() {
        MacroLibrary library(page->Driver().DeviceDataFolder());
        return library.readEventFile(panel->GetSelectedMacroIndex())["Events"];
    }

    ui::CDevicePage* page = nullptr;
    ui::CMacroControlUI* panel = nullptr;
    ui::CKeySetControlUI* keys = nullptr;
    std::vector<std::string> messages;
    std::vector<int> answers;  // one per question; empty: OK to all
};

TEST_F(MacroPanelTest, AnAddedMacroIsOfferedByTheKeyPanel) {
    Press("macro_btn_name_add");
    EXPECT_EQ(keys->MacroNames(), std::vector<std::string>{"macro_1"});
    auto* combo = dynamic_cast<toolkit::CComboUI*>(keys->FindSubControl("keyset_macro_combo"));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->GetCount(), 1);
}

TEST_F(MacroPanelTest, RenamingReachesTheKeyPanelAndATakenNameIsSaid) {
    Press("macro_btn_name_add");
    Press("macro_btn_name_add");
    toolkit::CControlUI* edit = panel->FindSubControl("macro_edit_macroname");
    ASSERT_TRUE(edit);
    edit->SetText("Reload");
    Press("macro_btn_name_edit");
    EXPECT_EQ(keys->MacroNames(), (std::vector<std::string>{"macro_1", "Reload"}));
    EXPECT_TRUE(messages.empty());

    edit->SetText("MACRO_1");
    Press("macro_btn_name_edit");
    EXPECT_EQ(messages, std::vector<std::string>{"message_text_5"});
    EXPECT_EQ(keys->MacroNames(), (std::vector<std::string>{"macro_1", "Reload"}));
}

TEST_F(MacroPanelTest, RecordingWithoutAMacroIsRefusedWithAReason) {
    Press("macro_btn_starredio");
    EXPECT_FALSE(panel->IsRecording());
    EXPECT_FALSE(window->InputHook().IsInstalled());
    EXPECT_EQ(panel->FindSubControl("macro_record_text")->GetText(),
              toolkit::Language().Translate("macro_record_no_macro_text"));
}

TEST_F(MacroPanelTest, AHeldKeyRecordsOneDownAndOneUp) {
    Press("macro_btn_name_add");
    RecordHeldA();
    const Json::Value events = SavedEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]["Type"].asInt(), 10);
    EXPECT_EQ(events[0]["Button"].asInt(), 0x04);
    EXPECT_EQ(events[0]["Action"].asString(), "down");
    EXPECT_EQ(events[1]["Action"].asString(), "up");
}

TEST_F(MacroPanelTest, FixedDelayGivesEveryEventThatDelay) {
    Press("macro_btn_name_add");
    Press("macro_check_time");
    panel->FindSubControl("macro_fixed_time_edit")->SetText("80");
    RecordHeldA();
    const Json::Value events = SavedEvents();
    ASSERT_EQ(events.size(), 2u);
    for (const Json::Value& event : events) EXPECT_EQ(event["Delay"].asString(), "80");
}

// A recording from a row's event menu works on that row: B pressed and
// released goes before it, after it, or becomes its key (keeping its
// action). The list is A down, A up; HID usages: A 0x04, B 0x05.
TEST_F(MacroPanelTest, EventMenuRecordingsPlaceEventsAroundOrIntoTheRow) {
    struct Case {
        const char* item;
        std::vector<std::pair<int, std::string>> events;  // key usage, action
    };
    const Case cases[] = {
        {"redio_previous_ignore_time", {{5, "down"}, {5, "up"}, {4, "down"}, {4, "up"}}},
        {"redio_later_ignore_time", {{4, "down"}, {5, "down"}, {5, "up"}, {4, "up"}}},
        {"macro_action_edit", {{5, "down"}, {4, "up"}}},
    };
    for (const Case& c : cases) {
        Press("macro_btn_name_add");
        RecordHeldA();
        auto* list = dynamic_cast<toolkit::CListUI*>(panel->FindSubControl("macro_action_list"));
        ASSERT_TRUE(list && list->GetCount() == 2) << c.item;
        window->GetPaintManager().SendNotify(list->GetItemAt(0), "menu");
        window->OnMenuCommand(c.item);
        ASSERT_TRUE(panel->IsRecording()) << c.item;
        SendKey(QEvent::KeyPress, false, Qt::Key_B, KEY_B);
        SendKey(QEvent::KeyRelease, false, Qt::Key_B, KEY_B);
        Press("macro_btn_stopredio");

        const Json::Value events = SavedEvents();
        ASSERT_EQ(events.size(), c.events.size()) << c.item;
        for (Json::ArrayIndex i = 0; i < events.size(); ++i) {
            EXPECT_EQ(events[i]["Button"].asInt(), c.events[i].first) << c.item << " row " << i;
            EXPECT_EQ(events[i]["Action"].asString(), c.events[i].second) << c.item << " row " << i;
        }
    }
}

}  // namespace
}  // namespace viremo::app::testing

namespace viremo::app::testing {
namespace {

// Key 3 plays the second macro; deleting the first moves it to macro 0.
// Deleting the macro a key plays asks once more, and a cancel there
// changes nothing.
TEST_F(MacroPanelTest, DeletingAMacroRenumbersTheKeysAfterAskingFirst) {
    constexpr int kKey = 3;
    Press("macro_btn_name_add");
    Press("macro_btn_name_add");
    auto& keyboard = dynamic_cast<devices::CVendrakeKeyboardDevice&>(page->Driver());
    KeyListEntry entry = keyboard.KeyAssignments().at(kKey);
    entry.current.category = 0x70;
    entry.current.first = 1;
    entry.current.second = 0;
    keyboard.SetKeyAssignment(kKey, entry);

    answers = {1, 0};
    Press("macro_btn_name_sub");  // the second macro is selected after adding it
    EXPECT_EQ(messages, (std::vector<std::string>{"message_text_4", "message_text_2"}));
    EXPECT_EQ(keys->MacroNames(), (std::vector<std::string>{"macro_1", "macro_2"}));
    EXPECT_EQ(keyboard.KeyAssignments().at(kKey).current.code(), 0x700100u);

    messages.clear();
    answers.clear();
    auto* names = panel->FindSubControl("macro_name_list");
    ASSERT_TRUE(names);
    dynamic_cast<toolkit::CListUI&>(*names).SelectItem(0);
    Press("macro_btn_name_sub");
    EXPECT_EQ(messages, std::vector<std::string>{"message_text_4"});
    EXPECT_EQ(keys->MacroNames(), std::vector<std::string>{"macro_2"});
    EXPECT_EQ(keyboard.KeyAssignments().at(kKey).current.code(), 0x700000u);
}

}  // namespace
}  // namespace viremo::app::testing
