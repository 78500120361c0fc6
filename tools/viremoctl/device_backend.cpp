#include "device_backend.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hid/emulated_bus.h"
#include "platform/atomic_file.h"
#include "platform/folders.h"
#include "platform/sdbus_message_bus.h"
#include "profiles/json_file.h"

namespace viremoctl {
namespace {

// Every viremoctl run makes a fresh demo set; the memory the host writes
// (settings, key tables, macros, recoil patterns, colour pages) is kept
// between runs in <application data>/demo/<device>.memory.json, one
// hexadecimal text per region, so that a read shows what an earlier write
// left.
constexpr std::array<std::string_view, 5> kKeptRegions{"settings", "key table", "macro memory", "recoil memory",
                                                       "colour pages"};

// The files carry the version of the firmware memory they were saved from.
// Files of an earlier version are read as absent, so that the factory memory
// stands: a mouse saved before its settings memory was emulated kept 512 zero
// bytes there, which would override its factory profile slots.
constexpr int kMemoryVersion = 2;
constexpr const char* kVersionMember = "memoryVersion";

std::string hexText(const std::vector<uint8_t>& bytes) {
    std::string text;
    char digits[3];
    for (uint8_t byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", byte);
        text += digits;
    }
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Exactly `size` bytes as two hexadecimal digits each; anything else is
// another firmware's memory or damage, and gives nothing.
std::optional<std::vector<uint8_t>> bytesOf(const std::string& text, size_t size) {
    if (text.size() != size * 2) return std::nullopt;
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        const int high = hexDigit(text[2 * i]);
        const int low = hexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = uint8_t(high << 4 | low);
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

// A file that cannot be read is kept aside (the demo then starts from the
// factory memory), so that the memory saved at exit does not replace it.
void loadMemory(const KeptDevice& device) {
    const auto file = memoryFile(device.name);
    const viremo::json::Document document = viremo::json::readDocument(file);
    if (document.state == viremo::json::FileState::Absent) return;
    if (document.state == viremo::json::FileState::Broken || !document.root.isObject()) {
        const auto kept = viremo::keepAsBad(file);
        std::fprintf(stderr, "viremoctl: cannot read %s; %s\n",
                     document.problem.empty() ? file.c_str() : document.problem.c_str(),
                     kept ? ("kept as " + kept->filename().string()).c_str() : "it could not be moved aside");
        return;
    }
    const Json::Value& version = document.root[kVersionMember];
    if (!version.isInt() || version.asInt() != kMemoryVersion) return;
    for (const auto region : kKeptRegions) {
        const auto text = viremo::json::stringMember(document.root, region);
        const size_t size = device.firmware->memory(region).size();
        // A region of another size belongs to another firmware: left as it is.
        if (const auto bytes = text ? bytesOf(*text, size) : std::nullopt)
            device.firmware->writeMemory(region, 0, *bytes);
    }
}

void saveMemory(const KeptDevice& device) {
    Json::Value document(Json::objectValue);
    document[kVersionMember] = kMemoryVersion;
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
