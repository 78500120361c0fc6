// viremoctl: the command line over the same libraries as the application.
#include <cstdio>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "command.h"
#include "platform/folders.h"
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
int runEffect(const Options&, Arguments);
int runHeadset(const Options&, Arguments);
int runMouseRead(const Options&, Arguments);
int runMouseApply(const Options&, Arguments);
int runMouseStatus(const Options&, Arguments);
int runMouseLighting(const Options&, Arguments);
int runMouseDpi(const Options&, Arguments);
int runMouseRate(const Options&, Arguments);
int runMouseEffect(const Options&, Arguments);
int runRecoilApply(const Options&, Arguments);
int runSignal(const Options&, Arguments);

namespace {

const Command kCommands[] = {
    {"list", "list                      supported HID interfaces present", runList},
    {"info", "info <keyboard|mouse|pad|headset>   the device information block", runInfo},
    {"profile", "profile <kind> list|show|add|copy|rename|delete|reset|import|export|switch   named profiles", runProfile},
    {"read", "read keyboard             settings, key table and macro memory of the keyboard", runRead},
    {"apply", "apply keyboard            write the current profile: macros, key table, settings", runApply},
    {"lighting", "lighting keyboard [--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1] [--color RRGGBB] [--multicolor 0|1] [--run SECONDS [--reaction LIGHT]... [--audio LEVEL]]", runLighting},
    {"status", "status keyboard           battery level", runStatus},
    {"keys", "keys <keyboard|mouse> [set <key> <assignment>]   key assignments of the current profile", runKeys},
    {"macro", "macro <keyboard|mouse> list|show|add|rename|delete|import|export   the macro library", runMacro},
    {"recoil", "recoil show <gun>         the mouse's recoil pattern of gun 0-3", runRecoil},
    {"effect", "effect pad|headset --run SECONDS   run the profile's software effect and count the frames", runEffect},
    {"headset", "headset show|eq|eq-custom|mic|monitor|voice|surround   the headset's audio: equaliser, microphone, monitor, voice changer, surround", runHeadset},
    {"read", "read mouse                identity, button table and settings of the mouse", runMouseRead, "mouse"},
    {"apply", "apply mouse               write the current profile: macros, button table, settings", runMouseApply, "mouse"},
    {"lighting", "lighting mouse [--mode 0-9] [--brightness 0-4] [--speed 0-4] [--direction 0|1] [--color RRGGBB] [--multicolor 0|1]", runMouseLighting, "mouse"},
    {"status", "status mouse              battery level", runMouseStatus, "mouse"},
    {"dpi", "dpi mouse [--stages N] [--stage I --dpi V [--color RRGGBB]] [--active I]   the DPI stages", runMouseDpi, "mouse"},
    {"rate", "rate mouse 125|250|500|1000   the report rate", runMouseRate, "mouse"},
    {"effect", "effect mouse --run SECONDS   stream the profile's software effect", runMouseEffect, "mouse"},
    {"recoil", "recoil apply              write the four guns into the mouse", runRecoilApply, "apply"},
    {"signal", "signal NAME [WPARAM LPARAM]   send a registered message to the programs on the session bus", runSignal},
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

// The row of the command for its first argument, else its general row,
// else its first row (which then tells its usage).
const Command* findCommand(std::string_view name, Arguments arguments) {
    const Command* general = nullptr;
    const Command* first = nullptr;
    for (const auto& command : kCommands) {
        if (command.name != name) continue;
        if (!first) first = &command;
        if (command.firstArgument.empty() && !general) general = &command;
        if (!command.firstArgument.empty() && !arguments.empty() && arguments[0] == command.firstArgument)
            return &command;
    }
    return general ? general : first;
}

}  // namespace

int fail(std::string_view reason) {
    std::fprintf(stderr, "viremoctl: %.*s\n", int(reason.size()), reason.data());
    return kFailure;
}

void printJson(const Json::Value& document) { std::cout << viremo::json::styledText(document) << std::flush; }


namespace {

// Options come before the command; everything after the command's name is
// its own arguments, so that a name such as "-h" can be given.
int run(int argc, char** argv) {
    Options options;
    int next = 1;
    for (; next < argc; ++next) {
        const std::string word = argv[next];
        if (word == "--json") options.json = true;
        else if (word == "--demo") options.demo = true;
        else if (word == "--debug") options.debug = true;
        else if (word == "--help" || word == "-h") {
            printHelp();
            return kSuccess;
        } else if (word.starts_with("-")) {
            return fail("unknown option '" + word + "' (see viremoctl --help)");
        } else break;
    }
    if (options.debug) viremo::log::toStderr();
    if (next == argc) {
        printHelp();
        return kFailure;
    }
    if (const auto problem = viremo::folders::homeProblem()) return fail(*problem);
    const std::vector<std::string> words(argv + next, argv + argc);
    const Arguments arguments = Arguments(words).subspan(1);
    if (const Command* command = findCommand(words.front(), arguments)) return command->run(options, arguments);
    return fail("unknown command '" + words.front() + "' (see viremoctl --help)");
}

}  // namespace
}  // namespace viremoctl

// No exception leaves the program: whatever a command did not handle ends it
// with a message and exit code 1.
int main(int argc, char** argv) {
    try {
        return viremoctl::run(argc, argv);
    } catch (const std::bad_alloc&) {
        return viremoctl::fail("out of memory");
    } catch (const std::exception& error) {
        return viremoctl::fail(error.what());
    } catch (...) {
        return viremoctl::fail("an unexpected error");
    }
}
