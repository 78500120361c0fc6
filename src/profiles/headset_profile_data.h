#pragma once
// The headset's profile: the common settings plus voice changer, equaliser
// and microphone settings, the band values of the twelve equaliser presets
// and the user's custom equalisers.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "profiles/basic_profile_data.h"

namespace viremo {

// The eight headset settings in their stored order.
struct HeadsetSettings {
    int32_t magicEnable = 0;
    int32_t magicType = 0;
    int32_t eqType = 0;
    int32_t customEqSelectIndex = 0;
    int32_t micInSelect = 0;
    int32_t micInValue = 0;
    int32_t micMonitorSelect = 0;
    int32_t micMonitorValue = 0;

    bool operator==(const HeadsetSettings&) const = default;
};

class CHs6533Profiledata : public CBasicProfiledata {
public:
    static constexpr int kBands = 10;
    static constexpr int kCustomPreset = 13;  // the preset number of "custom"

    HeadsetSettings GetSystemSetStages();
    void SetSystemSetStages(const HeadsetSettings& settings);

    // Presets 1 to 12 use their own row; 0 and numbers above 13 use row 1;
    // the custom preset 13 has no row (empty list, nothing written).
    std::vector<int32_t> GetEqValues(int preset);
    void SetEqValues(int preset, const std::vector<int32_t>& values);

    std::vector<std::string> GetCustomEqNames();
    void SetCustomEqNames(const std::vector<std::string>& names);

    std::vector<int32_t> GetCustomEqValues(int custom);
    void SetCustomEqValues(int custom, const std::vector<int32_t>& values);

private:
    HeadsetSettings settings_;
};

}  // namespace viremo
