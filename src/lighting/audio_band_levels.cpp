#include "lighting/audio_band_levels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace viremo {

namespace {

constexpr size_t kGroupSize = companion::kSampleCount / kBandLevelCount;
constexpr int kBlocksPerHandOver = 3;
constexpr uint64_t kMax64 = std::numeric_limits<uint64_t>::max();

uint64_t saturatingSquare(uint64_t value) { return value > 0xFFFFFFFFu ? kMax64 : value * value; }

uint64_t saturatingAdd(uint64_t a, uint64_t b) { return a > kMax64 - b ? kMax64 : a + b; }

uint64_t squareRoot(uint64_t value) {
    auto root = static_cast<uint64_t>(std::sqrt(static_cast<long double>(value)));
    while (root > 0 && (root > 0xFFFFFFFFu || root * root > value)) --root;
    while (root < 0xFFFFFFFFu && (root + 1) * (root + 1) <= value) ++root;
    return root;
}

int32_t asLevel(int64_t mean) {
    return static_cast<int32_t>(std::min<int64_t>(mean, std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::optional<BandLevels> AudioBandLevels::AddBlock(const companion::SampleBlock& samples) {
    ++blockCount_;
    std::array<int64_t, companion::kSampleCount> differences;
    for (size_t i = 0; i < samples.size(); ++i) differences[i] = std::abs(int64_t(samples[i]) - int64_t(previous_[i]));
    previous_ = samples;

    for (size_t group = 0; group < kBandLevelCount; ++group) {
        const auto first = differences.begin() + std::ptrdiff_t(group * kGroupSize);
        int64_t sum = means_[group];
        for (auto d = first; d != first + kGroupSize; ++d) sum += *d;
        means_[group] = sum / int64_t(kGroupSize);

        uint64_t squares = deviations_[group];
        for (auto d = first; d != first + kGroupSize; ++d)
            squares = saturatingAdd(squares, saturatingSquare(uint64_t(std::abs(*d - means_[group]))));
        deviations_[group] = squareRoot(squares / (kGroupSize - 1));
    }

    if (blockCount_ < kBlocksPerHandOver) return std::nullopt;
    blockCount_ = 0;
    BandLevels levels;
    std::transform(means_.begin(), means_.end(), levels.begin(), asLevel);
    return levels;
}

}  // namespace viremo
