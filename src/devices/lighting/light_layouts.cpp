#include "devices/lighting/light_layouts.h"

namespace viremo::devices {
namespace {

constexpr int X = kNoColumnLight;

// The mouse's strips run down both sides, each column one light of either
// strip; the last column adds the logo (14) to the two tail lights.
constexpr LightLayout kMouse{15, {{{0, 13, X}, {1, 12, X}, {2, 11, X}, {3, 10, X}, {4, 9, X}, {5, 8, X}, {6, 14, 7}}}};

// The pad's and the headset's rings: lights 1-7 one way round, 8-14 back.
// The headset has 13 lights, so its lights 13 and 14 are left out.
constexpr LightLayout kPad{15, {{{1, 14, X}, {2, 13, X}, {3, 12, X}, {4, 11, X}, {5, 10, X}, {6, 9, X}, {7, 8, X}}}};
constexpr LightLayout kHeadset{13, kPad.columns};

}  // namespace

const LightLayout& layoutOf(LitDevice device) {
    switch (device) {
    case LitDevice::Mouse: return kMouse;
    case LitDevice::MousePad: return kPad;
    case LitDevice::Headset: return kHeadset;
    }
    return kMouse;
}

}  // namespace viremo::devices
