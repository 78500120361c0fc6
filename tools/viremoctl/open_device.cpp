#include "open_device.h"

#include "devices/device_tables.h"
#include "devices/interface_probe.h"

namespace viremoctl {

using namespace viremo::devices;

std::optional<std::string> attachDevice(CVendrakeUSBDevice& device, viremo::hid::Backend& backend, int kind,
                                        std::string_view noun) {
    const auto found = probeCommandInterface(backend, kind);
    if (!found) return "no " + std::string(noun) + " found (see viremoctl list)";
    configureDevice(device, kind, hidInterfaceTable()[size_t(found->row)]);
    const ConnectionMode mode = found->viaReceiver ? ConnectionMode::Receiver : ConnectionMode::Cable;
    if (!device.Channel().Attach(mode, found->path)) return "cannot open " + found->path + " for reading and writing";
    device.Channel().SetConnectionMode(mode);
    return std::nullopt;
}

}  // namespace viremoctl
