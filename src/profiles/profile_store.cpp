#include "profiles/profile_store.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/file_name.h"
#include "platform/folder_lock.h"
#include "platform/log.h"
#include "profiles/json_file.h"
#include "profiles/text.h"
#include "profiles/time_stamp_id.h"

namespace viremo {
namespace {

constexpr const char* kList = "profilelist";
constexpr const char* kSelect = "profileselect";
constexpr const char* kName = "profilename";
constexpr const char* kId = "profileUUID";
constexpr std::string_view kProfileExtension = ".Json";
constexpr int kModelHeadset = 7;

Json::Value listEntry(const std::string& name, const std::string& id) {
    Json::Value entry(Json::objectValue);
    entry[kName] = name;
    entry[kId] = id;
    entry["profileislink"] = 0;
    entry["profilelinkmame"] = "";
    return entry;
}

// A usable list: an object whose "profilelist" holds at least one entry.
bool isUsableList(const Json::Value& root) {
    const Json::Value* list = json::arrayMember(root, kList);
    return list && !list->empty();
}

Json::Value objectOrEmpty(const Json::Value& value) {
    return value.isObject() ? value : Json::Value(Json::objectValue);
}

const Json::Value* profileEntry(const Json::Value& document) {
    const Json::Value* devices = json::arrayMember(document, "Device");
    return devices && !devices->empty() && (*devices)[0].isObject() ? &(*devices)[0] : nullptr;
}

// A name may be given: non-blank, UTF-8, no control characters.
std::optional<ProfileResult> nameRefusal(std::string_view name) {
    if (text::trimmed(name).empty()) return ProfileResult::NameBlank;
    if (!text::isDisplayableName(name)) return ProfileResult::NameInvalid;
    return std::nullopt;
}

}  // namespace

int renameResultCode(ProfileResult result) {
    switch (result) {
        case ProfileResult::Done: return 1;
        case ProfileResult::NameTaken: return 0;
        case ProfileResult::NameBlank: return 2;
        default: return -1;
    }
}

const char* describe(ProfileResult result) {
    switch (result) {
        case ProfileResult::Done: return "done";
        case ProfileResult::NameTaken: return "another profile has that name";
        case ProfileResult::NameBlank: return "the name is blank";
        case ProfileResult::NameInvalid: return "the name is not UTF-8 text or holds control characters";
        case ProfileResult::LimitReached: return "the device has the most profiles it may have";
        case ProfileResult::NoSelection: return "no profile is selected";
        case ProfileResult::LastProfile: return "a device keeps at least one profile";
        case ProfileResult::NotAProfile: return "the file is not a profile";
        case ProfileResult::WrongKind: return "the file is a profile of another kind of device";
        case ProfileResult::Unreadable: return "the file cannot be read";
        case ProfileResult::WriteFailed: return "a file could not be written";
    }
    return "unknown result";
}

ProfileStore::ProfileStore(std::filesystem::path deviceFolder, std::filesystem::path templateFile, int modelId,
                           const Clock& clock)
    : folder_(std::move(deviceFolder)), template_(std::move(templateFile)), modelId_(modelId), clock_(clock) {}

std::filesystem::path ProfileStore::ListFile() const { return folder_ / kListFileName; }

std::filesystem::path ProfileStore::ProfileFile(std::string_view id) const {
    if (!isPlainFileName(id)) return {};
    return folder_ / (std::string(id) + std::string(kProfileExtension));
}

std::filesystem::path ProfileStore::CurrentProfileFile() const { return ProfileFile(currentId_); }

std::string ProfileStore::NewIdentifier() const {
    // When the clock repeats a millisecond, the next free one is taken.
    for (auto time = clock_.wallNow();; time += std::chrono::milliseconds(1)) {
        const std::string id = timeStampIdentifier(time);
        const bool listed = std::any_of(profiles_.begin(), profiles_.end(),
                                        [&](const ProfileEntry& entry) { return entry.id == id; });
        std::error_code error;
        if (!listed && !std::filesystem::exists(ProfileFile(id), error)) return id;
    }
}

ProfileResult ProfileStore::refuse(ProfileResult result, std::string problem) {
    problem_ = std::move(problem);
    return result;
}

Json::Value ProfileStore::readList() {
    const json::Document document = json::readDocument(ListFile());
    if (!isUsableList(document.root)) {
        problem_ = document.problem.empty() ? ListFile().string() + ": no profiles listed" : document.problem;
        return Json::Value();
    }
    refresh(document.root);
    return document.root;
}

bool ProfileStore::writeList(const Json::Value& list) {
    refresh(list);
    if (json::writeFile(ListFile(), list)) return true;
    problem_ = ListFile().string() + ": cannot be written";
    return false;
}

void ProfileStore::refresh(const Json::Value& list) {
    profiles_.clear();
    if (const Json::Value* entries = json::arrayMember(list, kList)) {
        for (const Json::Value& entry : *entries)
            profiles_.push_back({json::stringMember(entry, kName).value_or(""), json::stringMember(entry, kId).value_or("")});
    }
    const int64_t stored = json::intMember(list, kSelect).value_or(0);
    storedSelection_ = profiles_.empty() ? -1 : int(std::clamp<int64_t>(stored, 0, int64_t(profiles_.size()) - 1));
}

bool ProfileStore::nameTaken(std::string_view name, int except) const {
    for (size_t i = 0; i < profiles_.size(); ++i) {
        if (int(i) != except && text::equalsIgnoringCase(profiles_[i].name, name)) return true;
    }
    return false;
}

Json::Value ProfileStore::readTemplate() const { return objectOrEmpty(json::readFile(template_)); }

json::Document ProfileStore::readProfile(const std::string& id) {
    const auto file = ProfileFile(id);
    if (file.empty()) return {json::FileState::Broken, Json::Value(), "the profile identifier '" + id + "' is no file name"};
    json::Document document = json::readDocument(file);
    if (document.state == json::FileState::Read && !document.root.isObject())
        return {json::FileState::Broken, Json::Value(), file.string() + ": not a profile"};
    return document;
}

// A profile of this kind holds as many keys as the template and the same
// records: none the template lacks (a mouse's DPI stages in a keyboard
// profile) and none fewer (a mouse pad's records are a part of the
// headset's).
bool ProfileStore::isOfThisKind(const Json::Value& document) const {
    const Json::Value factory = readTemplate();
    const Json::Value* expected = profileEntry(factory);
    const Json::Value* given = profileEntry(document);
    if (!expected || !given) return true;
    for (const auto& name : given->getMemberNames()) {
        if (!expected->isMember(name)) return false;
    }
    for (const auto& name : expected->getMemberNames()) {
        if (!given->isMember(name)) return false;
    }
    const Json::Value* expectedKeys = json::arrayMember(*expected, "KeyList");
    const Json::Value* givenKeys = json::arrayMember(*given, "KeyList");
    return !expectedKeys || !givenKeys || expectedKeys->size() == givenKeys->size();
}

bool ProfileStore::writeProfileFile(Json::Value document, const std::string& name, const std::string& id) {
    const auto file = ProfileFile(id);
    if (file.empty()) return false;
    document = objectOrEmpty(document);
    document[kName] = name;
    document[kId] = id;
    if (json::writeFile(file, document)) return true;
    problem_ = file.string() + ": cannot be written";
    return false;
}

// The new profile's file is written before the list names it, so the list
// never names a profile that has no file.
ProfileResult ProfileStore::appendProfile(Json::Value& list, const std::string& name, const Json::Value& document) {
    const std::string id = NewIdentifier();
    if (!writeProfileFile(document, name, id)) return ProfileResult::WriteFailed;
    list[kList].append(listEntry(name, id));
    return writeList(list) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

Json::Value ProfileStore::createFirstProfile() {
    const std::string name = "profile1";
    const std::string id = NewIdentifier();
    Json::Value list(Json::objectValue);
    list[kList] = Json::Value(Json::arrayValue);
    list[kList].append(listEntry(name, id));
    list[kSelect] = 0;
    if (!writeList(list)) log::line("ProfileList.ini could not be written");
    if (!writeProfileFile(readTemplate(), name, id)) log::line("the first profile file could not be written");
    return list;
}

// The profiles whose files name themselves (root "profileUUID" equal to the
// file's stem), oldest identifier first.
Json::Value ProfileStore::rebuildList() {
    std::vector<ProfileEntry> found;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder_, error)) {
        const auto& file = item.path();
        if (file.extension() != kProfileExtension || !item.is_regular_file(error)) continue;
        const Json::Value root = json::readFile(file);
        const auto name = json::stringMember(root, kName);
        const auto id = json::stringMember(root, kId);
        if (name && id && *id == file.stem().string() && isPlainFileName(*id)) found.push_back({*name, *id});
    }
    if (found.empty()) return createFirstProfile();
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.id < b.id; });

    Json::Value list(Json::objectValue);
    list[kList] = Json::Value(Json::arrayValue);
    list[kSelect] = 0;
    profiles_.clear();
    for (const auto& profile : found) {
        std::string name = profile.name;
        for (int counter = 1; nameTaken(name); ++counter) name += "(" + std::to_string(counter) + ")";
        profiles_.push_back({name, profile.id});
        list[kList].append(listEntry(name, profile.id));
    }
    log::linef("ProfileList.ini rebuilt from %zu profile files", found.size());
    if (!writeList(list)) log::line("ProfileList.ini could not be written");
    return list;
}

