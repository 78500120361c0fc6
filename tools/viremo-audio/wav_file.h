#pragma once
// Sound from a WAV file for the companion's --input: integer PCM of 8, 16,
// 24 or 32 bits or 32-bit float, any number of channels, mixed to mono.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace viremo::audio {

struct WavSound {
    int sampleRate = 0;
    std::vector<float> mono;  // -1 to 1
};

struct WavReading {
    std::optional<WavSound> sound;
    std::string error;  // why there is none
};

WavReading readWav(const std::filesystem::path& file);

}  // namespace viremo::audio
