#pragma once
// A dbus-daemon of the tests' own, so that nothing reaches the user's bus.
#include <signal.h>

#include <cstdio>
#include <string>

namespace viremo::testing {

class PrivateSessionBus {
public:
    PrivateSessionBus() {
        FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
        if (!out) return;
        char line[512];
        if (std::fgets(line, sizeof line, out)) address_ = Trimmed(line);
        if (std::fgets(line, sizeof line, out)) pid_ = std::atoi(line);
        ::pclose(out);
    }
    ~PrivateSessionBus() {
        if (pid_ > 0) ::kill(pid_, SIGTERM);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool running() const { return pid_ > 0 && !address_.empty(); }
    const std::string& address() const { return address_; }

private:
    static std::string Trimmed(std::string text) {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        return text;
    }
    std::string address_;
    int pid_ = 0;
};

}  // namespace viremo::testing
