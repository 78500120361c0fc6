// viremoctl: the command line over the same libraries as the application.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "platform/log.h"
#include "profiles/json_file.h"

namespace viremoctl {

// Each group lives in cmd_<group>.cpp.
int runList(const Options&, Arguments);
int runInfo(const Options&, Arguments);
int runProfile(const Options&, Arguments);
int runRead(const Options&, Arguments);
int runApply(const Options&, Arguments);
int runLighting(const Options&, Arguments);
int runStatus(const Options&, Arguments);
int runKeys(const Options&, Arguments);
int runMacro(const Options&, Arguments);
int runRecoil(const Options&, Arguments);
int runUpdate(const Options&, Arguments);

namespace {

const Command kCommands[] = {
    {"list", "list                      supported HID interfaces present", runList},
    {"info", "info <keyboard|mouse|pad|headset>   the device information block", runInfo},
    {"profile", "profile <kind> list|show|add|copy|rename|delete|reset|import|export|switch   named profiles", runProfile},
    {"read", "read keyboard             settings, key table and macro memory of the keyboard", runRead},
    {"apply", "apply keyboard            write the current profile: macros, key table, settings", runApply},
    {"lighting", "lighting keyboard [--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1] [--color RRGGBB] [--multicolor 0|1]", runLighting},
    {"status", "status keyboard           battery level", runStatus},
    {"keys", "keys <keyboard|mouse> [set <key> <assignment>]   key assignments of the current profile", runKeys},
    {"macro", "macro <keyboard|mouse> list|show|add|rename|delete|import|export   the macro library", runMacro},
    {"recoil", "recoil show <gun>         the mouse's recoil pattern of gun 0-3", runRecoil},
    {"update", "update check [--service URL] [--ca-file FILE]   ask the update service about the application and the devices", runUpdate},
};

void printHelp() {
    std::puts(
        "usage: viremoctl [--demo] [--json] [--debug] <command> [arguments]\n"
        "\n"
        "  --demo    use emulated devices (keyboard, mouse through its receiver,\n"
        "            mouse pad, headset) instead of the real ones\n"
        "  --json    print results as JSON\n"
        "  --debug   print the debug log (command packets and replies) on stderr\n"
        "  --help    show this text\n"
        "\n"
        "commands:");
    for (const auto& command : kCommands) std::printf("  %.*s\n", int(command.usage.size()), command.usage.data());
}

}  // namespace

int fail(std::string_view reason) {
    std::fprintf(stderr, "viremoctl: %.*s\n", int(reason.size()), reason.data());
    return kFailure;
}

void printJson(const Json::Value& document) { std::cout << viremo::json::styledText(document) << std::flush; }

}  // namespace viremoctl

int main(int argc, char** argv) {
    using namespace viremoctl;
    Options options;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--json") options.json = true;
        else if (word == "--demo") options.demo = true;
        else if (word == "--debug") options.debug = true;
        else if (word == "--help" || word == "-h") {
            printHelp();
            return kSuccess;
        } else words.push_back(word);
    }
    if (options.debug) viremo::log::toStderr();
    if (words.empty()) {
        printHelp();
        return kFailure;
    }
    for (const auto& command : kCommands) {
        if (command.name == words.front())
            return command.run(options, Arguments(words).subspan(1));
    }
    return fail("unknown command '" + words.front() + "' (see viremoctl --help)");
}
