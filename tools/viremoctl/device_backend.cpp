#include "device_backend.h"

#include "hid/emulated_bus.h"

namespace viremoctl {
namespace {

// The bus outlives the set, so that unplugging at exit finds the firmware.
struct Demo {
    viremo::hid::EmulatedBus bus;
    viremo::emulator::DemoSet set = viremo::emulator::plugDemoSet(bus);
};

Demo& demo() {
    static Demo instance;
    return instance;
}

}  // namespace

viremo::hid::Backend& deviceBackend(const Options& options) {
    if (options.demo) return demo().bus;
    return viremo::hid::systemBackend();
}

viremo::emulator::DemoSet& demoSet() { return demo().set; }

}  // namespace viremoctl
