// viremo-uhid: plugs the demo set (the keyboard on its cable, the mouse
// through its receiver, the mouse pad, the headset) into the running kernel
// through /dev/uhid and serves it until interrupted. The products then have
// real /dev/hidraw* nodes, so viremoctl and the application find them without
// --demo. Needs write access to /dev/uhid (usually root) and the uhid module.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "emulator/uhid_adapter.h"
#include "emulator/uhid_products.h"
#include "platform/log.h"

namespace {

const char* const kUsage =
    "usage: viremo-uhid [--debug]\n"
    "\n"
    "Plugs the emulated demo set into the kernel through /dev/uhid and serves\n"
    "it until interrupted (Ctrl-C or SIGTERM); the devices go away on exit.\n"
    "  --debug   print the log on stderr\n";

// Blocks SIGINT and SIGTERM in every thread, so that sigwait receives them.
sigset_t blockStopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

size_t interfaceCount(const viremo::emulator::DemoSet& set) {
    size_t count = 0;
    for (const auto* product : set.products()) count += product->interfaces.size();
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--debug") == 0) {
            viremo::log::toStderr();
        } else {
            std::fputs(kUsage, std::strcmp(argv[i], "--help") == 0 ? stdout : stderr);
            return std::strcmp(argv[i], "--help") == 0 ? 0 : 1;
        }
    }
    const sigset_t stopSignals = blockStopSignals();

    viremo::emulator::UhidAdapter adapter;
    const viremo::emulator::DemoSet set = viremo::emulator::makeDemoSet();
    std::string why;
    if (!viremo::emulator::plugDemoSet(adapter, set, &why)) {
        std::fprintf(stderr, "viremo-uhid: %s\n", why.c_str());
        return 1;
    }
    std::printf("viremo-uhid: %zu interfaces plugged\n", interfaceCount(set));
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}
