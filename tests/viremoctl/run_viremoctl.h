#pragma once
// Runs the built viremoctl with arguments and collects what it prints. Its
// data and settings folders are a scratch folder of the test, never the
// user's.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "profiles/json_file.h"

namespace viremoctl::testing {

struct Run {
    int exitCode = -1;
    std::string out;  // stdout and stderr, in order
};

inline std::filesystem::path scratchHome() {
    const auto folder = std::filesystem::temp_directory_path() / ("viremoctl-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

inline Run runViremoctl(const std::string& arguments) {
    Run run;
    const std::string home = scratchHome().string();
    const std::string command = "XDG_DATA_HOME='" + home + "/data' XDG_CONFIG_HOME='" + home + "/config' " +
                                std::string(VIREMOCTL) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// What a --json run printed.
inline Json::Value jsonOf(const Run& run) {
    const auto document = viremo::json::parse(run.out);
    EXPECT_TRUE(document) << run.out;
    return document.value_or(Json::Value());
}

}  // namespace viremoctl::testing
