#include "devices/lighting/lit_device_state.h"

namespace viremo::devices {

void LitDeviceState::RestartRipple() {
    reaction.Clear();
    reaction.rotation[0] = kRotationMarker;
}

}  // namespace viremo::devices
