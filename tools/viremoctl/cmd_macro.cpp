// viremoctl macro: the macro library of a keyboard or mouse.
//
//   macro <keyboard|mouse> list
//   macro <keyboard|mouse> show <macro>
//   macro <keyboard|mouse> add
//   macro <keyboard|mouse> rename <macro> <new name>
//   macro <keyboard|mouse> delete <macro>
//   macro <keyboard|mouse> import <file.mac>
//   macro <keyboard|mouse> export <macro> <file.mac>
//
// A macro is its number (as "list" shows it) or its name. Deleting a macro
// renumbers the key bindings of every profile of the device.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "macros/key_table.h"
#include "macros/macro_event.h"
#include "macros/macro_event_list.h"
#include "macros/macro_library.h"
#include "macros/macro_renumbering.h"
#include "macros/text.h"
#include "platform/folder_lock.h"
#include "platform/folders.h"
#include "profiles/text.h"

namespace viremoctl {
namespace {

using viremo::MacroLibrary;
using viremo::MacroResult;

constexpr std::string_view kUsage =
    "usage: macro <keyboard|mouse> list | show <macro> | add | rename <macro> <name> | delete <macro> | "
    "import <file> | export <macro> <file>";

bool isMacroDevice(std::string_view kind) { return kind == "keyboard" || kind == "mouse"; }

std::optional<int> findMacro(const std::vector<viremo::MacroEntry>& entries, const std::string& word) {
    if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos) {
        const auto index = viremo::readDecimal(word);
        if (index < int64_t(entries.size())) return int(index);
        return std::nullopt;
    }
    for (size_t index = 0; index < entries.size(); ++index)
        if (viremo::text::equalsIgnoringCase(entries[index].name, word)) return int(index);
    return std::nullopt;
}

int refused(const MacroLibrary& library, MacroResult result) {
    const std::string& problem = library.problem();
    return fail(std::string(viremo::describe(result)) + (problem.empty() ? "" : " (" + problem + ")"));
}

int reportEntry(const Options& options, std::string_view what, int index, const viremo::MacroEntry& entry) {
    if (options.json) {
        Json::Value row(Json::objectValue);
        row["macro"] = index;
        row["name"] = entry.name;
        row["guid"] = entry.guid;
        printJson(row);
    } else {
        std::printf("%.*s macro %d: %s\n", int(what.size()), what.data(), index,
                    viremo::text::displayable(entry.name).c_str());
    }
    return kSuccess;
}

// The list is read once; an event file that cannot be read is named, never
// counted as a macro without events.
int list(const Options& options, const MacroLibrary& library, const viremo::MacroConfig& config) {
    Json::Value rows(Json::arrayValue);
    std::vector<std::string> problems;
    for (size_t index = 0; index < config.entries.size(); ++index) {
        const auto events = library.readEventDocument(config, int(index));
        const Json::Value* array = viremo::json::arrayMember(events.root, "Events");
        Json::Value row(Json::objectValue);
        row["macro"] = Json::UInt64(index);
        row["name"] = config.entries[index].name;
        row["guid"] = config.entries[index].guid;
        row["events"] = array ? array->size() : 0u;
        row["state"] = events.state == viremo::json::FileState::Read     ? "saved"
                       : events.state == viremo::json::FileState::Absent ? "not saved"
                                                                        : "unreadable";
        if (events.state == viremo::json::FileState::Broken) problems.push_back(events.problem);
        rows.append(row);
    }
    if (options.json) printJson(rows);
    else
        for (const auto& row : rows)
            std::printf("%3u  %-24s %4u events  %s%s\n", row["macro"].asUInt(),
                        viremo::text::displayable(row["name"].asString()).c_str(), row["events"].asUInt(),
                        viremo::text::displayable(row["guid"].asString()).c_str(),
                        row["state"].asString() == "unreadable" ? "  (event file unreadable)" : "");
    for (const auto& problem : problems) std::fprintf(stderr, "viremoctl: cannot read %s\n", problem.c_str());
    return problems.empty() ? kSuccess : kFailure;
}

// "A", "LShift", "mouse left", "move up": the name identifiers made short.
std::string eventName(const Json::Value& event) {
    const auto view = viremo::describeMacroEvent(event);
    std::string_view name = viremo::shortKeyName(view.nameId);
    for (const std::string_view prefix : {"mouse_key_", "mouse_move_to_"}) {
        if (!name.starts_with(prefix)) continue;
        name.remove_prefix(prefix.size());
        if (name.ends_with("_text")) name.remove_suffix(5);
        return std::string(prefix == "mouse_key_" ? "mouse " : "move ") + std::string(name);
    }
    if (!name.empty()) return std::string(name);
    const auto fields = viremo::readMacroEvent(event);
    return "type " + std::to_string(fields.type) + " button " + std::to_string(fields.button);
}

int show(const Options& options, const MacroLibrary& library, const viremo::MacroConfig& config, int index) {
    const auto document = library.readEventDocument(config, index);
    if (document.state == viremo::json::FileState::Broken) return fail("cannot read " + document.problem);
    viremo::MacroEventList list;
    list.load(document.root);
    Json::Value rows(Json::arrayValue);
    for (size_t i = 0; i < list.size(); ++i) {
        const auto& event = list.row(i).event;
        const auto fields = viremo::readMacroEvent(event);
        Json::Value row(Json::objectValue);
        row["name"] = eventName(event);
        row["action"] = viremo::describeMacroEvent(event).actionText;
        row["type"] = Json::Int64(fields.type);
        row["button"] = Json::Int64(fields.button);
        row["delay"] = Json::Int64(fields.delay);
        rows.append(row);
    }
    if (options.json) printJson(rows);
    else
        for (Json::ArrayIndex i = 0; i < rows.size(); ++i)
            std::printf("%4u  %-28s %-5s %6lld ms\n", i, rows[i]["name"].asCString(), rows[i]["action"].asCString(),
                        static_cast<long long>(rows[i]["delay"].asInt64()));
    return kSuccess;
}

// The whole deletion holds the folder's lock: the list, the event file and
// the renumbering of every profile. Profiles that cannot be read would keep
// stale macro numbers, so nothing is deleted while one is broken.
int remove(const Options& options, MacroLibrary& library, const viremo::MacroEntry& entry, int index) {
    const viremo::FolderLock lock(library.folder());
    if (const auto problem = viremo::unreadableProfileFile(library.folder()))
        return fail("the macro is kept: profiles cannot be renumbered (" + *problem + ")");
    if (const auto result = library.remove(index); result != MacroResult::Done) return refused(library, result);
    const auto profiles = viremo::renumberProfileFiles(library.folder(), index);
    if (!profiles.failed.empty())
        return fail("macro deleted, but the profile " + profiles.failed.front().string() + " could not be rewritten");
    if (options.json) {
        Json::Value row(Json::objectValue);
        row["macro"] = index;
        row["name"] = entry.name;
        row["profilesChanged"] = Json::UInt64(profiles.changed.size());
        printJson(row);
    } else {
        std::printf("deleted macro %d: %s (%zu profiles renumbered)\n", index,
                    viremo::text::displayable(entry.name).c_str(),
                    profiles.changed.size());
    }
    return kSuccess;
}

}  // namespace

