#include "ui/macro_control.h"

#include <algorithm>

#include "toolkit/edit.h"
#include "toolkit/label.h"
#include "toolkit/language.h"
#include "toolkit/list.h"
#include "toolkit/list_container_element.h"
#include "toolkit/list_label_element.h"
#include "toolkit/option.h"
#include "toolkit/paint_manager.h"
#include "toolkit/window_host.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kNameList = "macro_name_list";
constexpr std::string_view kActionList = "macro_action_list";
constexpr std::string_view kRowName = "macro_action";
constexpr std::string_view kDelayEdit = "macro_delay";
constexpr std::string_view kNameEdit = "macro_edit_macroname";
constexpr std::string_view kRecordText = "macro_record_text";
constexpr std::string_view kFixedDelayEdit = "macro_fixed_time_edit";
constexpr int kRowHeight = 30;
constexpr toolkit::Color kKeyboardColour = 0xFF8AB4F8;
constexpr toolkit::Color kMouseColour = 0xFFF6AE2D;
constexpr toolkit::Color kTextColour = 0xFFE8EAED;
constexpr toolkit::Color kDownColour = 0xFF81C995;
constexpr toolkit::Color kUpColour = 0xFFF28B82;

// Enabled only while a macro is selected.
constexpr std::string_view kMacroControls[] = {"macro_action_layout", "macro_btn_export", "macro_btn_name_sub",
                                               "macro_btn_name_edit"};

std::unique_ptr<toolkit::CLabelUI> label(std::string text, toolkit::Color colour, int width) {
    auto item = std::make_unique<toolkit::CLabelUI>();
    item->SetText(std::move(text));
    item->SetTextColor(colour);
    if (width > 0) item->SetFixedWidth(width);
    return item;
}

toolkit::Color colourOf(std::string_view style) {
    if (style == "macro_label_keyboard_style") return kKeyboardColour;
    if (style == "macro_label_mouse_style") return kMouseColour;
    if (style == "macro_label_down_style") return kDownColour;
    if (style == "macro_label_up_style") return kUpColour;
    return kTextColour;
}

}  // namespace

CMacroControlUI::CMacroControlUI() : CSkinPanelUI(std::string(kLayoutFile)) {}

CMacroControlUI::~CMacroControlUI() = default;

void CMacroControlUI::SetMacroFolder(const std::filesystem::path& folder) {
    m_library.emplace(folder);
    LoadMacroList();
}

void CMacroControlUI::ShowMacroNames(const std::vector<std::string>&) { LoadMacroList(GetSelectedMacroIndex()); }

int CMacroControlUI::GetSelectedMacroIndex() const {
    const auto* list = dynamic_cast<const toolkit::CListUI*>(FindSubControl(kNameList));
    return list && list->GetCount() > 0 ? list->GetCurSel() : -1;
}

void CMacroControlUI::LoadMacroList(int select) {
    auto* list = dynamic_cast<toolkit::CListUI*>(FindSubControl(kNameList));
    if (!list || !m_library) return;
    list->RemoveAll();
    for (const MacroEntry& entry : m_library->entries()) {
        auto row = std::make_unique<toolkit::CListLabelElementUI>();
        row->SetText(entry.name);
        row->SetUserData(entry.guid);
        row->SetFixedHeight(kRowHeight);
        list->Add(std::move(row));
    }
    if (select >= 0 && select < list->GetCount()) list->SelectItem(select, false, false);
    SetMacroControlsEnabled(GetSelectedMacroIndex() >= 0);
}

void CMacroControlUI::SetMacroControlsEnabled(bool enabled) {
    for (std::string_view name : kMacroControls)
        if (toolkit::CControlUI* control = FindSubControl(name)) control->SetEnabled(enabled);
}

void CMacroControlUI::ShowSelectedMacro() {
    const int index = GetSelectedMacroIndex();
    SetMacroControlsEnabled(index >= 0);
    if (index < 0 || !m_library) m_events.clear();
    else m_events.load(m_library->readEventFile(index));
    ShowEvents();
}

