#include "devices/lighting/light_colours.h"

#include <algorithm>

namespace viremo::devices {

void LightColours::SetCount(int count) { count_ = std::clamp(count, 0, kMaxLights); }

void LightColours::Set(int light, LightColour colour) {
    if (light < 0 || light >= count_) return;
    words_[light].store(pack(colour), std::memory_order_relaxed);
}

LightColour LightColours::Get(int light) const {
    if (light < 0 || light >= count_) return {};
    return unpack(words_[light].load(std::memory_order_relaxed));
}

void LightColours::SetAll(LightColour colour) {
    const int count = count_;
    for (int light = 0; light < count; ++light) Set(light, colour);
}

uint32_t LightColours::pack(LightColour colour) {
    return uint32_t(colour.red) | uint32_t(colour.green) << 8 | uint32_t(colour.blue) << 16 |
           uint32_t(colour.level) << 24;
}

LightColour LightColours::unpack(uint32_t word) {
    return {static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word >> 16),
            static_cast<uint8_t>(word >> 24)};
}

}  // namespace viremo::devices
