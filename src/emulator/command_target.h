#pragma once
// Whatever answers the output reports of a command interface: the device's
// own firmware on the cable, or a wireless receiver that forwards to it.
#include <span>
#include <vector>

#include "emulator/command_packet.h"

namespace viremo::emulator {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // The input reports sent back for one output report, in order (none for
    // a report that is not a command).
    virtual std::vector<Report> answer(std::span<const uint8_t> report) = 0;
};

}  // namespace viremo::emulator
