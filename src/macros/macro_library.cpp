#include "macros/macro_library.h"

#include <algorithm>

#include "macros/text.h"
#include "platform/file_name.h"
#include "profiles/text.h"
#include "platform/atomic_file.h"
#include "platform/folder_lock.h"
#include "profiles/time_stamp_id.h"

namespace viremo {
namespace {

bool nameInUse(const std::vector<MacroEntry>& entries, std::string_view name) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const MacroEntry& entry) { return text::equalsIgnoringCase(entry.name, name); });
}

bool inRange(int index, size_t count) { return index >= 0 && static_cast<size_t>(index) < count; }

Json::Value& macroInfo(Json::Value& root) {
    Json::Value& list = root["MacroInfo"];
    if (!list.isArray()) list = Json::Value(Json::arrayValue);
    return list;
}

Json::Value entryObject(const MacroEntry& entry) {
    Json::Value object(Json::objectValue);
    object["MacroName"] = entry.name;
    object["Guid"] = entry.guid;
    return object;
}

}  // namespace

std::string_view describe(MacroResult result) {
    switch (result) {
    case MacroResult::Done: return "done";
    case MacroResult::Full: return "the library already holds 50 macros";
    case MacroResult::ListBroken: return "macro.config cannot be read";
    case MacroResult::NameTaken: return "a macro with that name exists";
    case MacroResult::NameBlank: return "the name is blank";
    case MacroResult::NameInvalid: return "the name is not UTF-8 text or holds control characters";
    case MacroResult::NoSuchMacro: return "no such macro";
    case MacroResult::NoEventFile: return "the macro has no event file yet";
    case MacroResult::SourceUnreadable: return "the file cannot be read";
    case MacroResult::SourceInvalid: return "the file is not a macro file";
    case MacroResult::WriteFailed: return "a file could not be written";
    }
    return "unknown result";
}

std::string nextMacroName(const std::vector<MacroEntry>& entries) {
    for (int number = 1;; ++number) {
        std::string name = "macro_" + std::to_string(number);
        if (!nameInUse(entries, name)) return name;
    }
}

bool isMacroFileDocument(const Json::Value& document) {
    const Json::Value* events = json::arrayMember(document, "Events");
    return events && std::all_of(events->begin(), events->end(), [](const Json::Value& e) { return e.isObject(); });
}

MacroLibrary::MacroLibrary(std::filesystem::path folder, const Clock& clock)
    : folder_(std::move(folder)), clock_(clock) {}

std::vector<MacroEntry> MacroLibrary::entries() const { return readMacroConfig(folder_).entries; }

MacroConfig MacroLibrary::read() const { return readMacroConfig(folder_); }

MacroResult MacroLibrary::refuse(MacroResult result, std::string problem) {
    problem_ = std::move(problem);
    return result;
}

MacroResult MacroLibrary::listNotWritten() {
    const auto file = folder_ / kMacroConfigName;
    return refuse(MacroResult::WriteFailed, replaceRefusal(file).value_or(file.string() + ": cannot be written"));
}

MacroConfig MacroLibrary::readForChange(MacroResult& refusal) {
    MacroConfig config = readMacroConfig(folder_);
    refusal = MacroResult::Done;
    if (config.state == json::FileState::Broken) {
        const auto kept = keepAsBad(folder_ / kMacroConfigName);
        refusal = refuse(MacroResult::ListBroken,
                         config.problem + (kept ? "; kept as " + kept->filename().string() : ""));
    }
    return config;
}

std::string MacroLibrary::newGuid(const std::vector<MacroEntry>& entries) const {
    // When the clock repeats a millisecond, the next free one is taken.
    for (auto time = clock_.wallNow();; time += std::chrono::milliseconds(1)) {
        const std::string guid = timeStampIdentifier(time);
        const bool listed =
            std::any_of(entries.begin(), entries.end(), [&](const MacroEntry& entry) { return entry.guid == guid; });
        std::error_code ignored;
        if (!listed && !std::filesystem::exists(*macroEventFile(folder_, guid), ignored)) return guid;
    }
}

MacroLibrary::Added MacroLibrary::add() {
    const FolderLock lock(folder_);
    MacroResult refusal;
    MacroConfig config = readForChange(refusal);
    if (refusal != MacroResult::Done) return {refusal, -1, {}};
    if (config.entries.size() >= kMaxMacros) return {MacroResult::Full, -1, {}};
    MacroEntry entry{nextMacroName(config.entries), newGuid(config.entries)};
    macroInfo(config.root).append(entryObject(entry));
    if (!writeMacroConfig(folder_, config.root)) return {listNotWritten(), -1, {}};
    return {MacroResult::Done, static_cast<int>(config.entries.size()), std::move(entry)};
}

