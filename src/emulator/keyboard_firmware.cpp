#include "emulator/keyboard_firmware.h"

#include <array>

#include "emulator/products.h"

namespace viremo::emulator {

KeyboardFirmware::KeyboardFirmware()
    : device_(keyboardFirmware()),
      receiver_(std::make_shared<Receiver>(device_)),
      cable_(keyboardOnCable(device_)),
      receiverProduct_(keyboardReceiver(receiver_)) {}

uint8_t KeyboardFirmware::activeProfile() const {
    return device_->memory(region::Settings).at(keyboard::kActiveProfileAddress);
}

std::vector<uint8_t> KeyboardFirmware::settingsRecord(size_t profile) const {
    return device_->memory(region::Settings, keyboard::settingsRecordAddress(profile),
                 keyboard::kSettingsRecordLength);
}

std::vector<uint8_t> KeyboardFirmware::keyTable() const { return device_->memory(region::KeyTable); }

keyboard::KeyCode KeyboardFirmware::keyCode(size_t position) const {
    const auto bytes = device_->memory(region::KeyTable, keyboard::kKeyCodeLength * position, keyboard::kKeyCodeLength);
    if (bytes.empty()) return {};
    return {bytes[0], bytes[1], bytes[2]};
}

std::vector<uint8_t> KeyboardFirmware::keyAttributes() const { return device_->memory(region::KeyAttributes); }

std::vector<uint8_t> KeyboardFirmware::macroMemory() const { return device_->memory(region::MacroMemory); }

std::optional<std::vector<MacroEvents>> KeyboardFirmware::macros(std::string* why) const {
    return decodeMacroImage(macroMemory(), why);
}

std::vector<uint8_t> KeyboardFirmware::colourPage(size_t group) const {
    return device_->memory(region::ColourPages, keyboard::kColourPageLength * group,
                 keyboard::kColourPageLength);
}

std::vector<uint8_t> KeyboardFirmware::lightFrame() const { return device_->memory(region::LightFrame); }

uint8_t KeyboardFirmware::battery() const { return device_->memory(region::Status).at(kStatusBatteryByte); }

void KeyboardFirmware::setBattery(uint8_t level) {
    const std::array<uint8_t, 1> byte{level};
    device_->writeMemory(region::Status, kStatusBatteryByte, byte);
}

bool KeyboardFirmware::setKeyCode(size_t position, const keyboard::KeyCode& code) {
    if (position >= keyboard::kKeyPositions) return false;
    return device_->writeMemory(region::KeyTable, keyboard::kKeyCodeLength * position, code);
}

bool KeyboardFirmware::setLightPosition(size_t position, uint8_t light) {
    const std::array<uint8_t, 1> byte{light};
    return device_->writeMemory(region::KeyAttributes, position, byte);
}

bool KeyboardFirmware::selectProfile(uint8_t profile) {
    if (profile >= keyboard::kProfileCount) return false;
    const std::array<uint8_t, 1> byte{profile};
    device_->writeMemory(region::Settings, keyboard::kActiveProfileAddress, byte);
    notify(uint16_t(keyboard::kProfileCode | profile));
    return true;
}

bool KeyboardFirmware::notifyOnCable(uint16_t code) { return cable_.commandInterface()->sendNotification(code); }

bool KeyboardFirmware::notifyThroughReceiver(uint16_t code) {
    if (!receiver_->linkUp()) return false;
    return receiverProduct_.commandInterface()->sendNotification(code);
}

bool KeyboardFirmware::notify(uint16_t code) {
    const bool onCable = notifyOnCable(code);
    const bool throughReceiver = notifyThroughReceiver(code);
    return onCable || throughReceiver;
}

void KeyboardFirmware::setLinkUp(bool up) { receiver_->setLinkUp(up); }

bool KeyboardFirmware::linkUp() const { return receiver_->linkUp(); }

}  // namespace viremo::emulator
