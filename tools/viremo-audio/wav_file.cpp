#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>

#include "platform/atomic_file.h"

namespace viremo::audio {

namespace {

constexpr uint16_t kIntegerPcm = 1;
constexpr uint16_t kFloatPcm = 3;
constexpr uint16_t kExtensible = 0xFFFE;
constexpr uint32_t kMaxChannels = 32;
constexpr uint32_t kMaxSampleRate = 768000;

struct Format {
    uint16_t encoding = 0;
    uint32_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t frameSize = 0;
    uint32_t bits = 0;
};

uint32_t littleEndian(std::span<const uint8_t> bytes, size_t offset, size_t width) {
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;) value = value << 8 | bytes[offset + i];
    return value;
}

std::optional<Format> readFormat(std::span<const uint8_t> chunk) {
    if (chunk.size() < 16) return std::nullopt;
    Format format{uint16_t(littleEndian(chunk, 0, 2)), littleEndian(chunk, 2, 2), littleEndian(chunk, 4, 4),
                  littleEndian(chunk, 12, 2), littleEndian(chunk, 14, 2)};
    if (format.encoding == kExtensible) {
        if (chunk.size() < 26) return std::nullopt;
        format.encoding = uint16_t(littleEndian(chunk, 24, 2));
    }
    const bool integer = format.encoding == kIntegerPcm &&
                         (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32);
    const bool floating = format.encoding == kFloatPcm && format.bits == 32;
    if (!integer && !floating) return std::nullopt;
    if (format.channels == 0 || format.channels > kMaxChannels) return std::nullopt;
    if (format.sampleRate == 0 || format.sampleRate > kMaxSampleRate) return std::nullopt;
    if (format.frameSize != format.channels * format.bits / 8) return std::nullopt;
    return format;
}

float sampleAt(std::span<const uint8_t> bytes, size_t offset, const Format& format) {
    const size_t width = format.bits / 8;
    const uint32_t raw = littleEndian(bytes, offset, width);
    if (format.encoding == kFloatPcm) {
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return std::isfinite(value) ? value : 0.0f;
    }
    if (width == 1) return (float(raw) - 128) / 128;  // 8-bit PCM is unsigned
    const uint32_t signBit = 1u << (format.bits - 1);
    const int64_t value = int64_t(raw ^ signBit) - int64_t(signBit);
    return float(value) / float(signBit);
}

std::vector<float> mixToMono(std::span<const uint8_t> data, const Format& format) {
    std::vector<float> mono(data.size() / format.frameSize);
    const size_t width = format.bits / 8;
    for (size_t frame = 0; frame < mono.size(); ++frame) {
        float sum = 0;
        for (size_t channel = 0; channel < format.channels; ++channel)
            sum += sampleAt(data, frame * format.frameSize + channel * width, format);
        mono[frame] = sum / float(format.channels);
    }
    return mono;
}

}  // namespace

WavReading readWav(const std::filesystem::path& file) {
    const auto content = readWholeFile(file);
    if (!content) return {std::nullopt, "cannot read " + file.string()};
    const std::span bytes(reinterpret_cast<const uint8_t*>(content->data()), content->size());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return {std::nullopt, file.string() + " is not a WAV file"};

    std::optional<Format> format;
    for (size_t offset = 12; offset + 8 <= bytes.size();) {
        const auto id = bytes.subspan(offset, 4);
        const size_t size = std::min<size_t>(littleEndian(bytes, offset + 4, 4), bytes.size() - offset - 8);
        const auto chunk = bytes.subspan(offset + 8, size);
        if (std::memcmp(id.data(), "fmt ", 4) == 0) {
            format = readFormat(chunk);
            if (!format) return {std::nullopt, file.string() + ": a sample format other than PCM or 32-bit float"};
        } else if (std::memcmp(id.data(), "data", 4) == 0) {
            if (!format) return {std::nullopt, file.string() + ": sound before its format"};
            return {WavSound{int(format->sampleRate), mixToMono(chunk, *format)}, {}};
        }
        offset += 8 + size + (size & 1);
    }
    return {std::nullopt, file.string() + " holds no sound"};
}

}  // namespace viremo::audio
