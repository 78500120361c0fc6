#pragma once
// A mouse's profile: the common settings plus DPI stages, system settings
// with the report rate, and the factory correction values.
#include <array>
#include <cstdint>
#include <vector>

#include "profiles/basic_profile_data.h"

namespace viremo {

class CMouseProfiledata : public CBasicProfiledata {
public:
    // The stored stage list is merged with the file's stages and never
    // shrinks: a profile with fewer stages leaves the later ones as they were.
    std::vector<DpiStage> GetDpiStages();
    void SetDpiStages(const std::vector<DpiStage>& stages);

    // The index read by the last GetDpiStages (no file access).
    int32_t GetActiveDpiStage() const { return activeDpiStage_; }
    void SetActiveDpiStage(int32_t stage);

    // Word 0 = "DoubleClickTime" | "MouseSpeed" << 16, word 1 =
    // "PointerPrecision" | "ScorllPage" << 16, word 2 = "WheelScorlllinse" |
    // "ReportStages"."StageActive" << 16.
    std::array<uint32_t, 3> GetSystemStages();
    void SetSystemStages(uint32_t word0, uint32_t word1, uint32_t word2);

    std::vector<CorrectEntry> GetCorrectList();

private:
    std::vector<DpiStage> dpiStages_;
    int32_t activeDpiStage_ = 0;
    std::array<uint32_t, 3> systemStages_{};
    std::vector<CorrectEntry> correctList_;
};

}  // namespace viremo
