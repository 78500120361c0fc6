#pragma once
// The program's one debug log. Silent unless a sink is set; `--debug` sets a
// sink that writes to stderr. Lines are written whole, from any thread.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace viremo::log {

using Sink = std::function<void(std::string_view line)>;

// Installs a sink and returns the previous one (empty: logging off).
Sink setSink(Sink sink);
void toStderr();
bool enabled();

void line(std::string_view text);
void linef(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Collects the lines logged while it lives; tests read them back.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    std::vector<std::string> lines() const;
    bool contains(std::string_view fragment) const;

private:
    struct State;
    std::shared_ptr<State> state_;
    Sink previous_;
};

}  // namespace viremo::log
