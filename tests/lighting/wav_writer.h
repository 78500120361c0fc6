#pragma once
// Writes the WAV files the companion's tests feed it: a header built byte by
// byte and the given little-endian frames.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "platform/atomic_file.h"

namespace viremo::testing {

inline void putWord(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char(value >> (8 * i)));
}

// `data` holds whole frames of `channels` samples of `bits` each.
inline std::string wavFile(uint16_t encoding, uint16_t channels, uint32_t rate, uint16_t bits, const std::string& data) {
    std::string out = "RIFF";
    putWord(out, uint32_t(36 + data.size()), 4);
    out += "WAVEfmt ";
    putWord(out, 16, 4);
    putWord(out, encoding, 2);
    putWord(out, channels, 2);
    putWord(out, rate, 4);
    putWord(out, rate * channels * bits / 8, 4);
    putWord(out, uint32_t(channels * bits / 8), 2);
    putWord(out, bits, 2);
    out += "data";
    putWord(out, uint32_t(data.size()), 4);
    return out + data;
}

// A mono 16-bit sine of `frequency` Hz.
inline std::string toneFile(double frequency, double amplitude, uint32_t rate, size_t count) {
    std::string data;
    for (size_t i = 0; i < count; ++i) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * frequency * double(i) / rate);
        putWord(data, uint32_t(int16_t(std::lround(value * 32767))), 2);
    }
    return wavFile(1, 1, rate, 16, data);
}

}  // namespace viremo::testing
