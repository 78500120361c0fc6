#pragma once
// Synchronised lighting runs one common effect on every kind of device; each
// kind shows it in a lighting mode of its own. These are the two directions
// of that mapping.
#include <cstdint>
#include <optional>

namespace viremo::devices {

// The common effects, in the order of their numbers.
inline constexpr uint8_t kSyncBreathing = 0;
inline constexpr uint8_t kSyncStatic = 1;
inline constexpr uint8_t kSyncBlink = 2;
inline constexpr uint8_t kSyncSpectrum = 3;
inline constexpr uint8_t kSyncOff = 4;
inline constexpr int kSyncEffectCount = 5;

// The common effect a kind's lighting mode stands for; nothing when the mode
// has no part in synchronised lighting (or the kind index is unknown).
std::optional<uint8_t> syncEffectOfMode(int kindIndex, uint8_t mode);
// The lighting mode with which a kind shows a common effect.
std::optional<uint8_t> modeOfSyncEffect(int kindIndex, uint8_t effect);

}  // namespace viremo::devices
