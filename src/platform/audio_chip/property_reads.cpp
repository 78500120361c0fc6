#include "platform/audio_chip/property_reads.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/audio_chip/levels.h"

namespace viremo::audio_chip {
namespace {

std::optional<double> readNumber(AudioChip& chip, const DeviceRecord& device, std::string_view name,
                                 const Channel& channel) {
    std::string text;
    if (chip.getProperty(device, name, channel, text) != Status::Ok) return std::nullopt;
    return parseNumber(text);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\0')) text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool readInteger(AudioChip& chip, const DeviceRecord& device, std::string_view name, const Channel& channel,
                 int32_t& value) {
    const auto number = readNumber(chip, device, name, channel);
    if (!number || *number != std::trunc(*number) || *number < std::numeric_limits<int32_t>::min() ||
        *number > std::numeric_limits<int32_t>::max())
        return false;
    value = int32_t(*number);
    return true;
}

bool readLevel(AudioChip& chip, const DeviceRecord& device, std::string_view name, const Channel& channel,
               int& level) {
    const auto scalar = readNumber(chip, device, name, channel);
    if (!scalar) return false;
    level = levelFromScalar(*scalar);
    return true;
}

Status writeLevel(AudioChip& chip, const DeviceRecord& device, std::string_view name, const Channel& channel,
                  int level) {
    return chip.setProperty(device, name, scalarFromLevel(level), channel);
}

}  // namespace viremo::audio_chip
