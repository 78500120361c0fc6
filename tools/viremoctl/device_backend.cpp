#include "device_backend.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hid/emulated_bus.h"
#include "platform/folders.h"
#include "platform/sdbus_message_bus.h"
#include "profiles/json_file.h"

namespace viremoctl {
namespace {

// Every viremoctl run makes a fresh demo set; the memory the host writes
// (settings, key tables, macros, colour pages) is kept between runs in
// <application data>/demo/<device>.memory.json, one hexadecimal text per
// region, so that a read shows what an earlier write left.
constexpr std::array<std::string_view, 4> kKeptRegions{"settings", "key table", "macro memory", "colour pages"};

std::string hexText(const std::vector<uint8_t>& bytes) {
    std::string text;
    char digits[3];
    for (uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", byte);
        text += digits;
    }
    return text;
}

std::optional<std::vector<uint8_t>> bytesOf(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        if (std::sscanf(text.c_str() + i, "%2x", &value) != 1) return std::nullopt;
        bytes.push_back(uint8_t(value));
    }
    return bytes;
}

struct KeptDevice {
    const char* name;
    std::shared_ptr<viremo::emulator::DeviceFirmware> firmware;
};

std::filesystem::path memoryFile(const char* name) {
    const auto folder = viremo::folders::applicationData() / "demo";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / (std::string(name) + ".memory.json");
}

void loadMemory(const KeptDevice& device) {
    const Json::Value document = viremo::json::readFile(memoryFile(device.name));
    if (!document.isObject()) return;
    for (const auto region : kKeptRegions) {
        const auto text = viremo::json::stringMember(document, region);
        const auto bytes = text ? bytesOf(*text) : std::nullopt;
        // A region of another size belongs to another firmware: left as it is.
        if (bytes && bytes->size() == device.firmware->memory(region).size())
            device.firmware->writeMemory(region, 0, *bytes);
    }
}

void saveMemory(const KeptDevice& device) {
    Json::Value document(Json::objectValue);
    for (const auto region : kKeptRegions) {
        const auto bytes = device.firmware->memory(region);
        if (!bytes.empty()) document[std::string(region)] = hexText(bytes);
    }
    viremo::json::writeFile(memoryFile(device.name), document);
}

// The bus outlives the set, so that unplugging at exit finds the firmware.
struct Demo {
    Demo() {
        for (const auto& device : kept()) loadMemory(device);
    }
    ~Demo() {
        for (const auto& device : kept()) saveMemory(device);
    }
    std::vector<KeptDevice> kept() const {
        return {{"keyboard", set.keyboard}, {"mouse", set.mouse}, {"mousepad", set.mousePad}, {"headset", set.headset}};
    }

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
    // A running viremo drives the devices (light frames every few
    // milliseconds); packets of ours would interleave with its own.
    if (const auto pid = viremo::platform::FindRunningInstance()) {
        std::fprintf(stderr, "viremoctl: viremo (process %d) is running and owns the devices; quit it first\n", *pid);
        std::exit(1);
    }
    return viremo::hid::systemBackend();
}

viremo::emulator::DemoSet& demoSet() { return demo().set; }

}  // namespace viremoctl
