#include "emulator/mouse_firmware.h"

#include <array>

#include "emulator/keyboard_memory.h"
#include "emulator/products.h"

namespace viremo::emulator {

namespace {

// The first enabled stage after `current`, going round; nullopt when none is.
std::optional<uint8_t> nextEnabledStage(const mouse::SettingsBlock& block, uint8_t current) {
    for (size_t step = 1; step <= mouse::kDpiStageCount; ++step) {
        const size_t stage = (current + step) % mouse::kDpiStageCount;
        if (block.stages[stage].enabled) return uint8_t(stage);
    }
    return std::nullopt;
}

}  // namespace

MouseFirmware::MouseFirmware(const mouse::Sensor& sensor)
    : device_(mouseFirmware(sensor)),
      receiver_(std::make_shared<Receiver>(device_)),
      cable_(mouseOnCable(device_)),
      receiverProduct_(mouseReceiver(receiver_)) {}

uint8_t MouseFirmware::activeProfile() const {
    return device_->memory(region::Settings).at(mouse::kActiveProfileAddress);
}

std::vector<uint8_t> MouseFirmware::settingsBytes(size_t slot) const {
    return device_->memory(region::Settings, mouse::slotAddress(slot), mouse::kBlockLength);
}

std::optional<mouse::SettingsBlock> MouseFirmware::settings(size_t slot) const {
    return mouse::decodeSettingsBlock(settingsBytes(slot));
}

std::vector<uint8_t> MouseFirmware::buttonTable() const { return device_->memory(region::KeyTable); }

mouse::ButtonCode MouseFirmware::buttonCode(size_t button) const {
    const auto bytes = device_->memory(region::KeyTable, mouse::kButtonCodeLength * button, mouse::kButtonCodeLength);
    if (bytes.empty()) return {};
    return {bytes[0], bytes[1], bytes[2]};
}

std::vector<uint8_t> MouseFirmware::macroMemory() const { return device_->memory(region::MacroMemory); }

std::optional<std::vector<MacroEvents>> MouseFirmware::macros(std::string* why) const {
    return decodeMacroImage(macroMemory(), why);
}

std::vector<uint8_t> MouseFirmware::recoilMemory() const { return device_->memory(region::RecoilMemory); }

std::optional<std::vector<MacroEvents>> MouseFirmware::guns(std::string* why) const {
    return decodeMacroImage(recoilMemory(), why);
}

std::vector<uint8_t> MouseFirmware::lightFrame() const { return device_->memory(region::LightFrame); }

uint8_t MouseFirmware::battery() const { return device_->memory(region::Status).at(kStatusBatteryByte); }

void MouseFirmware::setBattery(uint8_t level) { writeByte(region::Status, kStatusBatteryByte, level); }

bool MouseFirmware::pressDpiButton() {
    const uint8_t profile = activeProfile();
    const auto block = settings(profile);
    if (!block) return false;
    const auto next = nextEnabledStage(*block, block->activeStage);
    if (!next) return false;
    writeByte(region::Settings, mouse::slotAddress(profile) + mouse::kActiveStageByte, *next);
    notify(uint16_t(mouse::kDpiStageCode | *next << 4 | profile));
    return true;
}

void MouseFirmware::pressProfileButton() {
    const auto profile = uint8_t((activeProfile() + 1) % mouse::kProfileSlots);
    writeByte(region::Settings, mouse::kActiveProfileAddress, profile);
    notify(uint16_t(mouse::kProfileCode | profile));
}

bool MouseFirmware::notify(uint16_t code) {
    const bool onCable = cable_.commandInterface()->sendNotification(code);
    const bool throughReceiver = receiver_->linkUp() && receiverProduct_.commandInterface()->sendNotification(code);
    return onCable || throughReceiver;
}

void MouseFirmware::setLinkUp(bool up) { receiver_->setLinkUp(up); }

bool MouseFirmware::linkUp() const { return receiver_->linkUp(); }

bool MouseFirmware::writeByte(std::string_view region, size_t address, uint8_t value) {
    const std::array<uint8_t, 1> byte{value};
    return device_->writeMemory(region, address, byte);
}

}  // namespace viremo::emulator
