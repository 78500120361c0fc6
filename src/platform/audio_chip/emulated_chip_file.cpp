#include "platform/audio_chip/emulated_chip_file.h"

#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include <json/reader.h>
#include <json/writer.h>

#include "platform/atomic_file.h"
#include "platform/log.h"

namespace viremo::audio_chip {
namespace {

constexpr std::array<std::pair<const char*, Direction>, 2> kSections{{
    {"playback", Direction::Playback},
    {"recording", Direction::Recording},
}};

std::optional<Json::Value> parse(const std::string& text) {
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &root, &errors)) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return root;
}

// A stored number as the property's binary type: integers must be whole.
std::optional<PropertyValue> valueLike(const PropertyValue& current, const Json::Value& stored) {
    if (!stored.isNumeric()) return std::nullopt;
    const double number = stored.asDouble();
    if (!std::isfinite(number)) return std::nullopt;
    if (std::holds_alternative<float>(current)) return PropertyValue(float(number));
    if (number != std::trunc(number) || std::abs(number) > 2147483647.0) return std::nullopt;
    return PropertyValue(int32_t(number));
}

Json::Value numberOf(const PropertyValue& value) {
    if (std::holds_alternative<float>(value)) return double(std::get<float>(value));
    return std::get<int32_t>(value);
}

}  // namespace

bool loadEmulatedChip(EmulatedAudioChip& chip, const std::filesystem::path& file) {
    const auto text = readWholeFile(file);
    if (!text) return false;
    const auto root = parse(*text);
    if (!root || !root->isObject()) {
        log::linef("emulated audio chip: %s cannot be read; kept as .bad", file.c_str());
        keepAsBad(file);
        return false;
    }
    for (const auto& [key, direction] : kSections) {
        const Json::Value& section = (*root)[key];
        if (!section.isObject()) continue;
        for (const auto& [name, current] : chip.settings(direction)) {
            if (!section.isMember(name)) continue;
            if (const auto value = valueLike(current, section[name])) chip.restoreSetting(direction, name, *value);
        }
    }
    return true;
}

bool saveEmulatedChip(const EmulatedAudioChip& chip, const std::filesystem::path& file) {
    Json::Value root(Json::objectValue);
    for (const auto& [key, direction] : kSections) {
        Json::Value section(Json::objectValue);
        for (const auto& [name, value] : chip.settings(direction)) section[name] = numberOf(value);
        root[key] = section;
    }
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    return writeFileAtomically(file, Json::writeString(builder, root) + "\n");
}

}  // namespace viremo::audio_chip
