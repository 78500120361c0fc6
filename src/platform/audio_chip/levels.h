#pragma once
// Levels as the panels show them (0 to 100) and as the chip takes them (a
// scalar from 0 to 1).
namespace viremo::audio_chip {

inline constexpr int kMaxLevel = 100;

// A scalar rounded to the nearest level, clamped to 0..100 (the chip may
// answer slightly above 1 or below 0).
int levelFromScalar(double scalar);
// A level clamped to 0..100, as a scalar.
float scalarFromLevel(int level);
int clampLevel(int level);

}  // namespace viremo::audio_chip
