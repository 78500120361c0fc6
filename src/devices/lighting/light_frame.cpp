#include "devices/lighting/light_frame.h"

#include "devices/lighting/effect_tables.h"

namespace viremo::devices {

void placeLight(LightFrame& frame, int position, LightColour colour) {
    if (position < 0 || size_t(position) * 3 + 3 > kLightFrameSize) return;
    uint8_t* bytes = frame.data() + position * 3;
    bytes[0] = scaleByLevel(colour.red, colour.level);
    bytes[1] = scaleByLevel(colour.green, colour.level);
    bytes[2] = scaleByLevel(colour.blue, colour.level);
}

LightFrame buildLightFrame(const LightColours& lights) {
    LightFrame frame{};
    const int count = lights.Count();
    for (int light = 0; light < count; ++light) placeLight(frame, light, lights.Get(light));
    return frame;
}

}  // namespace viremo::devices
