#pragma once
// Finding the present interfaces of the supported devices, matched as
// discovery matches them: first by the ids and numbers their path says,
// then, opened for reading, by the device's ids and the collection's usage
// page and usage. The command-line tool finds its devices through it, and
// so does the discovery thread.
#include <optional>
#include <string>
#include <vector>

#include "devices/device_tables.h"
#include "hid/backend.h"

namespace viremo::devices {

// A present interface and its row of the HID interface table.
struct FoundInterface {
    int row = kNone;
    std::string path;
};

struct InterfaceSurvey {
    bool enumerated = false;                 // false: the interfaces could not be listed at all
    std::vector<FoundInterface> interfaces;  // in enumeration order
    std::vector<std::string> deniedPaths;    // supported, but not ours to open
};

// Every present interface of a supported device; with `wantedRow` only that
// row's, and the survey stops at the first one found.
InterfaceSurvey surveyInterfaces(hid::Backend& backend, int wantedRow = kNone);

// The command interface of a kind (kKindMouse ...): on its cable first,
// through its receiver otherwise.
struct CommandInterface {
    int row = kNone;
    std::string path;
    bool viaReceiver = false;
};
std::optional<CommandInterface> probeCommandInterface(hid::Backend& backend, int kindIndex);

}  // namespace viremo::devices
