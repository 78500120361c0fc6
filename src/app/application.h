#pragma once
// The entry procedure of viremo, in its order: options, fonts, the single
// instance, the skin and the program's controls, the message bus, the main
// window and its tray icon, the event loop; then the teardown in reverse.
//
//   viremo [--demo] [--debug] [--dpi 96|144] [--screenshot FILE [--page keyboard|mouse|pad|headset|settings]]
//
// --demo runs against the emulated devices; --screenshot draws the main
// window after the first discovery pass (with that device's page shown, or
// the settings window once its update check has ended), writes a PNG and
// ends (no display needed).
#include <optional>
#include <string>

namespace viremo::app {

struct Options {
    bool demo = false;
    bool debug = false;
    int dpi = 0;  // 0: chosen by the monitor
    std::string screenshot;
    std::string page;
};

// Nothing when the arguments are not understood.
std::optional<Options> ParseOptions(int argc, char** argv);
const char* Usage();

// Runs the program; the process's exit code.
int Run(const Options& options);

// The kind index of a --page name, or -1.
int PageKind(const std::string& page);

}  // namespace viremo::app
