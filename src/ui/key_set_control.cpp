#include "ui/key_set_control.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "macros/code_tables.h"
#include "toolkit/combo.h"
#include "toolkit/language.h"
#include "toolkit/option.h"
#include "toolkit/tab_layout.h"
#include "ui/combo_items.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kFunctionCombo = "keyset_function_combo";
constexpr std::string_view kFunctionSwitch = "function_switch_tablayout";
constexpr std::string_view kFunctionArea = "keyset_layout";
constexpr std::string_view kHint = "keyset_hint_text";
constexpr std::string_view kModifierPrefix = "key_ComBox_check_";
constexpr int kModifierOptions = 5;
constexpr int kPageCount = 12;
constexpr int kGunPresets = 4;

// The combos and number edits of the pages, each with the state it shows.
// Choosing in one of the combos, or leaving one of the edits, saves the
// key's assignment.
struct ComboField {
    std::string_view name;
    int& (*field)(KeyPanelControls&);
};
constexpr ComboField kComboFields[] = {
    {"keyset_mousekey_combo", [](KeyPanelControls& c) -> int& { return c.mouseButtonRow; }},
    {"keyset_mouseswing_combo", [](KeyPanelControls& c) -> int& { return c.move.directionItem; }},
    {"keyset_mousewheel_combo", [](KeyPanelControls& c) -> int& { return c.wheel.directionItem; }},
    {"keyset_mousedpi_combo", [](KeyPanelControls& c) -> int& { return c.dpiRow; }},
    {"keyset_media_combo", [](KeyPanelControls& c) -> int& { return c.mediaRow; }},
    {"keyset_system_combo", [](KeyPanelControls& c) -> int& { return c.systemRow; }},
    {"keyset_macro_combo", [](KeyPanelControls& c) -> int& { return c.macroRow; }},
    {"keyset_macro_over_combo", [](KeyPanelControls& c) -> int& { return c.macroPlayItem; }},
    {"keyset_gunkey_combo", [](KeyPanelControls& c) -> int& { return c.gunItem; }},
    {"keyset_combokey_combo", [](KeyPanelControls& c) -> int& { return c.shortcutRow; }},
};

struct NumberField {
    std::string_view name;
    int64_t& (*field)(KeyPanelControls&);
};
constexpr NumberField kNumberFields[] = {
    {"keyset_mouseswing_num_edit", [](KeyPanelControls& c) -> int64_t& { return c.move.count; }},
    {"keyset_mouseswing_delay_edit", [](KeyPanelControls& c) -> int64_t& { return c.move.delay; }},
    {"keyset_mouseswing_speed_edit", [](KeyPanelControls& c) -> int64_t& { return c.move.speed; }},
    {"keyset_mousewheel_num_edit", [](KeyPanelControls& c) -> int64_t& { return c.wheel.count; }},
    {"keyset_mousewheel_delay_edit", [](KeyPanelControls& c) -> int64_t& { return c.wheel.delay; }},
    {"keyset_mousewheel_speed_edit", [](KeyPanelControls& c) -> int64_t& { return c.wheel.speed; }},
    {"keyset_mousefire_interval_edit", [](KeyPanelControls& c) -> int64_t& { return c.fireInterval; }},
    {"keyset_mousefire_num_edit", [](KeyPanelControls& c) -> int64_t& { return c.fireCount; }},
    {"keyset_macro_cycle_edit", [](KeyPanelControls& c) -> int64_t& { return c.macroRepeat; }},
};

template <class Fields>
bool listed(const Fields& fields, std::string_view name) {
    return std::ranges::any_of(fields, [name](const auto& f) { return f.name == name; });
}

// Options 5 to 8 are the right-hand modifiers, shown on the option of the
// same modifier.
int shownModifierOption(int option) { return option > kModifierOptions - 1 ? option - 4 : option; }

std::vector<std::string> codeNames(std::span<const NamedCode> table) {
    std::vector<std::string> names;
    for (const NamedCode& row : table) names.emplace_back(row.name);
    return names;
}