int runMacro(const Options& options, Arguments arguments) {
    if (arguments.size() < 2 || !isMacroDevice(arguments[0])) return fail(kUsage);
    MacroLibrary library(viremo::folders::deviceData(arguments[0]));
    const std::string& verb = arguments[1];

    if (verb == "add" && arguments.size() == 2) {
        const auto added = library.add();
        if (added.result != MacroResult::Done) return refused(library, added.result);
        return reportEntry(options, "added", added.index, added.entry);
    }
    if (verb == "import" && arguments.size() == 3) {
        const auto added = library.importFile(arguments[2]);
        if (added.result != MacroResult::Done) return refused(library, added.result);
        return reportEntry(options, "imported", added.index, added.entry);
    }
    const auto config = library.read();
    if (config.state == viremo::json::FileState::Broken) return fail("cannot read " + config.problem);
    const auto& entries = config.entries;
    if (verb == "list" && arguments.size() == 2) return list(options, library, config);
    const bool takesMacro = (verb == "show" || verb == "delete") ? arguments.size() == 3
                            : (verb == "rename" || verb == "export") ? arguments.size() == 4
                                                                     : false;
    if (!takesMacro) return fail(kUsage);
    const auto index = findMacro(entries, arguments[2]);
    if (!index) return fail("no macro '" + arguments[2] + "' (see viremoctl macro " + arguments[0] + " list)");
    const viremo::MacroEntry& entry = entries[size_t(*index)];
    if (verb == "show") return show(options, library, config, *index);
    if (verb == "delete") return remove(options, library, entry, *index);
    if (verb == "rename") {
        const auto result = library.rename(*index, arguments[3]);
        if (result != MacroResult::Done) return refused(library, result);
        return reportEntry(options, "renamed", *index, {arguments[3], entry.guid});
    }
    const auto result = library.exportFile(*index, arguments[3]);
    if (result != MacroResult::Done) return refused(library, result);
    return reportEntry(options, "exported", *index, entry);
}

}  // namespace viremoctl
