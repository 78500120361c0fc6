#include "lighting_options.h"

#include <cstdio>

#include "whole_number.h"

namespace viremoctl {
namespace {

using viremo::LightRecord;

constexpr int kHighestStep = 4;

std::optional<std::string> applyOption(LightRecord& lighting, const std::string& name, const std::string& value,
                                       int highestMode) {
    struct Field {
        const char* name;
        int highest;
        uint8_t LightRecord::*field;
    };
    const Field fields[] = {
        {"--mode", highestMode, &LightRecord::mode},
        {"--brightness", kHighestStep, &LightRecord::brightness},
        {"--speed", kHighestStep, &LightRecord::speed},
        {"--direction", 1, &LightRecord::direction},
        {"--multicolor", 1, &LightRecord::multiColor},
    };
    if (name == "--color") {
        if (value.size() != 6 || value.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return "--color takes RRGGBB in hexadecimal";
        const unsigned rgb = unsigned(std::stoul(value, nullptr, 16));
        lighting.red = uint8_t(rgb >> 16), lighting.green = uint8_t(rgb >> 8), lighting.blue = uint8_t(rgb);
        return std::nullopt;
    }
    for (const Field& field : fields) {
        if (name != field.name) continue;
        const auto number = wholeNumberIn(value, 0, field.highest);
        if (!number) return name + " takes a number from 0 to " + std::to_string(field.highest);
        lighting.*field.field = uint8_t(*number);
        return std::nullopt;
    }
    return "unknown option " + name;
}

}  // namespace

std::optional<std::string> applyLightingOptions(LightRecord& lighting, Arguments options, int highestMode) {
    if (options.size() % 2 != 0) return "every lighting option takes a value";
    for (size_t i = 0; i + 1 < options.size(); i += 2)
        if (auto problem = applyOption(lighting, options[i], options[i + 1], highestMode)) return problem;
    return std::nullopt;
}

std::string colourText(uint8_t red, uint8_t green, uint8_t blue) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", red, green, blue);
    return text;
}

Json::Value lightingJson(const LightRecord& lighting) {
    Json::Value document(Json::objectValue);
    document["mode"] = lighting.mode;
    document["brightness"] = lighting.brightness;
    document["speed"] = lighting.speed;
    document["direction"] = lighting.direction;
    document["multicolor"] = lighting.multiColor;
    document["color"] = colourText(lighting.red, lighting.green, lighting.blue);
    return document;
}

Json::Value lightingWrittenJson(const LightRecord& lighting, bool written, int code) {
    Json::Value document = lightingJson(lighting);
    document["written"]["settings"] = written;
    document["settingsCode"] = code;
    return document;
}

}  // namespace viremoctl
