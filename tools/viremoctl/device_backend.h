#pragma once
// The devices every command talks to: the system's hidraw nodes, or with
// --demo one emulated bus for the whole process with the demo set plugged in
// (keyboard on its cable, mouse through its receiver, mouse pad, headset).
#include "command.h"
#include "emulator/demo_set.h"
#include "hid/backend.h"

namespace viremoctl {

viremo::hid::Backend& deviceBackend(const Options& options);

// The demo set behind the emulated bus (plugged on first use).
viremo::emulator::DemoSet& demoSet();

}  // namespace viremoctl
