#include "lighting/companion_blocks.h"

#include "lighting/little_endian.h"
#include "platform/log.h"

namespace viremo::companion {

namespace {

template <size_t N>
std::optional<std::array<int32_t, N>> readWords(std::span<const uint8_t> block) {
    if (block.size() != N * 4) return std::nullopt;
    std::array<int32_t, N> words;
    for (size_t i = 0; i < N; ++i) words[i] = static_cast<int32_t>(readU32(block, i * 4));
    return words;
}

}  // namespace

std::vector<uint8_t> wordBlock(std::span<const int32_t> words) {
    std::vector<uint8_t> bytes;
    bytes.reserve(words.size() * 4);
    for (const int32_t word : words) appendU32(bytes, static_cast<uint32_t>(word));
    return bytes;
}

std::vector<uint8_t> styleColourBlock(StyleColour colour) {
    std::array<int32_t, kStyleColourBlockSize / 4> words{};
    words[0] = colour.red;
    words[1] = colour.green == 0 ? 1 : colour.green;
    words[2] = colour.blue;
    return wordBlock(words);
}

std::optional<SampleBlock> readSampleBlock(std::span<const uint8_t> block) {
    return readWords<kSampleCount>(block);
}

std::optional<BandBlock> readBandBlock(std::span<const uint8_t> block) { return readWords<kBandCount>(block); }

std::optional<StyleColour> readStyleColourBlock(std::span<const uint8_t> block) {
    const auto words = readWords<kStyleColourBlockSize / 4>(block);
    if (!words) return std::nullopt;
    return StyleColour{(*words)[0], (*words)[1], (*words)[2]};
}

void logDroppedBlock(uint32_t kind, size_t size) {
    log::linef("audio companion: dropped a block of kind %u and %zu bytes", kind, size);
}

}  // namespace viremo::companion
