#include "profiles/basic_profile_data.h"

#include <system_error>

#include "platform/atomic_file.h"
#include "profiles/json_file.h"
#include "profiles/profile_fields.h"

namespace viremo {
namespace {

bool indexInRange(int index) { return index >= 0 && index <= CBasicProfiledata::kMaxArrayIndex; }

// The entry at `index` of the root's "Device" array; anything that is not an
// object counts as no entry.
const Json::Value* deviceEntry(const Json::Value& root, int index) {
    const Json::Value* entry = fields::element(fields::array(root, "Device"), index);
    return entry && entry->isObject() ? entry : nullptr;
}

// A file exists but could not be read or parsed (or its root is not an
// object): it is kept aside before anything replaces it.
bool isBroken(const json::Document& document, const std::filesystem::path& path) {
    if (document.state == json::FileState::Broken) return true;
    if (document.state == json::FileState::Read) return !document.root.isObject();
    std::error_code error;
    return std::filesystem::exists(path, error);
}

LightRecord lightInfoRecord(const Json::Value& info) {
    LightRecord record;
    record.mode = fields::byte(info, "SelectItem");
    record.brightness = fields::byte(info, "Light");
    record.speed = fields::byte(info, "Speed");
    record.direction = fields::byte(info, "Fx");
    record.multiColor = fields::flag(info, "MultiColor");
    record.red = fields::byte(info, "Red");
    record.green = fields::byte(info, "Green");
    record.blue = fields::byte(info, "Blue");
    record.zzccLedMode = fields::byte(info, "ZZCCLedMode");
    record.customGroup = fields::byte(info, "CustomGroup");
    record.oldLedMode = fields::byte(info, "OldLedmode");
    return record;
}

LightRecord lightListRecord(const Json::Value* element) {
    LightRecord record;
    if (!element || !element->isObject()) return record;
    record.mode = fields::byte(*element, "LEDREGMode");
    record.brightness = fields::byte(*element, "LEDBrightness");
    record.speed = fields::byte(*element, "LEDSpeed");
    record.direction = fields::flag(*element, "LEDDirection");
    record.multiColor = fields::flag(*element, "LEDMultiColor");
    record.red = fields::byte(*element, "red");
    record.green = fields::byte(*element, "green");
    record.blue = fields::byte(*element, "blue");
    record.present = 1;
    return record;
}

LightEffectStep effectStep(const Json::Value& step) {
    LightEffectStep record;
    record.mode = fields::byte(step, "LEDREGMode");
    record.brightness = fields::byte(step, "LEDBrightness");
    record.speed = fields::byte(step, "LEDSpeed");
    record.direction = fields::byte(step, "LEDDirection");
    record.multiColor = fields::byte(step, "LEDMultiColor");
    record.red = fields::byte(step, "red");
    record.green = fields::byte(step, "green");
    record.blue = fields::byte(step, "blue");
    record.time = fields::int32(step, "Time");
    record.cycle = fields::int32(step, "Cyle");
    return record;
}

std::vector<KeyListEntry> keyListOf(const Json::Value& entry) {
    std::vector<KeyListEntry> keys;
    const Json::Value* list = fields::array(entry, "KeyList");
    if (!list) return keys;
    for (Json::ArrayIndex i = 0; i < list->size(); ++i) {
        const Json::Value& key = (*list)[i];
        const auto position = uint16_t(i);
        keys.push_back({KeyAssignment::fromCode(position, fields::number(key, "Assignment")),
                        KeyAssignment::fromCode(position, fields::number(key, "DefaultAssignment"))});
    }
    return keys;
}

void writeKeyList(Json::Value& entry, const std::vector<KeyListEntry>& keys) {
    for (size_t i = 0; i < keys.size() && indexInRange(int(i)); ++i) {
        Json::Value& key = fields::elementForWrite(fields::arrayForWrite(entry, "KeyList"), int(i));
        fields::setNumber(key, "Assignment", keys[i].current.code());
    }
}

}  // namespace

void CBasicProfiledata::SetProfilePath(const std::filesystem::path& path) {
    if (!path.empty()) profilePath_ = path;
}

void CBasicProfiledata::SetDefaultDataPath(const std::filesystem::path& path) {
    if (!path.empty()) defaultPath_ = path;
}

bool CBasicProfiledata::isFactoryFile(const std::filesystem::path& path) const {
    if (defaultPath_.empty()) return false;
    std::error_code error;
    const auto folder = std::filesystem::weakly_canonical(path, error).parent_path();
    const auto factoryFolder = std::filesystem::weakly_canonical(defaultPath_, error).parent_path();
    return !error && folder == factoryFolder;
}

Json::Value CBasicProfiledata::loadEntry(const std::filesystem::path& path) {
    lastRepair_.clear();
    const json::Document document = json::readDocument(path);
    if (const Json::Value* entry = deviceEntry(document.root, profileIndex_)) return *entry;

    // No usable entry: start from the factory one and repair the file. The
    // factory files themselves are never written.
    const Json::Value factoryDocument = json::readFile(defaultPath_);
    const Json::Value* factory = deviceEntry(factoryDocument, profileIndex_);
    Json::Value entry = factory ? *factory : Json::Value();
    if (isFactoryFile(path) || !indexInRange(profileIndex_)) return entry;
    if (isBroken(document, path)) {
        const auto kept = keepAsBad(path);
        lastRepair_ = (document.problem.empty() ? path.string() : document.problem) +
                      (kept ? "; kept as " + kept->filename().string() : "") + "; the factory profile is used";
    }
    Json::Value root = document.root.isObject() ? document.root : Json::Value(Json::objectValue);
    fields::elementForWrite(fields::arrayForWrite(root, "Device"), profileIndex_) = entry;
    WriteDocument(root, path);
    return entry;
}

Json::Value CBasicProfiledata::LoadProfile(const std::filesystem::path& path) {
    main_ = loadEntry(path);
    return main_;
}

Json::Value CBasicProfiledata::LoadSecondaryProfile(const std::filesystem::path& path) {
    secondary_ = loadEntry(path);
    return secondary_;
}

Json::Value CBasicProfiledata::LoadLightConfig(const std::filesystem::path& path) {
    lightConfig_ = json::readFile(path);
    return lightConfig_;
}

bool CBasicProfiledata::Save() { return SaveEntryTo(main_, profilePath_); }

bool CBasicProfiledata::SaveEntryTo(const Json::Value& entry, const std::filesystem::path& path) {
    if (path.empty() || !indexInRange(profileIndex_)) return false;
    const json::Document document = json::readDocument(path);
    if (isBroken(document, path) && !isFactoryFile(path)) keepAsBad(path);
    Json::Value root = document.root.isObject() ? document.root : Json::Value(Json::objectValue);
    fields::elementForWrite(fields::arrayForWrite(root, "Device"), profileIndex_) = entry;
    return WriteDocument(root, path);
}

bool CBasicProfiledata::SaveSecondaryTo(const std::filesystem::path& path) { return SaveEntryTo(secondary_, path); }

bool CBasicProfiledata::WriteDocument(const Json::Value& document, const std::filesystem::path& path) {
    if (path.empty() || isFactoryFile(path)) return false;
    return json::writeFile(path, document);
}

LightRecord CBasicProfiledata::GetLightInfo() {
    const Json::Value* info = fields::object(main_, "LightInfo");
    lightInfo_ = info ? lightInfoRecord(*info) : defaultLightInfo_;
    return lightInfo_;
}

void CBasicProfiledata::SetLightInfo(const LightRecord& record) {
    Json::Value info(Json::objectValue);
    info["SelectItem"] = record.mode;
    info["Light"] = record.brightness;
    info["Speed"] = record.speed;
    info["MultiColor"] = record.multiColor;
    info["Red"] = record.red;
    info["Green"] = record.green;
    info["Blue"] = record.blue;
    info["Fx"] = record.direction;
    info["ZZCCLedMode"] = record.zzccLedMode;
    info["CustomGroup"] = record.customGroup;
    info["OldLedmode"] = record.oldLedMode;
    fields::objectForWrite(main_, "LightInfo") = info;
    lightInfo_ = record;
}

void CBasicProfiledata::SetLightInfo(uint32_t word0, uint32_t word1, uint32_t word2, uint16_t half3) {
    SetLightInfo(LightRecord::fromWords(word0, word1, word2, half3));
}

AudioLightRecord CBasicProfiledata::GetAudioLightInfo() {
    audioLightInfo_ = {};
    if (const Json::Value* info = fields::object(main_, "AudioLightInfo")) {
        audioLightInfo_.mode = fields::byte(*info, "AudioMode");
        audioLightInfo_.backRed = fields::byte(*info, "BkColorR");
        audioLightInfo_.backGreen = fields::byte(*info, "BkColorG");
        audioLightInfo_.backBlue = fields::byte(*info, "BkColorB");
        audioLightInfo_.foreRed = fields::byte(*info, "FgColorR");
        audioLightInfo_.foreGreen = fields::byte(*info, "FgColorG");
        audioLightInfo_.foreBlue = fields::byte(*info, "FgColorB");
        audioLightInfo_.sevenColors = fields::flag(*info, "7ColorFlags");
        audioLightInfo_.colorType = fields::flag(*info, "ColorTypeFlags");
    }
    return audioLightInfo_;
}

void CBasicProfiledata::SetAudioLightInfo(const AudioLightRecord& record) {
    Json::Value info(Json::objectValue);
    info["AudioMode"] = record.mode;
    info["BkColorR"] = record.backRed;
    info["BkColorG"] = record.backGreen;
    info["BkColorB"] = record.backBlue;
    info["FgColorR"] = record.foreRed;
    info["FgColorG"] = record.foreGreen;
    info["FgColorB"] = record.foreBlue;
    info["7ColorFlags"] = record.sevenColors;
    info["ColorTypeFlags"] = record.colorType;
    fields::objectForWrite(main_, "AudioLightInfo") = info;
    audioLightInfo_ = record;
}

void CBasicProfiledata::SetAudioLightInfo(uint32_t word0, uint32_t word1, uint8_t byte8) {
    SetAudioLightInfo(AudioLightRecord::fromWords(word0, word1, byte8));
}

std::vector<LightRecord> CBasicProfiledata::GetLightList() {
    lightList_.clear();
    if (const Json::Value* list = fields::array(main_, "LightList")) {
        for (Json::ArrayIndex i = 0; i < list->size(); ++i) lightList_.push_back(lightListRecord(fields::element(list, i)));
    }
    return lightList_;
}

std::filesystem::path CBasicProfiledata::effectFile(const std::string& guid) const {
    std::filesystem::path file(guid + ".light");
    if (file.is_absolute()) return file;
    // A bare name lies in the device data folder, beside the light configuration.
    const auto& beside = lightConfigPath_.empty() ? profilePath_ : lightConfigPath_;
    return beside.parent_path() / file;
}

std::vector<LightEffectStep> CBasicProfiledata::GetLightEffect() {
    std::vector<LightEffectStep> steps;
    const Json::Value* byProfile = fields::element(fields::array(lightConfig_, "LightInfo"), profileIndex_);
    const Json::Value* effect = byProfile && byProfile->isArray() ? fields::element(byProfile, lightInfo_.mode) : nullptr;
    const std::string guid = effect ? fields::text(*effect, "Guid") : "";
    if (!guid.empty()) {
        const Json::Value document = json::readFile(effectFile(guid));
        if (const Json::Value* list = fields::array(document, "LEDEffectList")) {
            for (const Json::Value& step : *list) steps.push_back(effectStep(step));
        }
    }
    lightEffect_ = steps;
    return steps;
}

std::vector<KeyListEntry> CBasicProfiledata::GetKeyList() {
    keyList_ = keyListOf(main_);
    return keyList_;
}

std::vector<KeyListEntry> CBasicProfiledata::GetSecondaryKeyList() {
    secondaryKeyList_ = keyListOf(secondary_);
    return secondaryKeyList_;
}

void CBasicProfiledata::SetKeyList(const std::vector<KeyListEntry>& keys) {
    keyList_ = keys;
    writeKeyList(main_, keys);
}

void CBasicProfiledata::SetSecondaryKeyList(const std::vector<KeyListEntry>& keys) {
    secondaryKeyList_ = keys;
    writeKeyList(secondary_, keys);
}

}  // namespace viremo