// Rebuilds every row from the event list: name, action and delay edit.
void CMacroControlUI::ShowEvents() {
    auto* list = dynamic_cast<toolkit::CListUI*>(FindSubControl(kActionList));
    if (!list) return;
    list->RemoveAll();
    for (size_t i = 0; i < m_events.size(); ++i) {
        const MacroEventRow& event = m_events.row(i);
        const MacroEventView view = describeMacroEvent(event.event);
        auto row = std::make_unique<toolkit::CListContainerElementUI>();
        row->SetName(std::string(kRowName));
        row->SetAttribute("menu", "true");
        row->SetFixedHeight(kRowHeight);
        row->SetUserData(event.event.toStyledString());
        row->Add(label(toolkit::Language().Translate(view.nameId), colourOf(view.nameStyle), 0));
        row->Add(label(view.actionText.empty() ? toolkit::Language().Translate(view.actionStyle == "macro_label_down_style"
                                                                                   ? "macro_action_down_text"
                                                                                   : "macro_action_up_text")
                                               : view.actionText,
                       colourOf(view.actionStyle), 80));
        auto delay = std::make_unique<toolkit::CEditUI>();
        delay->SetName(std::string(kDelayEdit));
        delay->SetText(event.delayText);
        delay->SetFixedWidth(70);
        delay->SetFixedHeight(25);
        delay->SetMaxChar(6);
        delay->SetBkColor(0xFF444444);
        row->Add(std::move(delay));
        list->Add(std::move(row));
    }
    if (m_events.selected() >= 0) list->SelectItem(m_events.selected(), false, false);
}

bool CMacroControlUI::SelectEventRow(const toolkit::CControlUI& row) {
    auto* list = dynamic_cast<toolkit::CListUI*>(FindSubControl(kActionList));
    const int index = list ? list->GetItemIndex(&row) : -1;
    if (index < 0) return false;
    list->SelectItem(index, false, false);
    m_events.select(index);
    return true;
}

void CMacroControlUI::TakeDelayEdits() {
    auto* list = dynamic_cast<toolkit::CListUI*>(FindSubControl(kActionList));
    if (!list) return;
    const size_t rows = std::min(size_t(list->GetCount()), m_events.size());
    for (size_t i = 0; i < rows; ++i) {
        auto* row = dynamic_cast<toolkit::CContainerUI*>(list->GetItemAt(int(i)));
        toolkit::CControlUI* delay = row ? row->FindSubControl(kDelayEdit) : nullptr;
        if (delay) m_events.setDelayText(i, delay->GetText());
    }
    m_events.select(list->GetCurSel());
}

void CMacroControlUI::SaveMacro() {
    const int index = GetSelectedMacroIndex();
    if (index < 0 || !m_library) return;
    TakeDelayEdits();
    m_library->writeEventFile(index, m_events.eventsForSave());
    ShowEvents();
}

CMacroControlUI::Event CMacroControlUI::EventOf(const toolkit::TNotifyUI& msg) {
    if (!msg.pSender || !m_library) return Event::None;
    const std::string& name = msg.pSender->GetName();
    const std::string_view type = msg.sType;
    if (type == "itemselect" && name == kNameList) {
        ShowSelectedMacro();
        return Event::Shown;
    }
    if (type == "killfocus" && name == kDelayEdit) {
        SaveMacro();
        return Event::Shown;
    }
    if (type != "click") return Event::None;
    if (name == "macro_btn_name_add") {
        const MacroLibrary::Added added = m_library->add();
        if (added.result != MacroResult::Done) return Event::None;
        LoadMacroList(added.index);
        ShowSelectedMacro();
        return Event::NamesChanged;
    }
    if (name == "macro_btn_save") {
        SaveMacro();
        return Event::Shown;
    }
    if (name == "macro_btn_cancel") {
        ShowSelectedMacro();
        return Event::Shown;
    }
    return OnEventButton(name) ? Event::Shown : Event::None;
}

// The buttons that move, delete or insert events; each saves.
bool CMacroControlUI::OnEventButton(std::string_view name) {
    struct Move {
        std::string_view button;
        bool (MacroEventList::*move)();
    };
    static constexpr Move kMoves[] = {
        {"macro_btn_up", &MacroEventList::moveUp},          {"macro_btn_down", &MacroEventList::moveDown},
        {"macro_btn_uptop", &MacroEventList::moveToTop},    {"macro_btn_downbottom", &MacroEventList::moveToBottom},
        {"macro_btn_delete", &MacroEventList::deleteSelected},
    };
    TakeDelayEdits();
    for (const Move& move : kMoves) {
        if (move.button != name) continue;
        (m_events.*move.move)();
        SaveMacro();
        return true;
    }
    if (name != "macro_btn_deleteall") return false;
    m_events.deleteAll();
    SaveMacro();
    return true;
}