std::vector<std::string> translated(std::string_view prefix, int count) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(toolkit::Language().Translate(std::string(prefix) + std::to_string(i)));
    return texts;
}

int64_t numberIn(const toolkit::CControlUI* edit) {
    if (!edit) return 0;
    const std::string& text = edit->GetText();
    int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

KeyAssignment withCode(uint16_t position, const AssignmentCode& code) {
    return KeyAssignment{position, code.category, code.first, code.second, 0};
}

AssignmentCode codeOf(const KeyAssignment& record) { return {record.category, record.first, record.second}; }


}  // namespace

template <class T>
T* CKeySetControlUI::Find(std::string_view name) const {
    return dynamic_cast<T*>(FindSubControl(name));
}

void CKeySetControlUI::Init() {
    CSkinPanelUI::Init();
    FillCombos();
}

void CKeySetControlUI::SetPanelType(int modelId) {
    m_model.setDeviceModel(modelId);
    FillCombos();
}

void CKeySetControlUI::SetMacroNames(const std::vector<std::string>& names) {
    m_macroNames = names;
    m_model.setMacroCount(int(names.size()));
    if (auto* macros = Find<toolkit::CComboUI>("keyset_macro_combo")) FillCombo(*macros, names);
    if (m_key >= 0) ShowControls();
}

// The function combo lists the pages the device offers; each item carries
// its page number.
void CKeySetControlUI::FillCombos() {
    if (auto* functions = Find<toolkit::CComboUI>(kFunctionCombo)) {
        std::vector<std::string> names;
        std::vector<bool> offered;
        for (int page = 0; page < kPageCount; ++page) {
            names.push_back(toolkit::Language().Translate("keyset_function_page_" + std::to_string(page)));
            offered.push_back(m_model.offers(FunctionPage(page)));
        }
        FillCombo(*functions, names, offered);
        for (int page = 0; page < kPageCount; ++page)
            functions->GetItemAt(page)->SetUserData(std::to_string(page));
    }
    const std::pair<std::string_view, std::vector<std::string>> combos[] = {
        {"keyset_mousekey_combo", codeNames(mouseButtonCodes())},
        {"keyset_mouseswing_combo", translated("keyset_move_direction_", 2)},
        {"keyset_mousewheel_combo", translated("keyset_wheel_direction_", 2)},
        {"keyset_mousedpi_combo", codeNames(dpiCodes())},
        {"keyset_media_combo", codeNames(mediaCodes())},
        {"keyset_system_combo", codeNames(systemCodes())},
        {"keyset_macro_over_combo", translated("keyset_macro_play_", KeyAssignmentModel::kRepeatItem + 1)},
        {"keyset_gunkey_combo", translated("keyset_gun_", kGunPresets)},
        {"keyset_combokey_combo", codeNames(shortcutCodes())},
    };
    for (const auto& [name, items] : combos)
        if (auto* combo = Find<toolkit::CComboUI>(name)) FillCombo(*combo, items);
    if (auto* macros = Find<toolkit::CComboUI>("keyset_macro_combo")) FillCombo(*macros, m_macroNames);
}

void CKeySetControlUI::ShowKeyAssignment(int key, const KeyListEntry& assignment) {
    m_key = key;
    m_entry = assignment;
    m_model.setAssignment(codeOf(assignment.current), codeOf(assignment.factory));
    ShowControls();
}

void CKeySetControlUI::ShowModelCurrent() {
    m_model.showCurrent();
    ShowControls();
}

void CKeySetControlUI::ShowModelFactory() {
    m_model.showFactory();
    ShowControls();
}

