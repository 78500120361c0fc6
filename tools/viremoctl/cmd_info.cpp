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
#include "devices/device_info.h"
#include "devices/device_tables.h"
#include "devices/interface_probe.h"
#include "devices/protocol/packet_log.h"
#include "devices/protocol/device_result.h"
#include "devices/vendrake_usb_device.h"

namespace viremoctl {
namespace {

using namespace viremo::devices;

// An interpreted field of the information block, as printed.
struct InfoField {
    const char* name;
    DeviceInfoField field;
    const char* format;  // printf format of the value
    const char* note;    // shown after the value
};

constexpr InfoField kKeyboardFields[] = {
    {"keyPositions", info_field::kKeyCount, "%u", " (key table: 3 bytes each)"},
    {"macroUnits", info_field::kMacroUnits, "%u", " (macro memory: 128 bytes each)"},
};
constexpr InfoField kMouseFields[] = {
    {"buttons", info_field::kKeyCount, "%u", " (button table: 3 bytes each)"},
    {"macroUnits", info_field::kMacroUnits, "%u", " (macro memory: 128 bytes each)"},
    {"sensor", info_field::kSensor, "0x%04x", ""},
    {"dpiStep", info_field::kDpiStep, "%u", " DPI per level"},
    {"highestDpiLevel", info_field::kHighestDpiLevel, "%u", ""},
    {"lowestDpi", info_field::kLowestDpi, "%u", ""},
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
    DeviceInfoBlock info{};
};

void printText(const Reading& reading) {
    std::printf("%s %s\n", reading.kind->name, reading.viaReceiver ? "through its receiver" : "on its cable");
    std::printf("path: %s\n", reading.path.c_str());
    std::printf("USB version number: %04x\n", reading.usbVersion);
    std::printf("device information (%zu bytes):\n", reading.info.size());
    const std::span<const uint8_t> info(reading.info);
    std::printf("  %s\n  %s\n", hexLine(info.first(32)).c_str(), hexLine(info.subspan(32)).c_str());
    for (const auto& field : reading.kind->fields)
        std::printf("%s: %s%s\n", field.name, formatted(field.format, infoFieldValue(reading.info, field.field)).c_str(),
                    field.note);
}

Json::Value jsonOf(const Reading& reading) {
    Json::Value document(Json::objectValue);
    document["kind"] = reading.kind->argument;
    document["connection"] = reading.viaReceiver ? "receiver" : "cable";
    document["path"] = reading.path;
    document["usbVersion"] = formatted("%04x", reading.usbVersion);
    document["info"] = hexLine(reading.info);
    Json::Value& fields = document["fields"] = Json::Value(Json::objectValue);
    for (const auto& field : reading.kind->fields) fields[field.name] = infoFieldValue(reading.info, field.field);
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
    configureDevice(device, reading.kind->kindIndex, row);
    CommandChannel& channel = device.Channel();
    const ConnectionMode mode = reading.viaReceiver ? ConnectionMode::Receiver : ConnectionMode::Cable;
    if (!channel.Attach(mode, reading.path)) return fail("cannot open " + reading.path + " for reading and writing");
    // Keyboards and mice switch to their connection's packet size; the pad
    // and the headset keep the channel's default.
    if (row.hasPartner) channel.SetConnectionMode(mode);
    reading.usbVersion = channel.CableInterface().IsOpen() ? channel.CableInterface().VersionNumber()
                                                            : channel.ReceiverInterface().VersionNumber();

    const DeviceResult result = device.ReadDeviceInformation();
    if (result.code() == kUnreachable)
        return fail(std::string(reading.kind->name) + " not reachable through its receiver");
    if (!result.succeeded())
        return fail("reading the device information failed (result " + std::to_string(result.code()) + ")");
    reading.info = device.InfoBlock();
    if (options.json) printJson(jsonOf(reading));
    else printText(reading);
    return kSuccess;
}

}  // namespace viremoctl
