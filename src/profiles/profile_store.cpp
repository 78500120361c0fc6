#include "profiles/profile_store.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/file_name.h"
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
        case ProfileResult::LimitReached: return "the device has the most profiles it may have";
        case ProfileResult::NoSelection: return "no profile is selected";
        case ProfileResult::LastProfile: return "a device keeps at least one profile";
        case ProfileResult::NotAProfile: return "the file is not a profile";
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

Json::Value ProfileStore::readList() {
    Json::Value root = json::readFile(ListFile());
    if (!isUsableList(root)) return Json::Value();
    refresh(root);
    return root;
}

bool ProfileStore::writeList(const Json::Value& list) {
    refresh(list);
    return json::writeFile(ListFile(), list);
}

void ProfileStore::refresh(const Json::Value& list) {
    profiles_.clear();
    if (const Json::Value* entries = json::arrayMember(list, kList)) {
        for (const Json::Value& entry : *entries)
            profiles_.push_back({json::stringMember(entry, kName).value_or(""), json::stringMember(entry, kId).value_or("")});
    }
}

bool ProfileStore::nameTaken(std::string_view name, int except) const {
    for (size_t i = 0; i < profiles_.size(); ++i) {
        if (int(i) != except && text::equalsIgnoringCase(profiles_[i].name, name)) return true;
    }
    return false;
}

Json::Value ProfileStore::readTemplate() const { return objectOrEmpty(json::readFile(template_)); }

bool ProfileStore::writeProfileFile(Json::Value document, const std::string& name, const std::string& id) {
    const auto file = ProfileFile(id);
    if (file.empty()) return false;
    document = objectOrEmpty(document);
    document[kName] = name;
    document[kId] = id;
    return json::writeFile(file, document);
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

ProfileResult ProfileStore::LoadProfileList() {
    const auto listFile = ListFile();
    const json::Document document = json::readDocument(listFile);
    Json::Value list = document.root;
    if (!isUsableList(list)) {
        // A broken or emptied list is kept aside. The profiles are found
        // again from their files; only with none is the first one made.
        std::error_code error;
        if (std::filesystem::exists(listFile, error)) keepAsBad(listFile);
        list = rebuildList();
    }
    refresh(list);
    const int stored = int(std::clamp<int64_t>(json::intMember(list, kSelect).value_or(0), 0, int64_t(profiles_.size()) - 1));
    return SelectProfile(stored);
}

ProfileResult ProfileStore::SelectProfile(int index) {
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    index = std::clamp(index, 0, int(profiles_.size()) - 1);
    selected_ = index;
    currentId_ = profiles_[size_t(index)].id;
    list[kSelect] = index;
    return writeList(list) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

ProfileResult ProfileStore::AddProfile() {
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
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    const ProfileEntry source = profiles_[size_t(selected_)];
    std::string name = source.name + " copy";
    while (nameTaken(name)) name += " copy";
    return appendProfile(list, name, json::readFile(ProfileFile(source.id)));
}

ProfileResult ProfileStore::DeleteProfile() {
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
    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    if (text::trimmed(name).empty()) return ProfileResult::NameBlank;
    if (nameTaken(name, selected_)) return ProfileResult::NameTaken;

    // An entry damaged by hand (not an object) names no profile file to rename.
    Json::Value& entry = list[kList][Json::ArrayIndex(selected_)];
    if (!entry.isObject()) return ProfileResult::Unreadable;
    const std::string newName(name);
    const std::string id = profiles_[size_t(selected_)].id;
    entry[kName] = newName;
    if (!writeList(list)) return ProfileResult::WriteFailed;

    const auto file = ProfileFile(id);
    const json::Document profile = json::readDocument(file);
    if (profile.state == json::FileState::Broken) keepAsBad(file);
    return writeProfileFile(profile.root, newName, id) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

ProfileResult ProfileStore::ImportProfile(const std::filesystem::path& file) {
    const Json::Value document = json::readFile(file);
    const Json::Value* name = json::member(document, kName);
    const Json::Value* id = json::member(document, kId);
    if (!document.isObject() || !name || name->isNull() || !id || id->isNull()) return ProfileResult::NotAProfile;

    Json::Value list = readList();
    if (list.isNull()) return ProfileResult::Unreadable;
    std::string newName = file.stem().string();
    for (int counter = 1; nameTaken(newName); ++counter) newName += "(" + std::to_string(counter) + ")";
    return appendProfile(list, newName, document);
}

ProfileResult ProfileStore::ExportProfile(const std::filesystem::path& file) {
    if (readList().isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    const Json::Value document = json::readFile(ProfileFile(profiles_[size_t(selected_)].id));
    if (!document.isObject()) return ProfileResult::Unreadable;
    return json::writeFile(file, document) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

ProfileResult ProfileStore::ResetProfile() {
    if (readList().isNull()) return ProfileResult::Unreadable;
    if (selected_ < 0 || selected_ >= int(profiles_.size())) return ProfileResult::NoSelection;
    const ProfileEntry profile = profiles_[size_t(selected_)];
    Json::Value document = readTemplate();
    if (modelId_ == kModelHeadset) {
        // The user's own equalisers survive a reset of the headset.
        const Json::Value current = json::readFile(ProfileFile(profile.id));
        const Json::Value* devices = json::arrayMember(current, "Device");
        const Json::Value* entry = devices && !devices->empty() ? &(*devices)[0] : nullptr;
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
