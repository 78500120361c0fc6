#include "profiles/mouse_profile_data.h"

#include "profiles/profile_fields.h"

namespace viremo {
namespace {

DpiStage dpiStage(const Json::Value& stage) {
    return {fields::byte(stage, "StageActive"),  fields::byte(stage, "StageXY"),
            fields::half(stage, "StageDPIX"),    fields::half(stage, "StageDPIY"),
            fields::byte(stage, "StageColorR"),  fields::byte(stage, "StageColorG"),
            fields::byte(stage, "StageColorB")};
}

void writeDpiStage(Json::Value& slot, const DpiStage& stage) {
    fields::setNumber(slot, "StageActive", stage.enabled);
    fields::setNumber(slot, "StageXY", stage.separateXY);
    fields::setNumber(slot, "StageDPIX", stage.dpiX);
    fields::setNumber(slot, "StageDPIY", stage.dpiY);
    fields::setNumber(slot, "StageColorR", stage.red);
    fields::setNumber(slot, "StageColorG", stage.green);
    fields::setNumber(slot, "StageColorB", stage.blue);
}

}  // namespace

std::vector<DpiStage> CMouseProfiledata::GetDpiStages() {
    if (const Json::Value* dpi = fields::object(mainEntry(), "DPIStages")) {
        activeDpiStage_ = fields::int32(*dpi, "StageActive");
        if (const Json::Value* stages = fields::array(*dpi, "StageDPIs")) {
            for (Json::ArrayIndex j = 0; j < stages->size(); ++j) {
                const DpiStage read = dpiStage((*stages)[j]);
                if (j < dpiStages_.size()) dpiStages_[j] = read;
                else dpiStages_.push_back(read);
            }
        }
    }
    return dpiStages_;
}

void CMouseProfiledata::SetDpiStages(const std::vector<DpiStage>& stages) {
    dpiStages_ = stages;
    Json::Value& list = fields::arrayForWrite(fields::objectForWrite(mainEntry(), "DPIStages"), "StageDPIs");
    for (size_t i = 0; i < stages.size() && int(i) <= kMaxArrayIndex; ++i)
        writeDpiStage(fields::elementForWrite(list, int(i)), stages[i]);
}

void CMouseProfiledata::SetActiveDpiStage(int32_t stage) {
    fields::setNumber(fields::objectForWrite(mainEntry(), "DPIStages"), "StageActive", stage);
    activeDpiStage_ = stage;
}

std::array<uint32_t, 3> CMouseProfiledata::GetSystemStages() {
    systemStages_ = {};
    if (const Json::Value* stages = fields::object(mainEntry(), "SystemStages")) {
        const Json::Value* report = fields::object(mainEntry(), "ReportStages");
        const uint16_t reportStage = report ? fields::half(*report, "StageActive") : 0;
        systemStages_[0] = fields::halves(*stages, "DoubleClickTime", "MouseSpeed");
        systemStages_[1] = fields::halves(*stages, "PointerPrecision", "ScorllPage");
        systemStages_[2] = fields::pack(fields::half(*stages, "WheelScorlllinse"), reportStage);
    }
    return systemStages_;
}

void CMouseProfiledata::SetSystemStages(uint32_t word0, uint32_t word1, uint32_t word2) {
    Json::Value& stages = fields::objectForWrite(mainEntry(), "SystemStages");
    fields::setHalves(stages, "DoubleClickTime", "MouseSpeed", word0);
    fields::setHalves(stages, "PointerPrecision", "ScorllPage", word1);
    fields::setNumber(stages, "WheelScorlllinse", uint16_t(word2));
    fields::setNumber(fields::objectForWrite(mainEntry(), "ReportStages"), "StageActive", uint16_t(word2 >> 16));
    systemStages_ = {word0, word1, word2};
}

std::vector<CorrectEntry> CMouseProfiledata::GetCorrectList() {
    correctList_.clear();
    if (const Json::Value* list = fields::array(mainEntry(), "CorrectInfo")) {
        for (const Json::Value& entry : *list) {
            correctList_.push_back({fields::byte(entry, "CorrectPixThresh"), fields::byte(entry, "CorrectMinSq"),
                                    fields::byte(entry, "CorrectSelect"), fields::text(entry, "CorrectName")});
        }
    }
    return correctList_;
}

}  // namespace viremo
