#include "macros/macro_event.h"

#include <string>

#include "macros/text.h"
#include "profiles/json_file.h"

namespace viremo {
int64_t readEventNumber(const Json::Value& event, std::string_view key) {
    const Json::Value* value = json::member(event, key);
    if (!value) return 0;
    if (value->isString()) return readDecimal(value->asString());
    return json::asInt(*value).value_or(0);
}

int64_t readDelay(const Json::Value& event) { return clampTo(readEventNumber(event, "Delay"), 0, kMaxDelay); }

MacroEventFields readMacroEvent(const Json::Value& event) {
    MacroEventFields fields;
    fields.type = json::intMember(event, "Type").value_or(0);
    fields.down = equalsIgnoringAsciiCase(json::stringMember(event, "Action").value_or(""), "down");
    fields.button = json::intMember(event, "Button").value_or(0);
    fields.delay = readDelay(event);
    return fields;
}

PackedMacroEvent packMacroEvent(const Json::Value& event) {
    const MacroEventFields fields = readMacroEvent(event);
    const auto delay = static_cast<uint16_t>(fields.delay);
    return {static_cast<uint8_t>(delay & 0xFF), static_cast<uint8_t>(delay >> 8),
            static_cast<uint8_t>((fields.type & 0x7F) | (fields.down ? 0x80 : 0)),
            static_cast<uint8_t>(fields.button & 0xFF)};
}

Json::Value makeMacroEvent(int type, bool down, int button, int64_t delay) {
    Json::Value event(Json::objectValue);
    event["Action"] = std::string(actionText(down));
    event["Button"] = button;
    event["Type"] = type;
    event["Delay"] = std::to_string(clampTo(delay, 0, kMaxDelay));
    return event;
}

std::string_view actionText(bool down) { return down ? "down" : "up"; }

}  // namespace viremo
