#pragma once
// The data blocks the audio companion sends the main window: kind 1 carries
// 500 sound levels, kind 2 the 6 band values for the keyboard's audio
// lighting, each as little-endian 32-bit words. A block shorter than its
// record leaves the missing words 0; a longer one is refused, and so is an
// empty one.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace viremo::ui {

inline constexpr int kAudioBlockLevels = 1;
inline constexpr int kAudioBlockBands = 2;
inline constexpr size_t kAudioLevelWords = 500;
inline constexpr size_t kAudioBandWords = 6;

template <size_t Words>
std::optional<std::array<int32_t, Words>> ReadAudioBlock(std::span<const uint8_t> data) {
    if (data.empty() || data.size() > 4 * Words) return std::nullopt;
    std::array<int32_t, Words> words{};
    for (size_t i = 0; i < data.size(); ++i)
        words[i / 4] = static_cast<int32_t>(static_cast<uint32_t>(words[i / 4]) | uint32_t{data[i]} << (8 * (i % 4)));
    return words;
}

}  // namespace viremo::ui
