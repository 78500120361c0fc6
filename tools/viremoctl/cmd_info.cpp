// viremoctl info: opens a device's command interface (its cable, or its
// receiver when only that is present), reads the 34-byte device information
// block and prints it with the fields the device protocols interpret.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "device_backend.h"
#include "devices/protocol/command_channel.h"
#include "devices/device_tables.h"
#include "devices/interface_probe.h"
#include "devices/protocol/packet_log.h"
#include "devices/protocol/device_result.h"
#include "devices/vendrake_usb_device.h"

namespace viremoctl {
namespace {

using namespace viremo::devices;

// An interpreted field of the information block.
struct InfoField {
    const char* name;
    size_t offset;
    size_t width;  // bytes, little-endian
    const char* format;  // printf format of the value
    const char* note;    // shown after the value
};

constexpr InfoField kKeyboardFields[] = {
    {"keyPositions", 5, 1, "%u", " (key table: 3 bytes each)"},
    {"macroUnits", 6, 1, "%u", " (macro memory: 128 bytes each)"},
};
constexpr InfoField kMouseFields[] = {
    {"buttons", 5, 1, "%u", " (button table: 3 bytes each)"},
    {"macroUnits", 6, 1, "%u", " (macro memory: 128 bytes each)"},
    {"sensor", 9, 2, "0x%04x", ""},
    {"dpiStep", 11, 1, "%u", " DPI per level"},
    {"highestDpiLevel", 12, 2, "%u", ""},
    {"lowestDpi", 14, 2, "%u", ""},
};

struct Kind {
    const char* argument;
    const char* name;
    int kindIndex;
    std::span<const InfoField> fields;
};

const Kind kKinds[] = {
    {"keyboard", "keyboard", kKindKeyboard, kKeyboardFields},
    {"mouse", "mouse", kKindMouse, kMouseFields},
    {"pad", "mouse pad", kKindMousePad, {}},
    {"headset", "headset", kKindHeadset, {}},
};

const Kind* findKind(const std::string& argument) {
    for (const auto& kind : kKinds)
        if (argument == kind.argument) return &kind;
    return nullptr;
}

unsigned fieldValue(std::span<const uint8_t> info, const InfoField& field) {
    unsigned value = 0;
    for (size_t i = 0; i < field.width; ++i) value |= unsigned(info[field.offset + i]) << (8 * i);
    return value;
}

std::string formatted(const char* format, unsigned value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

struct Reading {
    const Kind* kind = nullptr;
    bool viaReceiver = false;
    std::string path;
    uint16_t usbVersion = 0;
    std::array<uint8_t, kDeviceInfoSize> info{};
};

void printText(const Reading& reading) {
    std::printf("%s %s\n", reading.kind->name, reading.viaReceiver ? "through its receiver" : "on its cable");
    std::printf("path: %s\n", reading.path.c_str());
    std::printf("USB version number: %04x\n", reading.usbVersion);
    std::printf("device information (%zu bytes):\n", reading.info.size());
    const std::span<const uint8_t> info(reading.info);
    std::printf("  %s\n  %s\n", hexLine(info.first(32)).c_str(), hexLine(info.subspan(32)).c_str());
    for (const auto& field : reading.kind->fields)
        std::printf("%s: %s%s\n", field.name, formatted(field.format, fieldValue(info, field)).c_str(), field.note);
}

Json::Value jsonOf(const Reading& reading) {
    Json::Value document(Json::objectValue);
    document["kind"] = reading.kind->argument;
    document["connection"] = reading.viaReceiver ? "receiver" : "cable";
    document["path"] = reading.path;
    document["usbVersion"] = formatted("%04x", reading.usbVersion);
    document["info"] = hexLine(reading.info);
    Json::Value& fields = document["fields"] = Json::Value(Json::objectValue);
    for (const auto& field : reading.kind->fields) fields[field.name] = fieldValue(reading.info, field);
    return document;
}

}  // namespace

int runInfo(const Options& options, Arguments arguments) {
    if (arguments.size() != 1) return fail("usage: viremoctl info <keyboard|mouse|pad|headset>");
    Reading reading;
    reading.kind = findKind(arguments[0]);
    if (!reading.kind) return fail("unknown device kind '" + arguments[0] + "' (keyboard, mouse, pad or headset)");

    viremo::hid::Backend& backend = deviceBackend(options);
    const auto found = probeCommandInterface(backend, reading.kind->kindIndex);
    if (!found) return fail(std::string("no ") + reading.kind->name + " found (see viremoctl list)");
    reading.path = found->path;
    reading.viaReceiver = found->viaReceiver;

    const InterfaceRecord& row = hidInterfaceTable()[size_t(found->row)];
    CVendrakeUSBDevice device(backend);
    device.SetIdentity(row);
    device.SetOnReceiver(reading.viaReceiver);
    CommandChannel& channel = device.Channel();
    const ConnectionMode mode = reading.viaReceiver ? ConnectionMode::Receiver : ConnectionMode::Cable;
    if (!channel.Attach(mode, reading.path)) return fail("cannot open " + reading.path + " for reading and writing");
    // Keyboards and mice switch to their connection's packet size; the pad
    // and the headset keep the channel's default.
    if (row.hasPartner) channel.SetConnectionMode(mode);
    reading.usbVersion = channel.CableInterface().IsOpen() ? channel.CableInterface().VersionNumber()
                                                            : channel.ReceiverInterface().VersionNumber();

    const DeviceResult result = channel.ReadDeviceInfo(reading.info);
    if (result.code() == kUnreachable)
        return fail(std::string(reading.kind->name) + " not reachable through its receiver");
    if (!result.succeeded())
        return fail("reading the device information failed (result " + std::to_string(result.code()) + ")");
    if (options.json) printJson(jsonOf(reading));
    else printText(reading);
    return kSuccess;
}

}  // namespace viremoctl
