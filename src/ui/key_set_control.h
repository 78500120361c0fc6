#pragma once
// The key assignment panel of a device page ("KeySetControlItem", class
// "KeySetControl"): what the key selected on the picture does. The function
// combo picks a page of "function_switch_tablayout"; the page's controls
// hold the parameters. The panel copies the assignment model's state to and
// from its named controls; saving, the key capture and the device write are
// the page's and the main window's.
#include <string>
#include <vector>

#include "macros/key_assignment_model.h"
#include "toolkit/notify.h"
#include "ui/keyboard_panels.h"
#include "ui/skin_panel.h"

namespace viremo::ui {

class CKeySetControlUI : public CSkinPanelUI, public IKeySetPanel {
public:
    static constexpr std::string_view kClassName = "KeySetControl";
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/KeySetControl.xml";
    static constexpr std::string_view kKeyEditName = "keyset_keyboard_text_edit";
    CKeySetControlUI() : CSkinPanelUI(std::string(kLayoutFile)) {}
    std::string_view GetClass() const override { return kClassName; }

    void Init() override;

    // The device's model id: which pages the function combo offers.
    void SetPanelType(int modelId);
    void SetMacroNames(const std::vector<std::string>& names);
    const std::vector<std::string>& MacroNames() const { return m_macroNames; }

    // IKeySetPanel. The system settings have a panel of their own.
    void ShowSystemSettings(const devices::keyboard::SystemSettings&) override {}
    void ShowKeyAssignment(int key, const KeyListEntry& assignment) override;

    // The selected key; -1 before the user picked one.
    int SelectedKey() const { return m_key; }
    KeyAssignmentModel& Model() { return m_model; }

    // What a control event of the panel asks of the page. The panel has
    // already shown its part (a page, the factory code, the repeat count).
    enum class Event { None, Shown, Save, CaptureStart, CaptureEnd };
    Event EventOf(const toolkit::TNotifyUI& msg);
    // The controls' state as a record of the selected key: the model's
    // current code (built from the controls) and the key's factory code.
    KeyListEntry ReadAssignment();
    // Shows the model's current or factory code on the controls.
    void ShowModelCurrent();
    void ShowModelFactory();

private:
    void OnFunctionChosen();
    void FillCombos();
    void ShowControls();
    void ReadControls();
    template <class T>
    T* Find(std::string_view name) const;

    KeyAssignmentModel m_model;
    std::vector<std::string> m_macroNames;
    KeyListEntry m_entry;
    int m_key = -1;
};

}  // namespace viremo::ui
