#pragma once
// Faults a test can make a command interface commit on the next packets.
#include <cstdint>

namespace viremo::emulator {

enum class FaultKind {
    NoReply,     // the packet is lost: no effect, no reply
    Status,      // refused with `status` (254 or 255), no effect
    StaleReply,  // a reply with `staleCommand` is sent before the real one
};

inline constexpr int kAnyCommand = -1;
// Repeat count of a fault that stays until cleared.
inline constexpr int kForever = -1;

struct Fault {
    FaultKind kind = FaultKind::NoReply;
    int command = kAnyCommand;  // the command code it waits for
    uint8_t status = 0;         // for Status
    uint8_t staleCommand = 0;   // for StaleReply
};

}  // namespace viremo::emulator
