#include "emulator/mouse_pad_firmware.h"

#include "emulator/products.h"

namespace viremo::emulator {

std::vector<uint8_t> pad::factorySettings() { return factoryLightSettings(kSettingsLength); }

MousePadFirmware::MousePadFirmware() : device_(mousePadFirmware()), product_(mousePad(device_)) {}

std::vector<uint8_t> MousePadFirmware::settingsBytes() const {
    auto bytes = device_->memory(region::Settings);
    bytes.resize(kLightSettingsBlockLength);
    return bytes;
}

std::optional<LightSettingsBlock> MousePadFirmware::settings() const { return decodeLightSettings(settingsBytes()); }

std::vector<uint8_t> MousePadFirmware::lightFrame() const { return device_->memory(region::LightFrame); }

std::vector<FrameColour> MousePadFirmware::lights() const { return decodeLightFrame(lightFrame(), pad::kLightCount); }

bool MousePadFirmware::notify(uint16_t code) { return product_.commandInterface()->sendNotification(code); }

}  // namespace viremo::emulator
