#pragma once
// The emulated mouse as a whole: its firmware (memory in mouse_memory.h), its
// USB device on the cable (320F:221C) and its wireless receiver (320F:221D)
// with the radio link, all serving the same memory. Nothing is plugged: plug
// cable() or receiverProduct() into a bus.
//
// Tests read here what the host wrote (settings slots, button table, macro
// and recoil images) and play what a user does with the mouse: press the DPI
// or the profile button, drain the battery, walk away from the receiver. The
// mouse reports these on its consumer-control collection with the codes
// below, on every path that can deliver them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/device_firmware.h"
#include "emulator/emulated_product.h"
#include "emulator/keyboard_macro_image.h"
#include "emulator/mouse_memory.h"
#include "emulator/mouse_settings.h"
#include "emulator/receiver.h"

namespace viremo::emulator {

namespace mouse {
inline constexpr uint16_t kSynchroniseCode = 0x0401;  // read the settings again
inline constexpr uint16_t kFlashCode = 0x0403;        // the lights flash (lighting mode 6)
inline constexpr uint16_t kProfileCode = 0x1000;      // | active profile
inline constexpr uint16_t kDpiStageCode = 0x1100;     // | active stage << 4 | active profile
}  // namespace mouse

class MouseFirmware {
public:
    // A mouse fresh from the factory, its receiver's link up.
    explicit MouseFirmware(const mouse::Sensor& sensor = mouse::k3325Sensor);

    const std::shared_ptr<DeviceFirmware>& device() const { return device_; }
    const std::shared_ptr<Receiver>& receiver() const { return receiver_; }
    const EmulatedProduct& cable() const { return cable_; }
    const EmulatedProduct& receiverProduct() const { return receiverProduct_; }

    // Memory as the host last left it.
    uint8_t activeProfile() const;
    std::vector<uint8_t> settingsBytes(size_t slot) const;  // 66 bytes; empty beyond the memory
    std::optional<mouse::SettingsBlock> settings(size_t slot) const;
    std::vector<uint8_t> buttonTable() const;
    mouse::ButtonCode buttonCode(size_t button) const;  // 00 00 00 beyond the table
    std::vector<uint8_t> macroMemory() const;
    std::optional<std::vector<MacroEvents>> macros(std::string* why = nullptr) const;
    std::vector<uint8_t> recoilMemory() const;
    // The four guns of the recoil image.
    std::optional<std::vector<MacroEvents>> guns(std::string* why = nullptr) const;
    std::vector<uint8_t> lightFrame() const;
    uint8_t battery() const;

    // The mouse's own changes.
    void setBattery(uint8_t level);
    // The DPI button: the active profile's next enabled stage becomes active
    // and is reported. False when no stage is enabled (nothing changes).
    bool pressDpiButton();
    // The profile button: the next onboard profile becomes active and is
    // reported.
    void pressProfileButton();

    // Reports on every path that can deliver; true when at least one did.
    bool notify(uint16_t code);

    void setLinkUp(bool up);
    bool linkUp() const;

private:
    bool writeByte(std::string_view region, size_t address, uint8_t value);

    std::shared_ptr<DeviceFirmware> device_;
    std::shared_ptr<Receiver> receiver_;
    EmulatedProduct cable_;
    EmulatedProduct receiverProduct_;
};

}  // namespace viremo::emulator