ProfileResult ProfileStore::LoadProfileList(std::string_view keepCurrent) {
    const FolderLock lock(folder_);
    const auto listFile = ListFile();
    const json::Document document = json::readDocument(listFile);
    Json::Value list = document.root;
    if (!isUsableList(list)) {
        // A broken or emptied list is kept aside. The profiles are found
        // again from their files; only with none is the first one made.
        if (document.state != json::FileState::Absent) keepAsBad(listFile);
        list = rebuildList();
    }
    refresh(list);
    if (profiles_.empty()) return refuse(ProfileResult::Unreadable, listFile.string() + ": no profiles listed");
    if (!keepCurrent.empty()) {
        const auto kept = std::find_if(profiles_.begin(), profiles_.end(),
                                       [&](const ProfileEntry& entry) { return entry.id == keepCurrent; });
        if (kept != profiles_.end()) {
            selected_ = int(kept - profiles_.begin());
            currentId_ = kept->id;
            return ProfileResult::Done;
        }
    }
    return SelectProfile(storedSelection_);
}

ProfileResult ProfileStore::SelectProfile(int index) {
    const FolderLock lock(folder_);
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    index = std::clamp(index, 0, int(profiles_.size()) - 1);
    selected_ = index;
    currentId_ = profiles_[size_t(index)].id;
    // The list is written only when the selection it stores changes.
    if (json::intMember(list, kSelect) == index) return ProfileResult::Done;
    list[kSelect] = index;
    return writeList(list) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

ProfileResult ProfileStore::AddProfile() {
    const FolderLock lock(folder_);
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    if (profiles_.size() >= size_t(kMaxProfiles)) return ProfileResult::LimitReached;
    int number = 1;
    std::string name;
    do {
        name = "profile" + std::to_string(number++);
    } while (nameTaken(name));
    // The new profile is the selected one at the next start; the current
    // profile stays as it is until the user picks another.
    list[kSelect] = int(profiles_.size());
    return appendProfile(list, name, readTemplate());
}

ProfileResult ProfileStore::CopyProfile() {
    const FolderLock lock(folder_);
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    const ProfileEntry source = profiles_[size_t(selected_)];
    const json::Document document = readProfile(source.id);
    if (document.state != json::FileState::Read) return refuse(ProfileResult::Unreadable, document.problem);
    std::string name = source.name + " copy";
    while (nameTaken(name)) name += " copy";
    return appendProfile(list, name, document.root);
}

ProfileResult ProfileStore::DeleteProfile() {
    const FolderLock lock(folder_);
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    if (profiles_.size() < 2) return ProfileResult::LastProfile;
    const int removed = selected_;
    const std::string removedId = profiles_[size_t(removed)].id;
    Json::Value gone;
    list[kList].removeIndex(Json::ArrayIndex(removed), &gone);
    const int next = removed > 0 ? removed - 1 : 0;
    list[kSelect] = next;
    // The list no longer names the profile before its file goes.
    if (!writeList(list)) return ProfileResult::WriteFailed;
    if (const auto file = ProfileFile(removedId); !file.empty()) {
        std::error_code error;
        std::filesystem::remove(file, error);
    }
    return SelectProfile(next);
}

ProfileResult ProfileStore::RenameProfile(std::string_view name) {
    const FolderLock lock(folder_);
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    if (const auto refusal = nameRefusal(name)) return *refusal;
    if (nameTaken(name, selected_)) return ProfileResult::NameTaken;

    // An entry damaged by hand (not an object) names no profile file to rename.
    Json::Value& entry = list[kList][Json::ArrayIndex(selected_)];
    if (!entry.isObject()) return refuse(ProfileResult::Unreadable, ListFile().string() + ": a damaged entry");
    const std::string newName(name);
    const std::string id = profiles_[size_t(selected_)].id;
    // A profile file that cannot be read is left for the user, not replaced.
    const json::Document profile = readProfile(id);
    if (profile.state == json::FileState::Broken) return refuse(ProfileResult::Unreadable, profile.problem);
    entry[kName] = newName;
    if (!writeList(list)) return ProfileResult::WriteFailed;
    return writeProfileFile(profile.root, newName, id) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

ProfileResult ProfileStore::ImportProfile(const std::filesystem::path& file) {
    const json::Document document = json::readDocument(file);
    if (document.state != json::FileState::Read) return refuse(ProfileResult::Unreadable, document.problem);
    const Json::Value* name = json::member(document.root, kName);
    const Json::Value* id = json::member(document.root, kId);
    if (!document.root.isObject() || !name || name->isNull() || !id || id->isNull())
        return refuse(ProfileResult::NotAProfile, file.string());
    if (!isOfThisKind(document.root))
        return refuse(ProfileResult::WrongKind, file.string());
    std::string newName = file.stem().string();
    if (const auto refusal = nameRefusal(newName))
        return refuse(*refusal, "the name would come from the file name of " + file.string());

    const FolderLock lock(folder_);
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    for (int counter = 1; nameTaken(newName); ++counter) newName += "(" + std::to_string(counter) + ")";
    return appendProfile(list, newName, document.root);
}

ProfileResult ProfileStore::ExportProfile(const std::filesystem::path& file) {
    const FolderLock lock(folder_);
    if (readList().isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    const json::Document document = readProfile(profiles_[size_t(selected_)].id);
    if (document.state != json::FileState::Read) return refuse(ProfileResult::Unreadable, document.problem);
    if (json::writeFile(file, document.root)) return ProfileResult::Done;
    return refuse(ProfileResult::WriteFailed, replaceRefusal(file).value_or(file.string() + ": cannot be written"));
}

ProfileResult ProfileStore::ResetProfile() {
    const FolderLock lock(folder_);
    if (readList().isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    const ProfileEntry profile = profiles_[size_t(selected_)];
    const json::Document current = readProfile(profile.id);
    // A broken file is kept before the template replaces it.
    if (current.state == json::FileState::Broken) keepAsBad(ProfileFile(profile.id));
    Json::Value document = readTemplate();
    if (modelId_ == kModelHeadset) {
        // The user's own equalisers survive a reset of the headset.
        const Json::Value* entry = profileEntry(current.root);
        for (const char* key : {"CustomEQNameInfo", "CustomEQHzValueInfo"}) {
            const Json::Value* kept = entry ? json::member(*entry, key) : nullptr;
            if (!kept || kept->isNull()) continue;
            Json::Value& target = document["Device"];
            if (!target.isArray()) target = Json::Value(Json::arrayValue);
            if (!target[0].isObject()) target[0] = Json::Value(Json::objectValue);
            target[0][key] = *kept;
        }
    }
    return writeProfileFile(document, profile.name, profile.id) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

int ProfileStore::GetProfileCount() {
    countList_ = json::readFile(ListFile());
    const Json::Value* entries = json::arrayMember(countList_, kList);
    return entries ? int(entries->size()) : 0;
}

std::filesystem::path ProfileStore::GetProfileFilePath(int index) {
    const Json::Value* entries = json::arrayMember(countList_, kList);
    if (!entries || index < 0 || index >= int(entries->size())) return {};
    return ProfileFile(json::stringMember((*entries)[Json::ArrayIndex(index)], kId).value_or(""));
}

}  // namespace viremo
