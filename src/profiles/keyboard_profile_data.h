#pragma once
// A keyboard's profile: the common settings plus the system settings (key
// repeat, repeat delay, six-key mode, report rate, W-key and Windows-key
// locks) and the per-key colours of the custom lighting groups.
#include <array>
#include <cstdint>
#include <vector>

#include "profiles/basic_profile_data.h"

namespace viremo {

class CKeyboardProfiledata : public CBasicProfiledata {
public:
    // Word 0 = "Repeat" | "RepeatDelay" << 16, word 1 = "Key6Flag" |
    // "PollingRate" << 16, word 2 = "WFlag" | "WinFlag" << 16.
    std::array<uint32_t, 3> GetSystemStages();
    void SetSystemStages(uint32_t word0, uint32_t word1, uint32_t word2);

    // `keyCount` colours of custom group `group`; missing ones are written
    // into the entry as zero colours.
    std::vector<KeyColor> GetCustomLightColors(int group, int keyCount);
    void SetCustomLightColors(int group, const std::vector<KeyColor>& colors);

    int32_t GetCustomLightGroup();
    void SetCustomLightGroup(int32_t group);

private:
    std::array<uint32_t, 3> systemStages_{};
    std::vector<KeyColor> customColors_;
    int32_t customGroup_ = 0;
};

}  // namespace viremo