CKeySetControlUI::Event CKeySetControlUI::EventOf(const toolkit::TNotifyUI& msg) {
    const std::string& name = msg.pSender->GetName();
    const std::string_view type = msg.sType;
    if (type == "click" && name == "key_butt_keysave") return Event::Save;
    if (type == "click" && name == "key_butt_keydefalut") {
        ShowModelFactory();
        return Event::Shown;
    }
    if (type == "click" && name == "key_butt_keycancel") {
        ShowModelCurrent();
        return Event::Shown;
    }
    if (type == "setfocus" && name == kKeyEditName) return Event::CaptureStart;
    if (type == "killfocus" && name == kKeyEditName) return Event::CaptureEnd;
    if (type == "killfocus" && listed(kNumberFields, name)) return Event::Save;
    if (type == "selectchanged" && name.starts_with(kModifierPrefix)) return Event::Save;
    if (type != "itemselect") return Event::None;
    if (name == kFunctionCombo) {
        OnFunctionChosen();
        return Event::Save;
    }
    if (name == "keyset_macro_over_combo") {
        auto* over = Find<toolkit::CComboUI>(name);
        if (auto* cycle = FindSubControl("keyset_macro_cycle_layout"))
            cycle->SetVisible(over && over->GetCurSel() == KeyAssignmentModel::kRepeatItem);
        return Event::Save;
    }
    return listed(kComboFields, name) ? Event::Save : Event::None;
}

void CKeySetControlUI::OnFunctionChosen() {
    auto* functions = Find<toolkit::CComboUI>(kFunctionCombo);
    const int row = functions ? functions->GetCurSel() : -1;
    if (row < 0 || row >= kPageCount) return;
    ReadControls();
    m_model.choosePage(FunctionPage(row));
    ShowControls();
}

KeyListEntry CKeySetControlUI::ReadAssignment() {
    ReadControls();
    const uint16_t position = m_entry.current.position;
    m_entry.current = withCode(position, m_model.read());
    ShowControls();
    return m_entry;
}

// ---- model state to controls and back ---------------------------------------

void CKeySetControlUI::ShowControls() {
    const KeyPanelControls& c = m_model.controls();
    if (auto* hint = FindSubControl(kHint)) hint->SetVisible(m_key < 0);
    if (auto* area = FindSubControl(kFunctionArea)) area->SetVisible(m_key >= 0 && c.page.has_value());
    if (!c.page) return;
    const int page = int(*c.page);
    if (auto* functions = Find<toolkit::CComboUI>(kFunctionCombo)) functions->SelectItem(page, false, false);
    if (auto* pages = Find<toolkit::CTabLayoutUI>(kFunctionSwitch)) pages->SelectItem(page, false);

    KeyPanelControls& fields = m_model.controls();
    for (const ComboField& combo : kComboFields)
        if (auto* control = Find<toolkit::CComboUI>(combo.name)) control->SelectItem(combo.field(fields), false, false);
    for (const NumberField& number : kNumberFields)
        if (auto* edit = FindSubControl(number.name)) edit->SetText(std::to_string(number.field(fields)));

    const int option = shownModifierOption(c.modifierOption);
    for (int i = 0; i < kModifierOptions; ++i)
        if (auto* box = Find<toolkit::COptionUI>(std::string(kModifierPrefix) + std::to_string(i)))
            box->Selected(i == option, false);
    if (auto* edit = FindSubControl(kKeyEditName))
        edit->SetText(c.keyNameId.empty() ? std::string() : toolkit::Language().Translate(c.keyNameId));
    if (auto* cycle = FindSubControl("keyset_macro_cycle_layout")) cycle->SetVisible(c.macroRepeatVisible);
}

void CKeySetControlUI::ReadControls() {
    KeyPanelControls& c = m_model.controls();
    for (const ComboField& combo : kComboFields)
        if (auto* control = Find<toolkit::CComboUI>(combo.name)) combo.field(c) = control->GetCurSel();
    for (const NumberField& number : kNumberFields)
        if (auto* edit = FindSubControl(number.name)) number.field(c) = numberIn(edit);

    // A right-hand modifier stays as it is while its option is selected.
    const int shown = shownModifierOption(c.modifierOption);
    for (int i = 0; i < kModifierOptions; ++i) {
        auto* box = Find<toolkit::COptionUI>(std::string(kModifierPrefix) + std::to_string(i));
        if (box && box->IsSelected() && i != shown) c.modifierOption = i;
    }
}

}  // namespace viremo::ui
