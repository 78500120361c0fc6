#include "profiles/headset_profile_data.h"

#include <algorithm>

#include "profiles/profile_fields.h"

namespace viremo {
namespace {

constexpr int kPresetRows = 12;

// Presets 1 to 12 have their own row; the rest fall back to row 1.
int presetRow(int preset) { return preset >= 1 && preset <= kPresetRows ? preset : 1; }

// The ten band values of `table`[row]. A missing row is written into the
// entry as ten zero bands.
std::vector<int32_t> readBands(Json::Value& entry, const char* table, int row) {
    std::vector<int32_t> bands(CHs6533Profiledata::kBands, 0);
    const Json::Value* stored = fields::element(fields::array(entry, table), row);
    if (stored && stored->isArray()) {
        for (int band = 0; band < CHs6533Profiledata::kBands; ++band) {
            const Json::Value* value = fields::element(stored, band);
            bands[size_t(band)] = value ? fields::int32(*value, "value") : 0;
        }
        return bands;
    }
    Json::Value& slot = fields::elementForWrite(fields::arrayForWrite(entry, table), row);
    for (int band = 0; band < CHs6533Profiledata::kBands; ++band)
        fields::setNumber(fields::elementForWrite(slot, band), "value", 0);
    return bands;
}

void writeBands(Json::Value& entry, const char* table, int row, const std::vector<int32_t>& values) {
    Json::Value& slot = fields::elementForWrite(fields::arrayForWrite(entry, table), row);
    const int count = std::min<int>(CHs6533Profiledata::kBands, int(values.size()));
    for (int band = 0; band < count; ++band)
        fields::setNumber(fields::elementForWrite(slot, band), "value", values[size_t(band)]);
}

bool customInRange(int custom) { return custom >= 0 && custom <= CBasicProfiledata::kMaxArrayIndex; }

}  // namespace

HeadsetSettings CHs6533Profiledata::GetSystemSetStages() {
    settings_ = {};
    if (const Json::Value* stages = fields::object(mainEntry(), "SystemSetStages")) {
        settings_.magicEnable = fields::int32(*stages, "MagicEnable");
        settings_.magicType = fields::int32(*stages, "MagicType");
        settings_.eqType = fields::int32(*stages, "EqType");
        settings_.customEqSelectIndex = fields::int32(*stages, "CustomEqSeletIndex");
        settings_.micInSelect = fields::int32(*stages, "MicInSelect");
        settings_.micInValue = fields::int32(*stages, "MicInValue");
        settings_.micMonitorSelect = fields::int32(*stages, "MicMoniterSelect");
        settings_.micMonitorValue = fields::int32(*stages, "MicMoniterValue");
    }
    return settings_;
}

void CHs6533Profiledata::SetSystemSetStages(const HeadsetSettings& settings) {
    Json::Value& stages = fields::objectForWrite(mainEntry(), "SystemSetStages");
    fields::setNumber(stages, "MagicEnable", settings.magicEnable);
    fields::setNumber(stages, "MagicType", settings.magicType);
    fields::setNumber(stages, "EqType", settings.eqType);
    fields::setNumber(stages, "CustomEqSeletIndex", settings.customEqSelectIndex);
    fields::setNumber(stages, "MicInSelect", settings.micInSelect);
    fields::setNumber(stages, "MicInValue", settings.micInValue);
    fields::setNumber(stages, "MicMoniterSelect", settings.micMonitorSelect);
    fields::setNumber(stages, "MicMoniterValue", settings.micMonitorValue);
    settings_ = settings;
}

std::vector<int32_t> CHs6533Profiledata::GetEqValues(int preset) {
    if (preset == kCustomPreset) return {};
    return readBands(mainEntry(), "EQHzValueInfo", presetRow(preset));
}

void CHs6533Profiledata::SetEqValues(int preset, const std::vector<int32_t>& values) {
    if (preset == kCustomPreset) return;
    writeBands(mainEntry(), "EQHzValueInfo", presetRow(preset), values);
}

std::vector<std::string> CHs6533Profiledata::GetCustomEqNames() {
    std::vector<std::string> names;
    if (const Json::Value* list = fields::array(mainEntry(), "CustomEQNameInfo")) {
        for (const Json::Value& entry : *list) names.push_back(fields::text(entry, "Name"));
    }
    return names;
}

void CHs6533Profiledata::SetCustomEqNames(const std::vector<std::string>& names) {
    Json::Value list(Json::arrayValue);
    for (const auto& name : names) {
        Json::Value entry(Json::objectValue);
        entry["Name"] = name;
        list.append(entry);
    }
    fields::arrayForWrite(mainEntry(), "CustomEQNameInfo") = list;
}

std::vector<int32_t> CHs6533Profiledata::GetCustomEqValues(int custom) {
    if (!customInRange(custom)) return std::vector<int32_t>(kBands, 0);
    return readBands(mainEntry(), "CustomEQHzValueInfo", custom);
}

void CHs6533Profiledata::SetCustomEqValues(int custom, const std::vector<int32_t>& values) {
    if (customInRange(custom)) writeBands(mainEntry(), "CustomEQHzValueInfo", custom, values);
}

}  // namespace viremo
