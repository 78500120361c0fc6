#pragma once
// The emulated keyboard plugged into the kernel through uhid for one test,
// and the interface paths the hidraw backend enumerates for it.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "emulator/products.h"
#include "emulator/uhid_adapter.h"
#include "emulator/uhid_products.h"
#include "hid/backend.h"
#include "hid/hid_device.h"

namespace viremo::kernel_tests {

using Bytes = std::vector<uint8_t>;
using namespace std::chrono_literals;

// A path's part after the node: "#vid_320f&pid_5078&mi_01&col04".
inline std::string withoutNode(const std::string& path) { return path.substr(path.find('#')); }

// Every enumerated interface path of the keyboard, in the order of interface
// and collection (the kernel numbers the nodes in no fixed order).
inline std::vector<std::string> keyboardPaths(hid::Backend& backend = hid::systemBackend()) {
    std::vector<std::string> paths;
    for (const auto& path : backend.enumeratePaths())
        if (path.find("#vid_320f&pid_5078") != std::string::npos) paths.push_back(path);
    std::sort(paths.begin(), paths.end(),
              [](const std::string& a, const std::string& b) { return withoutNode(a) < withoutNode(b); });
    return paths;
}

// Retries `condition` every 10 ms until it holds; false after `timeout`.
template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds timeout = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// The hidraw nodes appear shortly after the uhid devices are created.
inline bool waitForKeyboardPaths(size_t count) {
    return eventually([count] { return keyboardPaths().size() == count; });
}

// The path that ends in `suffix`, such as "&mi_01&col04"; empty if none.
inline std::string pathEndingIn(const std::vector<std::string>& paths, const std::string& suffix) {
    for (const auto& path : paths)
        if (path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0)
            return path;
    return {};
}

inline constexpr size_t kKeyboardInterfacePaths = 5;  // mi_00, and mi_01 with four collections

struct PluggedKeyboard {
    PluggedKeyboard() {
        std::string why;
        plugged = emulator::plugProduct(adapter, usb, &why);
        failure = why;
        if (plugged && !waitForKeyboardPaths(kKeyboardInterfacePaths)) {
            plugged = false;
            failure = "the keyboard's hidraw interfaces did not appear";
        }
        paths = keyboardPaths();
    }
    ~PluggedKeyboard() { unplug(); }
    void unplug() { emulator::unplugProduct(adapter, usb); }

    std::shared_ptr<emulator::InterfaceFirmware> bootInterface() const { return usb.interfaces.at(0).firmware; }
    std::shared_ptr<emulator::InterfaceFirmware> commandInterface() const { return usb.commandInterface(); }
    std::string path(const std::string& suffix) const { return pathEndingIn(paths, suffix); }

    emulator::UhidAdapter adapter;
    emulator::EmulatedProduct usb = emulator::keyboardOnCable(emulator::keyboardFirmware());
    bool plugged = false;
    std::string failure;
    std::vector<std::string> paths;
};

}  // namespace viremo::kernel_tests
