#pragma once
// The emulated mouse pad (320F:1004, cable only): its firmware and its USB
// device, not plugged. Its memory is the device information, the status, a
// 128-byte settings memory holding the 21-byte settings block at address 0
// (light_settings_block.h) and the light frame, whose first 45 bytes are its
// 15 lights. Tests read the block and the lights here and make the pad ask
// the host to synchronise.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "emulator/device_firmware.h"
#include "emulator/emulated_product.h"
#include "emulator/light_frame_colours.h"
#include "emulator/light_settings_block.h"

namespace viremo::emulator {

namespace pad {
inline constexpr size_t kLightCount = 15;
inline constexpr size_t kSettingsLength = 128;
inline constexpr uint16_t kSynchroniseCode = 0x0401;

// Profile 0, wave, full brightness, middle speed, multicolour, red.
std::vector<uint8_t> factorySettings();
}  // namespace pad

class MousePadFirmware {
public:
    MousePadFirmware();

    const std::shared_ptr<DeviceFirmware>& device() const { return device_; }
    const EmulatedProduct& product() const { return product_; }

    std::vector<uint8_t> settingsBytes() const;  // the 21 bytes
    std::optional<LightSettingsBlock> settings() const;
    std::vector<uint8_t> lightFrame() const;
    std::vector<FrameColour> lights() const;  // the 15 lights of the last frame

    // False when the pad is not plugged.
    bool notify(uint16_t code);

private:
    std::shared_ptr<DeviceFirmware> device_;
    EmulatedProduct product_;
};

}  // namespace viremo::emulator
