#include "profiles/keyboard_profile_data.h"

#include <algorithm>

#include "profiles/profile_fields.h"

namespace viremo {
namespace {

bool indexInRange(int index) { return index >= 0 && index <= CBasicProfiledata::kMaxArrayIndex; }

void writeColor(Json::Value& slot, const KeyColor& color) {
    fields::setNumber(slot, "Red", color.red);
    fields::setNumber(slot, "Green", color.green);
    fields::setNumber(slot, "Blue", color.blue);
    fields::setNumber(slot, "Alpha", color.alpha);
}

Json::Value& groupForWrite(Json::Value& entry, int group) {
    Json::Value& custom = fields::objectForWrite(entry, "CustomLightMode");
    return fields::elementForWrite(fields::arrayForWrite(custom, "LightColorInfo"), group);
}

}  // namespace

std::array<uint32_t, 3> CKeyboardProfiledata::GetSystemStages() {
    systemStages_ = {};
    if (const Json::Value* stages = fields::object(mainEntry(), "SystemStages")) {
        systemStages_[0] = fields::halves(*stages, "Repeat", "RepeatDelay");
        systemStages_[1] = fields::halves(*stages, "Key6Flag", "PollingRate");
        systemStages_[2] = fields::halves(*stages, "WFlag", "WinFlag");
    }
    return systemStages_;
}

void CKeyboardProfiledata::SetSystemStages(uint32_t word0, uint32_t word1, uint32_t word2) {
    Json::Value& stages = fields::objectForWrite(mainEntry(), "SystemStages");
    fields::setHalves(stages, "Repeat", "RepeatDelay", word0);
    fields::setHalves(stages, "Key6Flag", "PollingRate", word1);
    fields::setHalves(stages, "WFlag", "WinFlag", word2);
    systemStages_ = {word0, word1, word2};
}

std::vector<KeyColor> CKeyboardProfiledata::GetCustomLightColors(int group, int keyCount) {
    keyCount = std::clamp(keyCount, 0, kMaxArrayIndex + 1);
    std::vector<KeyColor> colors(size_t(keyCount), KeyColor{});
    if (indexInRange(group)) {
        // Keys without a colour get a zero colour in the entry as well.
        for (int key = 0; key < keyCount; ++key) {
            const Json::Value* custom = fields::object(mainEntry(), "CustomLightMode");
            const Json::Value* groups = custom ? fields::array(*custom, "LightColorInfo") : nullptr;
            const Json::Value* keys = fields::element(groups, group);
            const Json::Value* stored = keys && keys->isArray() ? fields::element(keys, key) : nullptr;
            if (stored) {
                colors[size_t(key)] = {fields::byte(*stored, "Red"), fields::byte(*stored, "Green"),
                                       fields::byte(*stored, "Blue"), fields::byte(*stored, "Alpha")};
            } else {
                writeColor(fields::elementForWrite(groupForWrite(mainEntry(), group), key), KeyColor{});
            }
        }
    }
    customColors_ = colors;
    return colors;
}

void CKeyboardProfiledata::SetCustomLightColors(int group, const std::vector<KeyColor>& colors) {
    customColors_ = colors;
    if (!indexInRange(group)) return;
    for (size_t key = 0; key < colors.size() && indexInRange(int(key)); ++key)
        writeColor(fields::elementForWrite(groupForWrite(mainEntry(), group), int(key)), colors[key]);
}

int32_t CKeyboardProfiledata::GetCustomLightGroup() {
    const Json::Value* custom = fields::object(mainEntry(), "CustomLightMode");
    customGroup_ = custom ? fields::int32(*custom, "CustomLightModeGroupIndex") : 0;
    return customGroup_;
}

void CKeyboardProfiledata::SetCustomLightGroup(int32_t group) {
    fields::setNumber(fields::objectForWrite(mainEntry(), "CustomLightMode"), "CustomLightModeGroupIndex", group);
    customGroup_ = group;
}

}  // namespace viremo
