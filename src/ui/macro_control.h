#pragma once
// The macro panel of a device page ("MacroControlItem", class
// "MacroControl"): the device's macro library in "macro_name_list", the
// events of the selected macro in "macro_action_list", the buttons that
// edit them, and recording from the window's keyboard and mouse. The files
// are the library's and the rows the event list's; the panel shows them.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "macros/macro_event_list.h"
#include "macros/macro_library.h"
#include "macros/macro_recording.h"
#include "toolkit/notify.h"
#include "ui/keyboard_panels.h"
#include "ui/skin_panel.h"

namespace viremo::ui {

class CMacroControlUI : public CSkinPanelUI, public IMacroListPanel {
public:
    static constexpr std::string_view kClassName = "MacroControl";
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/MacroControl.xml";
    CMacroControlUI();
    ~CMacroControlUI() override;
    std::string_view GetClass() const override { return kClassName; }

    void SetMacroFolder(const std::filesystem::path& folder);
    // IMacroListPanel: the list is read from the library itself, which
    // also knows each macro's identifier.
    void ShowMacroNames(const std::vector<std::string>& names) override;

    // -1 when none is selected.
    int GetSelectedMacroIndex() const;
    MacroEventList& Events() { return m_events; }
    // Selects the event row `row` of "macro_action_list"; false when it is
    // not one of them.
    bool SelectEventRow(const toolkit::CControlUI& row);

    // What a control event of the panel did.
    enum class Event { None, Shown, NamesChanged };
    Event EventOf(const toolkit::TNotifyUI& msg);

    // Import and export through a path the window's file chooser gave.
    bool ImportMacro(const std::filesystem::path& source);
    bool ExportMacro(const std::filesystem::path& destination);

    // The selected macro takes the name typed in "macro_edit_macroname".
    MacroResult RenameMacro();
    // Removes macro `index` from the library and the list; the first macro
    // is selected after. False when the library refused.
    bool DeleteMacro(int index);

    // Recording into the selected macro through the window's capture. A
    // refusal is said on the panel ("macro_record_text").
    RecordingStart StartRecording(std::string_view controlName, CDeviceHook& hook);
    void StopRecording();
    bool IsRecording() const { return m_recording && m_recording->IsRecording(); }

private:
    void LoadMacroList(int select = -1);
    void ShowSelectedMacro();
    void ShowEvents();
    void SaveMacro();
    void SetMacroControlsEnabled(bool enabled);
    void SetRecordingState(bool recording);
    void SetStopButtonArea();
    void SayOnPanel(std::string_view textId);
    // The delay edits' texts into the rows.
    void TakeDelayEdits();
    bool OnEventButton(std::string_view name);

    std::optional<MacroLibrary> m_library;
    MacroEventList m_events;
    std::unique_ptr<MacroRecording> m_recording;
};

}  // namespace viremo::ui
