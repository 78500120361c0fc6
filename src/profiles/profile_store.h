#pragma once
// The named profiles of one device: the list file "ProfileList.ini" (a JSON
// document despite its name) and one "<identifier>.Json" file per profile,
// all in the device's data folder.
//
//   {"profilelist": [{"profilename": "profile1", "profileUUID": "2024_...",
//                     "profileislink": 0, "profilelinkmame": ""}, ...],
//    "profileselect": 0}
//
// The list file is the only truth between operations: every operation that
// changes it reads it again first and writes it whole afterwards. New and
// reset profiles start from the factory template, which is only read. Each
// profile file keeps its root "profilename" and "profileUUID" equal to its
// list entry. Names are unique under a case-insensitive comparison.
//
// Every operation holds the folder's lock (platform/folder_lock.h) from its
// first read to its last write. Reading writes nothing unless the list had
// to be repaired.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <json/value.h>

#include "platform/clock.h"
#include "profiles/json_file.h"

namespace viremo {

enum class ProfileResult {
    Done,
    NameTaken,     // rename: another profile has that name
    NameBlank,     // rename, import: the name is empty once blanks are trimmed
    NameInvalid,   // rename, import: not UTF-8, or holds control characters
    LimitReached,  // add: the device has the most profiles it may have
    NoSelection,   // no profile is selected
    LastProfile,   // delete: a device always keeps one profile
    NotAProfile,   // import: not a JSON object with a name and identifier
    WrongKind,     // import: a profile of another kind of device
    Unreadable,    // the profile file cannot be read or parsed
    WriteFailed,   // a file could not be written
};

// The code the profile panel shows for a rename: 1 done, 0 name taken,
// 2 name blank (-1 for a failure of the files).
int renameResultCode(ProfileResult result);
const char* describe(ProfileResult result);

struct ProfileEntry {
    std::string name;
    std::string id;
};

class ProfileStore {
public:
    static constexpr int kMaxProfiles = 50;  // for the add operation only
    static constexpr std::string_view kListFileName = "ProfileList.ini";

    // `modelId` is the device's model id (7: the headset keeps its custom
    // equalisers across a reset).
    ProfileStore(std::filesystem::path deviceFolder, std::filesystem::path templateFile, int modelId,
                 const Clock& clock = systemClock());

    // Reads the list and selects the stored selection; when `keepCurrent`
    // names a listed profile, that one stays current instead (a device that
    // reloads keeps its profile until the user switches). A missing or broken
    // list is rebuilt from the profile files that name themselves; with none
    // (first start) the first profile is made from the template.
    ProfileResult LoadProfileList(std::string_view keepCurrent = {});

    // The profiles as last read, in list order.
    const std::vector<ProfileEntry>& Profiles() const { return profiles_; }
    // The selected profile, -1 when none.
    int GetSelectedProfileIndex() const { return selected_; }
    // The selection stored in the list: the current profile at the next start.
    int StoredSelection() const { return storedSelection_; }
    // One line naming the file concerned and what is wrong with it, after a
    // result other than Done.
    const std::string& Problem() const { return problem_; }
    // The identifier of the profile whose file the device should load.
    const std::string& GetCurrentProfileUUID() const { return currentId_; }
    std::filesystem::path CurrentProfileFile() const;

    // Makes profile `index` the selected and current one and stores the
    // selection. An index outside the list selects the nearest profile.
    ProfileResult SelectProfile(int index);

    // "profile<n>" with the first free n. The new profile is stored as the
    // selected one for the next start; the current profile does not change.
    ProfileResult AddProfile();
    // "<name> copy" of the selected profile.
    ProfileResult CopyProfile();
    // Deletes the selected profile and selects the one before it (the first
    // when the first was deleted): the device then loads the new current one.
    ProfileResult DeleteProfile();
    ProfileResult RenameProfile(std::string_view name);
    // A profile file from elsewhere, named after the file's base name.
    ProfileResult ImportProfile(const std::filesystem::path& file);
    // The selected profile's file, unchanged, to `file` exactly as named. An
    // existing `file` keeps its permissions; one that is not a regular file
    // is refused.
    ProfileResult ExportProfile(const std::filesystem::path& file);
    // The selected profile's file becomes the template again, keeping its
    // name and identifier (and a headset's custom equalisers).
    ProfileResult ResetProfile();

    // Re-read from the list file on each call, for the tools that walk every
    // profile file of the device (macro renumbering).
    int GetProfileCount();
    // Empty when `index` is outside the list or names no plain file.
    std::filesystem::path GetProfileFilePath(int index);

    const std::filesystem::path& DeviceFolder() const { return folder_; }
    std::filesystem::path ListFile() const;
    // device folder + id + ".Json"; empty when `id` is not a plain file name.
    std::filesystem::path ProfileFile(std::string_view id) const;

    // An identifier no profile uses and no file in the folder has.
    std::string NewIdentifier() const;

private:
    Json::Value readList();
    ProfileResult refuse(ProfileResult result, std::string problem);
    json::Document readProfile(const std::string& id);
    bool isOfThisKind(const Json::Value& document) const;
    bool writeList(const Json::Value& list);
    Json::Value createFirstProfile();
    Json::Value rebuildList();
    void refresh(const Json::Value& list);
    bool nameTaken(std::string_view name, int except = -1) const;
    Json::Value readTemplate() const;
    bool writeProfileFile(Json::Value document, const std::string& name, const std::string& id);
    ProfileResult appendProfile(Json::Value& list, const std::string& name, const Json::Value& document);

    std::filesystem::path folder_;
    std::filesystem::path template_;
    int modelId_;
    const Clock& clock_;
    std::vector<ProfileEntry> profiles_;
    int selected_ = -1;
    int storedSelection_ = -1;
    std::string problem_;
    std::string currentId_;
    Json::Value countList_;  // the list as the count and path queries read it
};

}  // namespace viremo
