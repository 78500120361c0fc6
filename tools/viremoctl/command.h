#pragma once
// What every viremoctl command is given, and how it answers.
#include <span>
#include <string>
#include <string_view>

#include <json/value.h>

namespace viremoctl {

struct Options {
    bool json = false;   // --json: machine-readable output on stdout
    bool demo = false;   // --demo: the emulated devices instead of hidraw
    bool debug = false;  // --debug: the debug log on stderr
};

using Arguments = std::span<const std::string>;

struct Command {
    std::string_view name;
    std::string_view usage;  // shown by --help, one line per form
    int (*run)(const Options& options, Arguments arguments);
    // When set, the row serves this first argument (a device kind,
    // "apply" ...) before a row of the same name without one.
    std::string_view firstArgument = {};
};

// Exit codes.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;

// Prints "viremoctl: <reason>" on stderr and returns kFailure.
int fail(std::string_view reason);

// Prints a document for --json.
void printJson(const Json::Value& document);

}  // namespace viremoctl
