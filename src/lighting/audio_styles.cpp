#include "lighting/audio_styles.h"

#include <algorithm>

#include "lighting/user_document.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo {

namespace {

constexpr const char* kFileName = "AudioFile.json";
constexpr const char* kDevice = "Device";
constexpr const char* kAudioLightInfo = "AudioLightInfo";
constexpr const char* kSelected = "nAudioStyle";

std::string nameKey(int style) { return "nStyleName" + std::to_string(style + 1); }
std::string componentKey(char component, int style) { return std::string("nStyle") + component + std::to_string(style); }

void readClamped(const Json::Value& info, const std::string& key, int highest, int& value) {
    if (const auto stored = json::intMember(info, key)) value = int(std::clamp<int64_t>(*stored, 0, highest));
}

}  // namespace

companion::StyleColour AudioStyles::SelectedColour() const {
    const AudioStyle& style = styles[size_t(std::clamp(selected, 0, kAudioStyleCount - 1))];
    return {style.red, style.green, style.blue};
}

AudioStyles readAudioStyles(const Json::Value& document) {
    AudioStyles styles;
    const Json::Value* device = json::objectMember(document, kDevice);
    const Json::Value* info = device ? json::objectMember(*device, kAudioLightInfo) : nullptr;
    if (!info) return styles;
    readClamped(*info, kSelected, kAudioStyleCount - 1, styles.selected);
    for (int i = 0; i < kAudioStyleCount; ++i) {
        AudioStyle& style = styles.styles[size_t(i)];
        if (auto name = json::stringMember(*info, nameKey(i))) style.name = std::move(*name);
        readClamped(*info, componentKey('R', i), kAudioStyleComponentMax, style.red);
        readClamped(*info, componentKey('G', i), kAudioStyleComponentMax, style.green);
        readClamped(*info, componentKey('B', i), kAudioStyleComponentMax, style.blue);
    }
    return styles;
}

Json::Value withAudioStyles(Json::Value document, const AudioStyles& styles) {
    if (!document.isObject()) document = Json::Value(Json::objectValue);
    if (!document[kDevice].isObject()) document[kDevice] = Json::Value(Json::objectValue);
    Json::Value& info = document[kDevice][kAudioLightInfo];
    if (!info.isObject()) info = Json::Value(Json::objectValue);
    info[kSelected] = styles.selected;
    for (int i = 0; i < kAudioStyleCount; ++i) {
        const AudioStyle& style = styles.styles[size_t(i)];
        info[nameKey(i)] = style.name;
        info[componentKey('R', i)] = style.red;
        info[componentKey('G', i)] = style.green;
        info[componentKey('B', i)] = style.blue;
    }
    return document;
}

AudioStyleFile::AudioStyleFile(std::filesystem::path userFile, std::filesystem::path factoryFile)
    : userFile_(std::move(userFile)), factoryFile_(std::move(factoryFile)) {}

AudioStyleFile::AudioStyleFile()
    : AudioStyleFile(folders::applicationData() / kFileName, folders::defaultData() / kFileName) {}

AudioStyles AudioStyleFile::Load() {
    document_ = readUserDocument(userFile_);
    if (document_.isNull()) document_ = json::readFile(factoryFile_);
    return readAudioStyles(document_);
}

bool AudioStyleFile::Save(const AudioStyles& styles) {
    document_ = withAudioStyles(std::move(document_), styles);
    return json::writeFile(userFile_, document_);
}

}  // namespace viremo
