#pragma once
// The result of a device operation, carrying the protocol's own codes that
// callers rely on (result_code.h): 1 done, 0 not done, negative failures.
// The macro upload keeps its own convention: 0 written, -1 not written and,
// when the macros do not fit the device's memory, the overflow (the events
// over the capacity, plus one).
#include <ostream>
#include <string>

#include "devices/protocol/result_code.h"

namespace viremo::devices {

class DeviceResult {
public:
    // Implicit, so that the channel's codes are results as they are.
    constexpr DeviceResult(int code = kNotDone) : code_(code) {}
    static constexpr DeviceResult MacroUpload(int code) {
        DeviceResult result(code);
        result.macroUpload_ = true;
        return result;
    }

    constexpr int code() const { return code_; }
    constexpr bool succeeded() const { return code_ == (macroUpload_ ? 0 : kSuccess); }
    // The macros' overflow; 0 for every other result.
    constexpr int overflow() const { return macroUpload_ && code_ > 0 ? code_ : 0; }
    // One line for messages, e.g. "refused by the device (result -102)".
    std::string describe() const;

    friend constexpr bool operator==(const DeviceResult& a, const DeviceResult& b) { return a.code_ == b.code_; }

private:
    int code_;
    bool macroUpload_ = false;
};

std::ostream& operator<<(std::ostream& out, const DeviceResult& result);

}  // namespace viremo::devices
