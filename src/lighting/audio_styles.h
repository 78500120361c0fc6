#pragma once
// The four named colour styles of sound-reactive lighting, kept in
// "AudioFile.json" under "Device" / "AudioLightInfo". Each colour component
// runs 0-9 and the selected style 0-3; values outside are brought into range
// on reading, as a file edited by hand may hold anything.
#include <array>
#include <filesystem>
#include <string>

#include <json/value.h>

#include "lighting/companion_blocks.h"

namespace viremo {

inline constexpr int kAudioStyleCount = 4;
inline constexpr int kAudioStyleComponentMax = 9;

struct AudioStyle {
    std::string name;
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct AudioStyles {
    int selected = 0;
    std::array<AudioStyle, kAudioStyleCount> styles{{
        {"Style 1", 9, 0, 0},
        {"Style 2", 0, 9, 0},
        {"Style 3", 0, 0, 9},
        {"Style 4", 9, 9, 9},
    }};

    companion::StyleColour SelectedColour() const;
};

// The styles a document holds; what is absent or of the wrong type keeps its
// default.
AudioStyles readAudioStyles(const Json::Value& document);
// `document` with the styles written into it, its other members kept.
Json::Value withAudioStyles(Json::Value document, const AudioStyles& styles);

// The user's "AudioFile.json", started from the factory copy when missing. A
// copy that cannot be parsed is kept as "AudioFile.json.bad".
class AudioStyleFile {
public:
    AudioStyleFile(std::filesystem::path userFile, std::filesystem::path factoryFile);
    // The files of the data folders.
    AudioStyleFile();

    AudioStyles Load();
    bool Save(const AudioStyles& styles);

private:
    std::filesystem::path userFile_;
    std::filesystem::path factoryFile_;
    Json::Value document_;
};

}  // namespace viremo
