#pragma once
// A write sequence on a device: BeginSession when made, EndSession when it
// goes out of scope, on every way out, whatever happened in between.
#include "devices/protocol/command_channel.h"

namespace viremo::devices {

class Session {
public:
    explicit Session(CommandChannel& channel) : channel_(channel), begun_(channel.BeginSession()) {}
    ~Session() { channel_.EndSession(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // BeginSession's result.
    int Begun() const { return begun_; }

private:
    CommandChannel& channel_;
    int begun_;
};

}  // namespace viremo::devices
