#pragma once
// Runs the built viremoctl with arguments and collects what it prints.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace viremoctl::testing {

struct Run {
    int exitCode = -1;
    std::string out;  // stdout and stderr, in order
};

inline Run runViremoctl(const std::string& arguments) {
    Run run;
    const std::string command = std::string(VIREMOCTL) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace viremoctl::testing
