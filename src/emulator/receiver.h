#pragma once
// A wireless receiver: answers QueryOnline itself and forwards every other
// command to the firmware of the device behind it while the radio link is up.
// While the link is down it answers every other command with a reply whose
// command byte is 170 and forwards nothing.
#include <atomic>
#include <memory>

#include "emulator/command_target.h"
#include "emulator/device_firmware.h"

namespace viremo::emulator {

class Receiver : public CommandTarget {
public:
    explicit Receiver(std::shared_ptr<DeviceFirmware> device);

    std::vector<Report> answer(std::span<const uint8_t> report) override;

    void setLinkUp(bool up) { linkUp_ = up; }
    bool linkUp() const { return linkUp_; }

private:
    std::shared_ptr<DeviceFirmware> device_;
    std::atomic<bool> linkUp_{true};
};

}  // namespace viremo::emulator
