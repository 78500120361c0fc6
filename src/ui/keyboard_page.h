#pragma once
// The keyboard's page: the device page with the keyboard's panels (lighting,
// macro list, key settings), found by name in the skin. It shows the mode
// list, the lighting presets, the macro names, the lighting state, the
// system settings and the selected key's assignment.
#include <memory>

#include "devices/keyboard/keyboard_device.h"
#include "ui/device_page.h"
#include "ui/keyboard_panels.h"
#include "ui/key_set_control.h"
#include "ui/macro_control.h"

namespace viremo::ui {

class CKeyboardDevicePage : public CDevicePage {
public:
    explicit CKeyboardDevicePage(std::shared_ptr<devices::CVendrakeKeyboardDevice> keyboard);
    ~CKeyboardDevicePage() override;

    std::string_view GetClass() const override;

    devices::CVendrakeKeyboardDevice& Keyboard() const { return *keyboard_; }

    // Also finds the panels.
    void Initialise() override;
    void Notify(toolkit::TNotifyUI& msg) override;
    void InitialiseKeyboardPage();
    void LoadPanelLists() override;
    void SetSelectedItem(int index) override;
    void ShowState() override;
    bool UseProfileFile(const std::filesystem::path& file) override;
    // The keyboard's lights are its keys: key N shows light N.
    void ShowLights(const devices::LightColours& colours) override;
    // A key taken while the key edit has the focus becomes the keyboard
    // function's key, saved as by the save button.
    void OnCapturedKey(int wParam, const KeyboardHookRecord& record) override;

protected:
    std::string LoadedProfileId() const override;

private:
    void ShowPanelLists();
    // The key panel's events; true when `msg` was one.
    bool OnKeySetEvent(toolkit::TNotifyUI& msg);
    // The panel's choice becomes the selected key's assignment in memory,
    // and the key on the picture shows whether it left its default.
    void SaveKeyAssignment();
    void MarkKey(int key);

    devices::CVendrakeKeyboardDevice* keyboard_;
    devices::keyboard::ILightingPanel* lightingPanel_ = nullptr;
    IMacroListPanel* macroPanel_ = nullptr;
    CMacroControlUI* macroControl_ = nullptr;  // the same panel, when it is the skin's
    IKeySetPanel* keySetPanel_ = nullptr;
    CKeySetControlUI* keySetControl_ = nullptr;  // the same panel, when it is the skin's
};

}  // namespace viremo::ui
