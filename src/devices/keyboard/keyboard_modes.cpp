#include "devices/keyboard/keyboard_modes.h"

#include "profiles/json_file.h"

namespace viremo::devices::keyboard {

uint8_t ModeList::codeOf(int index) const {
    if (index < 0 || index >= kModeCount) index = 0;
    if (size_t(index) >= modes.size()) return uint8_t(index);
    return modes[size_t(index)].code;
}

uint8_t ModeList::indexOf(uint8_t code) const {
    for (size_t index = 0; index < modes.size(); ++index)
        if (modes[index].code == code) return uint8_t(index);
    return code;
}

ModeList parseModeList(const Json::Value& document, int kindCode) {
    ModeList list;
    if (!document.isObject()) return list;
    if (const Json::Value* kinds = json::arrayMember(document, "DefaultLightName");
        kinds && kindCode >= 0 && Json::ArrayIndex(kindCode) < kinds->size()) {
        const Json::Value& modes = (*kinds)[Json::ArrayIndex(kindCode)];
        for (Json::ArrayIndex i = 0; modes.isArray() && i < modes.size(); ++i) {
            const Json::Value& entry = modes[i];
            LightingMode mode;
            if (entry.isObject()) {
                mode.name = json::stringMember(entry, "LightName").value_or("");
                mode.visible =
                    json::boolMember(entry, "visible").value_or(json::intMember(entry, "visible").value_or(0) != 0);
                mode.code = uint8_t(json::intMember(entry, "value").value_or(0));
            }
            list.modes.push_back(std::move(mode));
        }
    }
    if (const Json::Value* kinds = json::arrayMember(document, "AreaLightName");
        kinds && kindCode >= 0 && Json::ArrayIndex(kindCode) < kinds->size()) {
        const Json::Value& areas = (*kinds)[Json::ArrayIndex(kindCode)];
        for (Json::ArrayIndex i = 0; areas.isArray() && i < areas.size(); ++i)
            list.areaNames.push_back(areas[i].isObject() ? json::stringMember(areas[i], "LightName").value_or("") : "");
    }
    return list;
}

ModeList readModeList(const std::filesystem::path& file, int kindCode) {
    return parseModeList(json::readFile(file), kindCode);
}

}  // namespace viremo::devices::keyboard
