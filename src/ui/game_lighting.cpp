#include "ui/game_lighting.h"

#include <algorithm>
#include <utility>

#include "devices/keyboard/keyboard_modes.h"
#include "devices/vendrake_usb_device.h"
#include "platform/log.h"

namespace viremo::ui {
namespace {

constexpr uint8_t kLowestStoredMode = 1;
constexpr uint8_t kHighestStoredMode = 20;

// Writes the lighting state to the device and everything that follows it:
// the profile, the page's display and the settings record.
void Apply(devices::CVendrakeUSBDevice& device, const LightRecord& lighting) {
    device.SetLightInfo(lighting);
    device.ApplyLightingState();
    device.SaveProfile();
    device.RefreshState();
    device.WriteSettingsRecord(0, 0);
}

}  // namespace

void GameLighting::OnGameEvent(devices::CVendrakeUSBDevice* device, int64_t wParam, int64_t lParam) {
    m_due = m_clock.now() + kGameLightingTime;
    if (!device || wParam < 0 || wParam > 2) return;
    if (lParam < 0 || lParam >= devices::keyboard::kModeCount) {
        log::linef("game lighting: mode %lld is none of the device's", static_cast<long long>(lParam));
        return;
    }
    device->Channel().SetSyncFlag(0);
    LightRecord lighting = device->GetLightingState();
    lighting.mode = static_cast<uint8_t>(lParam);
    if (wParam == 0 && (lighting.oldLedMode < kLowestStoredMode || lighting.oldLedMode > kHighestStoredMode))
        lighting.oldLedMode = kLowestStoredMode;
    Apply(*device, lighting);
    if (std::find(m_switched.begin(), m_switched.end(), device) == m_switched.end()) m_switched.push_back(device);
}

bool GameLighting::RestoreWhenDue() {
    if (m_switched.empty() || m_clock.now() < m_due) return false;
    for (devices::CVendrakeUSBDevice* device : std::exchange(m_switched, {})) {
        LightRecord lighting = device->GetLightingState();
        lighting.mode = lighting.oldLedMode;
        Apply(*device, lighting);
    }
    return true;
}

std::optional<std::chrono::milliseconds> GameLighting::TimeLeft() const {
    if (m_switched.empty()) return std::nullopt;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_due - m_clock.now());
    return std::max(left, std::chrono::milliseconds(1));
}

}  // namespace viremo::ui
