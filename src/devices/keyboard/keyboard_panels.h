#pragma once
// The keyboard's lighting panel. The page finds it by name
// ("LightControlItem") and shows the mode list, the presets and the lighting
// state on it; the driver is handed it for the custom colour group being
// edited. Without a page (the command-line tool) there is none.
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

}  // namespace viremo::devices::keyboard
