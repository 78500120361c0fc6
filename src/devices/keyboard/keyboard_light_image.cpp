#include "devices/keyboard/keyboard_light_image.h"

namespace viremo::devices::keyboard {

LightFrame buildKeyLightImage(const LightColours& lights, const PositionMap& lightPositions) {
    LightFrame image{};
    for (int key = 0; key < kKeyNumbers; ++key) {
        const uint8_t position = lightPositions[size_t(key)];
        if (position < kLightPositions) placeLight(image, position, lights.Get(key));
    }
    return image;
}

}  // namespace viremo::devices::keyboard
