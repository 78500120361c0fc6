#pragma once
// The emulated keyboard as a whole: its firmware (memory in keyboard_memory.h),
// its USB device on the cable (320F:5078) and its wireless receiver
// (320F:5001) with the radio link, all serving the same memory. Nothing is
// plugged: plug cable() or receiverProduct() into a bus.
//
// Tests read here what the host wrote, play what a user does at the keyboard
// (switch the onboard profile, drain the battery, walk away from the
// receiver) and make the keyboard send notifications. The generic firmware
// API (sessions, packet logs, faults) stays on device() and on the products'
// command interfaces.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/device_firmware.h"
#include "emulator/emulated_product.h"
#include "emulator/keyboard_key_table.h"
#include "emulator/keyboard_macro_image.h"
#include "emulator/keyboard_memory.h"
#include "emulator/keyboard_settings.h"
#include "emulator/receiver.h"

namespace viremo::emulator {

namespace keyboard {
// Notification codes, sent on the consumer-control collection.
inline constexpr uint16_t kSynchroniseCode = 0x0401;    // read the settings again
inline constexpr uint16_t kSettingsResetCode = 0x0402;  // the same, and reload the profile
inline constexpr uint16_t kProfileCode = 0x1000;        // | active profile
inline constexpr uint16_t kProfilePairCode = 0x1100;    // | second index << 4 | active profile
}  // namespace keyboard

class KeyboardFirmware {
public:
    // A keyboard fresh from the factory, its receiver's link up.
    KeyboardFirmware();

    const std::shared_ptr<DeviceFirmware>& device() const { return device_; }
    const std::shared_ptr<Receiver>& receiver() const { return receiver_; }
    const EmulatedProduct& cable() const { return cable_; }
    const EmulatedProduct& receiverProduct() const { return receiverProduct_; }

    // Memory as the host last left it.
    uint8_t activeProfile() const;
    std::vector<uint8_t> settingsRecord(size_t profile) const;  // 25 bytes; empty beyond the memory
    std::vector<uint8_t> keyTable() const;
    keyboard::KeyCode keyCode(size_t position) const;  // 00 00 00 beyond the table
    std::vector<uint8_t> keyAttributes() const;
    std::vector<uint8_t> macroMemory() const;
    std::optional<std::vector<MacroEvents>> macros(std::string* why = nullptr) const;
    std::vector<uint8_t> colourPage(size_t group) const;  // 512 bytes; empty beyond the memory
    std::vector<uint8_t> lightFrame() const;
    uint8_t battery() const;

    // The keyboard's own changes.
    void setBattery(uint8_t level);
    bool setKeyCode(size_t position, const keyboard::KeyCode& code);
    bool setLightPosition(size_t position, uint8_t light);
    // The user switches the onboard profile: the keyboard stores it and sends
    // kProfileCode | profile on every path that can deliver it. False (nothing
    // changed) when the keyboard has no such profile.
    bool selectProfile(uint8_t profile);

    // Notifications; false when not delivered (not plugged, link down).
    bool notifyOnCable(uint16_t code);
    bool notifyThroughReceiver(uint16_t code);
    // Every path that can deliver: true when at least one did.
    bool notify(uint16_t code);

    void setLinkUp(bool up);
    bool linkUp() const;

private:
    std::shared_ptr<DeviceFirmware> device_;
    std::shared_ptr<Receiver> receiver_;
    EmulatedProduct cable_;
    EmulatedProduct receiverProduct_;
};

}  // namespace viremo::emulator