MacroResult MacroLibrary::rename(int index, std::string_view newName) {
    const FolderLock lock(folder_);
    MacroResult refusal;
    MacroConfig config = readForChange(refusal);
    if (refusal != MacroResult::Done) return refusal;
    if (!inRange(index, config.entries.size())) return MacroResult::NoSuchMacro;
    if (text::trimmed(newName).empty()) return MacroResult::NameBlank;
    if (!text::isDisplayableName(newName)) return MacroResult::NameInvalid;
    if (nameInUse(config.entries, newName)) return MacroResult::NameTaken;
    Json::Value& entry = macroInfo(config.root)[static_cast<Json::ArrayIndex>(index)];
    if (!entry.isObject()) entry = Json::Value(Json::objectValue);
    entry["MacroName"] = std::string(newName);
    if (!isPlainFileName(config.entries[static_cast<size_t>(index)].guid)) entry["Guid"] = newGuid(config.entries);
    return writeMacroConfig(folder_, config.root) ? MacroResult::Done : listNotWritten();
}

MacroResult MacroLibrary::remove(int index) {
    const FolderLock lock(folder_);
    MacroResult refusal;
    MacroConfig config = readForChange(refusal);
    if (refusal != MacroResult::Done) return refusal;
    if (!inRange(index, config.entries.size())) return MacroResult::NoSuchMacro;
    const std::string guid = config.entries[static_cast<size_t>(index)].guid;
    Json::Value removed;
    macroInfo(config.root).removeIndex(static_cast<Json::ArrayIndex>(index), &removed);
    if (!writeMacroConfig(folder_, config.root)) return listNotWritten();
    const auto sharers = std::count_if(config.entries.begin(), config.entries.end(),
                                       [&](const MacroEntry& entry) { return entry.guid == guid; });
    if (const auto file = macroEventFile(folder_, guid); file && sharers == 1) {
        std::error_code ignored;
        std::filesystem::remove(*file, ignored);
    }
    return MacroResult::Done;
}

MacroLibrary::Added MacroLibrary::importFile(const std::filesystem::path& source) {
    const CappedFile content = ReadFileCapped(source, kJsonFileCap);
    if (!content.read()) return {refuse(MacroResult::SourceUnreadable, content.reason), -1, {}};
    const auto document = json::parse(content.text);
    if (!document || !isMacroFileDocument(*document))
        return {refuse(MacroResult::SourceInvalid, source.string() + ": not a macro file"), -1, {}};

    const FolderLock lock(folder_);
    MacroResult refusal;
    MacroConfig config = readForChange(refusal);
    if (refusal != MacroResult::Done) return {refusal, -1, {}};
    if (config.entries.size() >= kMaxMacros) return {MacroResult::Full, -1, {}};
    MacroEntry entry{nextMacroName(config.entries), newGuid(config.entries)};
    // The event file first: a list entry never points at a missing copy.
    const auto file = *macroEventFile(folder_, entry.guid);
    if (!writeFileAtomically(file, content.text)) return {MacroResult::WriteFailed, -1, {}};
    macroInfo(config.root).append(entryObject(entry));
    if (!writeMacroConfig(folder_, config.root)) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        return {listNotWritten(), -1, {}};
    }
    return {MacroResult::Done, static_cast<int>(config.entries.size()), std::move(entry)};
}

MacroResult MacroLibrary::exportFile(int index, const std::filesystem::path& destination) {
    const auto entries = this->entries();
    if (!inRange(index, entries.size())) return MacroResult::NoSuchMacro;
    const auto file = macroEventFile(folder_, entries[static_cast<size_t>(index)].guid);
    std::error_code ignored;
    if (!file || !std::filesystem::is_regular_file(*file, ignored)) return MacroResult::NoEventFile;
    if (copyFileAtomically(*file, destination)) return MacroResult::Done;
    return refuse(MacroResult::WriteFailed,
                  replaceRefusal(destination).value_or(destination.string() + ": cannot be written"));
}

Json::Value MacroLibrary::readEventFile(int index) const {
    return readEventDocument(readMacroConfig(folder_), index).root;
}

json::Document MacroLibrary::readEventDocument(const MacroConfig& config, int index) const {
    if (!inRange(index, config.entries.size())) return {};
    const auto file = macroEventFile(folder_, config.entries[static_cast<size_t>(index)].guid);
    if (!file) return {};
    json::Document document = json::readDocument(*file);
    if (document.state == json::FileState::Read && !isMacroFileDocument(document.root))
        return {json::FileState::Broken, Json::Value(), file->string() + ": not a macro file"};
    return document;
}

MacroResult MacroLibrary::writeEventFile(int index, const Json::Value& events) const {
    const FolderLock lock(folder_);
    const auto entries = this->entries();
    if (!inRange(index, entries.size())) return MacroResult::NoSuchMacro;
    const MacroEntry& entry = entries[static_cast<size_t>(index)];
    const auto file = macroEventFile(folder_, entry.guid);
    if (!file) return MacroResult::NoSuchMacro;
    Json::Value document(Json::objectValue);
    document["MacroName"] = entry.name;
    document["Guid"] = entry.guid;
    document["Events"] = events.isArray() ? events : Json::Value(Json::arrayValue);
    document["Version"] = kFileVersion;
    return json::writeFile(*file, document) ? MacroResult::Done : MacroResult::WriteFailed;
}

}  // namespace viremo
