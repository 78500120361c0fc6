#pragma once
// The settings of a device's current profile, held as the JSON entry of its
// profile file. Getters read a group of members into a record (and keep it
// as their cache); setters write a record back into the entry in memory;
// nothing reaches the disk until Save.
//
// A profile file is {"Device": [entry, ...], other members...}; a device uses
// the entry at its profile index (always 0 today). Other root members and
// other entries are carried along untouched when the file is rewritten.
#include <filesystem>
#include <string>
#include <vector>

#include <json/value.h>

#include "profiles/profile_records.h"

namespace viremo {

class CBasicProfiledata {
public:
    CBasicProfiledata() = default;
    virtual ~CBasicProfiledata() = default;

    // Paths and index. An empty profile or default path is ignored.
    void SetProfilePath(const std::filesystem::path& path);
    const std::filesystem::path& GetProfilePath() const { return profilePath_; }
    void SetDefaultDataPath(const std::filesystem::path& path);
    const std::filesystem::path& GetDefaultDataPath() const { return defaultPath_; }
    void SetLightConfigPath(const std::filesystem::path& path) { lightConfigPath_ = path; }
    const std::filesystem::path& GetLightConfigPath() const { return lightConfigPath_; }
    void SetProfileIndex(int index) { profileIndex_ = index; }
    int GetProfileIndex() const { return profileIndex_; }

    // Reads the profile file's entry. When the file has none (absent, broken,
    // no entry at the index) the factory entry is put in and the file is
    // written; a broken file is first kept as "<name>.bad".
    Json::Value LoadProfile(const std::filesystem::path& path);
    // The same for another profile file, into the secondary entry.
    Json::Value LoadSecondaryProfile(const std::filesystem::path& path);
    // The light configuration document; null when absent or broken.
    Json::Value LoadLightConfig(const std::filesystem::path& path);
    // After a load that had to keep a broken file aside: one line naming the
    // file and where it was kept, for the user; empty otherwise.
    const std::string& LastRepair() const { return lastRepair_; }

    // Writes the entry in use into the profile file; false when it failed.
    bool Save();
    // Puts `entry` into the file at `path` at the profile index, keeping the
    // rest of the file.
    bool SaveEntryTo(const Json::Value& entry, const std::filesystem::path& path);
    bool SaveSecondaryTo(const std::filesystem::path& path);
    bool WriteDocument(const Json::Value& document, const std::filesystem::path& path);

    // The entries in memory (null before a load).
    const Json::Value& MainEntry() const { return main_; }
    const Json::Value& SecondaryEntry() const { return secondary_; }

    LightRecord GetLightInfo();
    void SetLightInfo(const LightRecord& record);
    void SetLightInfo(uint32_t word0, uint32_t word1, uint32_t word2, uint16_t half3);

    AudioLightRecord GetAudioLightInfo();
    void SetAudioLightInfo(const AudioLightRecord& record);
    void SetAudioLightInfo(uint32_t word0, uint32_t word1, uint8_t byte8);

    std::vector<LightRecord> GetLightList();

    // The steps of the user effect of the cached lighting mode, from the
    // effect file the light configuration names.
    std::vector<LightEffectStep> GetLightEffect();

    std::vector<KeyListEntry> GetKeyList();
    std::vector<KeyListEntry> GetSecondaryKeyList();
    // Writes "Assignment" of each listed key; later keys and every
    // "DefaultAssignment" stay as they are.
    void SetKeyList(const std::vector<KeyListEntry>& keys);
    void SetSecondaryKeyList(const std::vector<KeyListEntry>& keys);

    // The caches of the last reads.
    const LightRecord& CachedLightInfo() const { return lightInfo_; }
    const AudioLightRecord& CachedAudioLightInfo() const { return audioLightInfo_; }

    // Largest array index a setter creates elements up to; beyond it (or
    // below 0) nothing is written.
    static constexpr int kMaxArrayIndex = 1023;

protected:
    Json::Value& mainEntry() { return main_; }

private:
    Json::Value loadEntry(const std::filesystem::path& path);
    // Files in the factory default folder are only ever read.
    bool isFactoryFile(const std::filesystem::path& path) const;
    std::filesystem::path effectFile(const std::string& guid) const;

    std::filesystem::path profilePath_;
    std::filesystem::path defaultPath_;
    LightRecord lightInfo_;
    const LightRecord defaultLightInfo_{};
    AudioLightRecord audioLightInfo_;
    std::vector<LightRecord> lightList_;
    Json::Value main_;
    Json::Value secondary_;
    std::filesystem::path lightConfigPath_;
    std::vector<LightEffectStep> lightEffect_;
    Json::Value lightConfig_;
    std::vector<KeyListEntry> keyList_;
    std::vector<KeyListEntry> secondaryKeyList_;
    int profileIndex_ = 0;
    std::string lastRepair_;
};

}  // namespace viremo
