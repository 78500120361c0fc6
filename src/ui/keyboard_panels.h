#pragma once
// The keyboard page's panels besides the lighting panel (which the driver
// also uses, devices/keyboard/keyboard_panels.h). The page finds them by
// name ("MacroControlItem", "KeySetControlItem") and shows on them.
#include <string>
#include <vector>

#include "devices/keyboard/keyboard_settings.h"
#include "profiles/profile_records.h"

namespace viremo::ui {

class IMacroListPanel {
public:
    virtual ~IMacroListPanel() = default;
    virtual void ShowMacroNames(const std::vector<std::string>& names) = 0;
};

class IKeySetPanel {
public:
    virtual ~IKeySetPanel() = default;
    virtual void ShowSystemSettings(const devices::keyboard::SystemSettings& system) = 0;
    virtual void ShowKeyAssignment(int key, const KeyListEntry& assignment) = 0;
};

}  // namespace viremo::ui
