#pragma once
// The headset's audio and voice-changer panels as the driver sees them: the
// page implements this and shows what it is given. A control whose change
// failed is shown again with the value the driver kept, so that it reverts.
#include <string>
#include <vector>

#include "devices/headset/equaliser_presets.h"
#include "profiles/headset_profile_data.h"

namespace viremo::devices::headset {

// Which groups of controls the audio backend can serve; the others are
// shown disabled.
struct AudioSupport {
    bool equaliser = false;
    bool microphone = false;
    bool monitor = false;
    bool voiceChanger = false;
    bool surround = false;
};

inline constexpr int kNoCustomSelection = -1;

struct AudioState {
    HeadsetSettings settings;
    BandGains bands{};
    std::vector<std::string> customNames;
    // The custom equaliser selected in the name list; kNoCustomSelection
    // while the bands were moved by hand.
    int customSelection = kNoCustomSelection;
    bool surround = false;
    AudioSupport support;
};

class IHeadsetPanels {
public:
    virtual ~IHeadsetPanels() = default;
    virtual void ShowAudioState(const AudioState& state) = 0;
};

}  // namespace viremo::devices::headset
