#pragma once
// The macro library of a keyboard or mouse: "macro.config" and one event
// file per macro (Guid + ".mac") in the device data folder. Every operation
// reads the list afresh, so the files are the only truth between calls, and
// every file is written whole and renamed into place. Every change holds the
// folder's lock from its first read to its last write.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <json/value.h>

#include "macros/macro_config.h"
#include "platform/clock.h"

namespace viremo {

enum class MacroResult {
    Done,
    Full,              // 50 macros already
    ListBroken,        // "macro.config" cannot be parsed; kept as "macro.config.bad" (or a numbered one)
    NameTaken,         // another macro (or this one) has the name, ignoring case
    NameBlank,
    NameInvalid,       // not UTF-8, or holds control characters
    NoSuchMacro,
    NoEventFile,       // the macro has never been saved
    SourceUnreadable,  // import source missing or unreadable
    SourceInvalid,     // import source is not a macro file
    WriteFailed,
};

std::string_view describe(MacroResult result);

// "macro_" + the lowest number no entry uses, ignoring case.
std::string nextMacroName(const std::vector<MacroEntry>& entries);

class MacroLibrary {
public:
    static constexpr size_t kMaxMacros = 50;
    static constexpr int kFileVersion = 64;

    explicit MacroLibrary(std::filesystem::path folder, const Clock& clock = systemClock());

    const std::filesystem::path& folder() const { return folder_; }
    std::vector<MacroEntry> entries() const;
    // The list as it is; a broken one is reported, not moved.
    MacroConfig read() const;
    // One line naming the file concerned, after a result other than Done.
    const std::string& problem() const { return problem_; }

    struct Added {
        MacroResult result = MacroResult::Done;
        int index = -1;
        MacroEntry entry;
    };
    // A new macro without an event file.
    Added add();
    // An entry without a Guid gets one, so that it can have an event file.
    MacroResult rename(int index, std::string_view newName);
    // Removes entry `index`: the list is written first, the event file
    // deleted after, unless another entry names the same Guid.
    MacroResult remove(int index);

    // Adds a macro whose event file is a copy of `source`, which must be a
    // JSON object with an "Events" array of event objects.
    Added importFile(const std::filesystem::path& source);
    MacroResult exportFile(int index, const std::filesystem::path& destination);

    // The event file of macro `index`: null when missing or unreadable.
    Json::Value readEventFile(int index) const;
    // The event file of an entry of `config`; Broken also when it is no
    // macro file.
    json::Document readEventDocument(const MacroConfig& config, int index) const;
    // Writes {"MacroName", "Guid", "Events", "Version": 64} for macro `index`.
    MacroResult writeEventFile(int index, const Json::Value& events) const;

private:
    std::string newGuid(const std::vector<MacroEntry>& entries) const;
    // Reads the list for a change; a broken list is kept as ".bad".
    MacroConfig readForChange(MacroResult& refusal);
    MacroResult refuse(MacroResult result, std::string problem);
    MacroResult listNotWritten();

    std::filesystem::path folder_;
    const Clock& clock_;
    std::string problem_;
};

// True when `document` is an object with an "Events" array of event objects.
bool isMacroFileDocument(const Json::Value& document);

}  // namespace viremo
