#pragma once
// What the keyboard shows on the panels of its page. The panels belong to
// the layers above; the keyboard finds them by name in its page
// ("LightControlItem", "MacroControlItem", "KeySetControlItem") and talks to
// them through these interfaces. Without a page (the command-line tool)
// there are none and nothing is shown.
#include <string>
#include <vector>

#include "devices/keyboard/keyboard_modes.h"
#include "devices/keyboard/keyboard_settings.h"
#include "profiles/profile_records.h"

namespace viremo::devices::keyboard {

class ILightingPanel {
public:
    virtual ~ILightingPanel() = default;
    virtual void ShowModeList(const ModeList& modes) = 0;
    virtual void ShowLightingPresets(const std::vector<std::string>& names) = 0;
    virtual void ShowLightingState(const LightRecord& lighting) = 0;
    virtual void ShowCustomGroup(int group) = 0;
    // The custom colour group being edited; -1 when none.
    virtual int CurrentCustomGroup() const = 0;
};

class IMacroListPanel {
public:
    virtual ~IMacroListPanel() = default;
    virtual void ShowMacroNames(const std::vector<std::string>& names) = 0;
};

class IKeySetPanel {
public:
    virtual ~IKeySetPanel() = default;
    virtual void ShowSystemSettings(const SystemSettings& system) = 0;
    virtual void ShowKeyAssignment(int key, const KeyListEntry& assignment) = 0;
};

}  // namespace viremo::devices::keyboard
