#include "devices/lighting/sync_modes.h"

#include <array>

#include "devices/device_tables.h"

namespace viremo::devices {
namespace {

// By common effect: the mode of each kind (mouse, keyboard, mouse pad,
// headset).
constexpr std::array<std::array<uint8_t, kKindCount>, kSyncEffectCount> kModeOfEffect = {{
    {2, 5, 2, 2},    // breathing
    {3, 6, 3, 3},    // static
    {4, 23, 4, 4},   // blink
    {1, 4, 1, 1},    // spectrum
    {9, 28, 8, 8},   // off
}};

bool knownKind(int kindIndex) { return kindIndex >= 0 && kindIndex < kKindCount; }

}  // namespace

std::optional<uint8_t> syncEffectOfMode(int kindIndex, uint8_t mode) {
    if (!knownKind(kindIndex)) return std::nullopt;
    for (size_t effect = 0; effect < kModeOfEffect.size(); ++effect)
        if (kModeOfEffect[effect][static_cast<size_t>(kindIndex)] == mode) return static_cast<uint8_t>(effect);
    return std::nullopt;
}

std::optional<uint8_t> modeOfSyncEffect(int kindIndex, uint8_t effect) {
    if (!knownKind(kindIndex) || effect >= kModeOfEffect.size()) return std::nullopt;
    return kModeOfEffect[effect][static_cast<size_t>(kindIndex)];
}

}  // namespace viremo::devices
