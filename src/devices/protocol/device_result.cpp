#include "devices/protocol/device_result.h"

#include <array>
#include <string_view>

namespace viremo::devices {
namespace {

struct Meaning {
    int code;
    std::string_view text;
};

constexpr std::array<Meaning, 8> kMeanings{{
    {kSuccess, "done"},
    {kNotDone, "not done (device closed or suspended, or no reply in time)"},
    {kWriteFailed, "the report could not be written"},
    {kUnreachable, "not reachable through its receiver"},
    {kRefused, "refused by the device"},
    {kDeviceError, "the device reported an error"},
    {kBadKeyTablePage, "no such key table page"},
    {kRecoilTooLarge, "the recoil patterns do not fit the mouse's memory"},
}};

std::string withCode(std::string_view text, int code) {
    return std::string(text) + " (result " + std::to_string(code) + ")";
}

}  // namespace

std::string DeviceResult::describe() const {
    if (macroUpload_) {
        if (code_ == 0) return "written";
        if (code_ > 0)
            return "the macros do not fit the device's memory: " + std::to_string(code_) +
                   " (events over the capacity, plus one)";
        return withCode("writing the macro memory failed", code_);
    }
    for (const Meaning& meaning : kMeanings)
        if (meaning.code == code_) return withCode(meaning.text, code_);
    return withCode("failed", code_);
}

std::ostream& operator<<(std::ostream& out, const DeviceResult& result) { return out << result.describe(); }

}  // namespace viremo::devices
