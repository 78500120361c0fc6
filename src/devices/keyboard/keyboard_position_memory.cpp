#include "devices/keyboard/keyboard_position_memory.h"

#include "profiles/json_file.h"

namespace viremo::devices::keyboard {

std::optional<PositionMap> readRememberedPositions(const std::filesystem::path& folder, int keyCount) {
    const Json::Value document = json::readFile(folder / kPositionFileName);
    if (!document.isObject() || json::intMember(document, "KeyCount") != keyCount) return std::nullopt;
    const Json::Value* list = json::arrayMember(document, "Positions");
    if (!list || list->size() != kKeyNumbers) return std::nullopt;
    PositionMap positions;
    for (Json::ArrayIndex key = 0; key < kKeyNumbers; ++key) {
        const auto position = json::asInt((*list)[key]);
        positions[key] = position && *position >= 0 && *position < keyCount ? uint8_t(*position) : kAbsent;
    }
    return positions;
}

bool writeRememberedPositions(const std::filesystem::path& folder, int keyCount, const PositionMap& positions) {
    Json::Value document(Json::objectValue);
    document["KeyCount"] = keyCount;
    Json::Value& list = document["Positions"] = Json::Value(Json::arrayValue);
    for (const uint8_t position : positions) list.append(position);
    return json::writeFile(folder / kPositionFileName, document);
}

}  // namespace viremo::devices::keyboard