bool CMacroControlUI::ImportMacro(const std::filesystem::path& source) {
    if (!m_library || source.empty()) return false;
    const MacroLibrary::Added added = m_library->importFile(source);
    if (added.result != MacroResult::Done) return false;
    LoadMacroList(added.index);
    ShowSelectedMacro();
    return true;
}

bool CMacroControlUI::ExportMacro(const std::filesystem::path& destination) {
    const int index = GetSelectedMacroIndex();
    return m_library && index >= 0 && !destination.empty() &&
           m_library->exportFile(index, destination) == MacroResult::Done;
}

MacroResult CMacroControlUI::RenameMacro() {
    toolkit::CControlUI* edit = FindSubControl(kNameEdit);
    const int index = GetSelectedMacroIndex();
    if (!edit || index < 0 || !m_library) return MacroResult::NoSuchMacro;
    const MacroResult result = m_library->rename(index, edit->GetText());
    if (result != MacroResult::Done) return result;
    edit->SetText({});
    LoadMacroList(index);
    return result;
}

bool CMacroControlUI::DeleteMacro(int index) {
    if (!m_library || m_library->remove(index) != MacroResult::Done) return false;
    LoadMacroList(0);
    ShowSelectedMacro();
    return true;
}

// ---- recording --------------------------------------------------------------

RecordingStart CMacroControlUI::StartRecording(std::string_view controlName, CDeviceHook& hook) {
    const auto* fixed = dynamic_cast<const toolkit::COptionUI*>(FindSubControl("macro_check_time"));
    const std::optional<RecordingTrigger> trigger = recordingTrigger(controlName, fixed && fixed->IsSelected());
    if (!trigger) return RecordingStart::AlreadyRecording;
    if (!m_recording) {
        m_recording = std::make_unique<MacroRecording>(m_events, hook);
        m_recording->onEventsChanged = [this] { ShowEvents(); };
        m_recording->onEnded = [this] {
            SetRecordingState(false);
            SaveMacro();
        };
    }
    TakeDelayEdits();
    SetRecordingState(true);  // the stop button takes its place before its area is taken
    SetStopButtonArea();
    SetRecordingState(false);
    const toolkit::CControlUI* delayEdit = FindSubControl(kFixedDelayEdit);
    const RecordingStart start =
        m_recording->Start(*trigger, GetSelectedMacroIndex() >= 0, delayEdit ? delayEdit->GetText() : std::string());
    if (start == RecordingStart::NoMacroSelected) SayOnPanel(MacroRecording::kNoMacroTextId);
    if (start != RecordingStart::Started) return start;
    SayOnPanel(MacroRecording::kFocusTextId);
    SetRecordingState(true);
    return start;
}

void CMacroControlUI::StopRecording() {
    if (!IsRecording()) return;
    m_recording->Stop();
    SetRecordingState(false);
    SaveMacro();
}

// The click that ends a recording is not recorded.
void CMacroControlUI::SetStopButtonArea() {
    toolkit::CControlUI* stop = FindSubControl("macro_btn_stopredio");
    toolkit::CPaintManagerUI* manager = GetManager();
    if (!stop || !manager || !manager->GetHost() || !m_recording) return;
    manager->Layout();
    const toolkit::Rect pos = stop->GetPos();
    const toolkit::Point topLeft = manager->GetHost()->ClientToScreen({pos.left, pos.top});
    const toolkit::Point bottomRight = manager->GetHost()->ClientToScreen({pos.right, pos.bottom});
    m_recording->Recorder().setStopButtonArea({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

void CMacroControlUI::SetRecordingState(bool recording) {
    if (toolkit::CControlUI* names = FindSubControl(kNameList)) names->SetMouseEnabled(!recording);
    if (toolkit::CControlUI* events = FindSubControl(kActionList)) events->SetMouseEnabled(!recording);
    if (toolkit::CControlUI* start = FindSubControl("macro_btn_starredio")) start->SetVisible(!recording);
    if (toolkit::CControlUI* stop = FindSubControl("macro_btn_stopredio")) stop->SetVisible(recording);
}

void CMacroControlUI::SayOnPanel(std::string_view textId) {
    if (toolkit::CControlUI* text = FindSubControl(kRecordText)) text->SetText(toolkit::Language().Translate(textId));
}

}  // namespace viremo::ui
