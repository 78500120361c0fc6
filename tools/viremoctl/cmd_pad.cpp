// viremoctl commands of the mouse pad (320F:1004, cable only):
//
//   read pad            the pad's settings block (active profile, lighting)
//   apply pad           writes the current profile's lighting into the pad
//   lighting pad [--mode N] [--brightness 0-4] [--speed 0-4] [--direction 0|1]
//                [--color RRGGBB] [--multicolor 0|1]
//                       stores into the profile and writes the settings block
//   effect pad|headset --run SECONDS
//                       runs the profile's software effect against the device
//                       and prints the frames per second (--debug: the frames)
#include "command.h"
#include "devices/pad/mouse_pad_device.h"
#include "lit_device_commands.h"

namespace viremoctl {

int runHeadsetEffect(const Options& options, Arguments arguments);

namespace {

using namespace viremo::devices;

const std::string kPad = "mouse pad";

Opened<CVendrakeMousePadDevice> openPad(const Options& options) {
    return openLitDevice<CVendrakeMousePadDevice>(options, kKindMousePad, configureMousePad, kPad);
}

}  // namespace

bool isPad(Arguments arguments) { return !arguments.empty() && arguments[0] == "pad"; }

int runPadRead(const Options& options, Arguments arguments) {
    if (arguments.size() != 1) return fail("usage: viremoctl read pad");
    auto opened = openPad(options);
    if (!opened.device) return fail(opened.failure);
    return readLitDevice(options, *opened.device, kPad);
}

int runPadApply(const Options& options, Arguments arguments) {
    if (arguments.size() != 1) return fail("usage: viremoctl apply pad");
    auto opened = openPad(options);
    if (!opened.device) return fail(opened.failure);
    return applyLitDevice(options, *opened.device, kPad);
}

int runPadLighting(const Options& options, Arguments arguments) {
    auto opened = openPad(options);
    if (!opened.device) return fail(opened.failure);
    return setLitDeviceLighting(options, *opened.device, kPad, arguments.subspan(1));
}

int runEffect(const Options& options, Arguments arguments) {
    if (!arguments.empty() && arguments[0] == "headset") return runHeadsetEffect(options, arguments.subspan(1));
    if (!isPad(arguments)) return fail("usage: viremoctl effect pad|headset --run SECONDS");
    auto opened = openPad(options);
    if (!opened.device) return fail(opened.failure);
    return runLitDeviceEffect(options, *opened.device, kPad, arguments.subspan(1));
}

}  // namespace viremoctl
