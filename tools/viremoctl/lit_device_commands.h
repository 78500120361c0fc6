#pragma once
// The commands the mouse pad and the headset share through their settings
// block and lighting engine: read, apply, lighting and effect. Each takes a
// driver already attached to its device.
#include <memory>
#include <string>

#include "command.h"
#include "device_backend.h"
#include "devices/device_tables.h"
#include "devices/interface_probe.h"
#include "devices/light_settings/light_settings_device.h"

namespace viremoctl {

template <typename Driver>
struct Opened {
    std::unique_ptr<Driver> device;
    std::string failure;
};

// The kind's command interface, opened for a new driver configured by
// `configure`; `noun` names the device in the reason when it is not there.
template <typename Driver, typename Configure>
Opened<Driver> openLitDevice(const Options& options, int kind, Configure configure, const std::string& noun) {
    viremo::hid::Backend& backend = deviceBackend(options);
    Opened<Driver> opened;
    const auto found = viremo::devices::probeCommandInterface(backend, kind);
    if (!found) {
        opened.failure = "no " + noun + " is present (see viremoctl list)";
        return opened;
    }
    auto device = std::make_unique<Driver>(backend);
    configure(*device, viremo::devices::hidInterfaceTable()[size_t(found->row)]);
    if (!device->Channel().Attach(viremo::devices::ConnectionMode::Cable, found->path)) {
        opened.failure = "cannot open " + found->path + " for reading and writing";
        return opened;
    }
    device->Channel().SetConnectionMode(viremo::devices::ConnectionMode::Cable);
    opened.device = std::move(device);
    return opened;
}

int readLitDevice(const Options& options, viremo::devices::CLightSettingsDevice& device, const std::string& noun);
int applyLitDevice(const Options& options, viremo::devices::CLightSettingsDevice& device, const std::string& noun);
int setLitDeviceLighting(const Options& options, viremo::devices::CLightSettingsDevice& device,
                         const std::string& noun, Arguments lightingOptions);
// Runs the profile's software effect for `seconds` and reports the frames.
int runLitDeviceEffect(const Options& options, viremo::devices::CLightSettingsDevice& device, const std::string& noun,
                       Arguments arguments);

}  // namespace viremoctl
