// viremoctl list: the present HID interfaces that belong to a supported
// device, matched against the HID interface table as discovery matches them:
// first by the ids and numbers of the path, then, opened for reading, by the
// device's ids and the collection's usage page and usage.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "command.h"
#include "device_backend.h"
#include "devices/device_tables.h"
#include "hid/hid_device.h"
#include "hid/interface_path.h"

namespace viremoctl {
namespace {

using viremo::devices::hidInterfaceTable;
using viremo::devices::kNone;

constexpr const char* kUdevRule = "packaging/60-viremo.rules";

struct Found {
    int row;
    std::string path;
};

struct Survey {
    std::vector<Found> interfaces;
    std::set<std::string> deniedNodes;  // present, supported, but not ours to open
};

Survey survey(viremo::hid::Backend& backend) {
    using namespace viremo::hid;
    Survey result;
    HidDevice probe(backend);
    probe.EnumerateInterfaces();
    while (const auto path = probe.NextInterfacePath()) {
        const uint32_t collection = CollectionNumberFromPath(*path);
        const uint32_t interfaceNumber = InterfaceNumberFromPath(*path);
        if (viremo::devices::matchBeforeOpen(VendorIdFromPath(*path), ProductIdFromPath(*path), collection,
                                             interfaceNumber) == kNone)
            continue;
        if (!probe.Open(*path, true, false, true, false)) {
            if (probe.LastOpenError() == OpenError::AccessDenied) result.deniedNodes.emplace(nodeOfPath(*path));
            continue;
        }
        const int row = viremo::devices::matchAfterOpen(probe.VendorId(), probe.ProductId(), collection,
                                                        interfaceNumber, probe.UsagePage(), probe.Usage());
        probe.Close();
        if (row != kNone) result.interfaces.push_back({row, *path});
    }
    probe.ReleaseInterfaceList();
    std::stable_sort(result.interfaces.begin(), result.interfaces.end(),
                     [](const Found& a, const Found& b) { return a.row < b.row; });
    return result;
}

const char* roleName(uint16_t role) { return role == viremo::devices::kRoleCommand ? "command" : "secondary"; }

std::string hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

void printTable(const std::vector<Found>& interfaces) {
    std::printf("%-4s %-15s %-10s %-11s %-6s %-10s %s\n", "row", "vendor:product", "interface", "collection",
                "model", "role", "path");
    for (const auto& found : interfaces) {
        const auto& r = hidInterfaceTable()[size_t(found.row)];
        const std::string ids = hex4(r.vendorId) + ":" + hex4(r.productId);
        std::printf("%-4d %-15s %-10u %-11u %-6u %-10s %s\n", found.row, ids.c_str(), r.interfaceNumber,
                    r.collection, r.modelId, roleName(r.role), found.path.c_str());
    }
}

Json::Value jsonOf(const Survey& result) {
    Json::Value document(Json::objectValue);
    Json::Value& interfaces = document["interfaces"] = Json::Value(Json::arrayValue);
    for (const auto& found : result.interfaces) {
        const auto& r = hidInterfaceTable()[size_t(found.row)];
        Json::Value item(Json::objectValue);
        item["row"] = found.row;
        item["vendorId"] = hex4(r.vendorId);
        item["productId"] = hex4(r.productId);
        item["interface"] = r.interfaceNumber;
        item["collection"] = r.collection;
        item["modelId"] = r.modelId;
        item["role"] = roleName(r.role);
        item["path"] = found.path;
        interfaces.append(item);
    }
    Json::Value& denied = document["permissionDenied"] = Json::Value(Json::arrayValue);
    for (const auto& node : result.deniedNodes) denied.append(node);
    return document;
}

std::string joined(const std::set<std::string>& nodes) {
    std::string text;
    for (const auto& node : nodes) text += (text.empty() ? "" : ", ") + node;
    return text;
}

}  // namespace

int runList(const Options& options, Arguments arguments) {
    if (!arguments.empty()) return fail("list takes no arguments (see viremoctl --help)");
    const Survey result = survey(deviceBackend(options));
    if (options.json) printJson(jsonOf(result));
    else if (!result.interfaces.empty()) printTable(result.interfaces);
    if (!result.deniedNodes.empty())
        return fail("permission denied on " + joined(result.deniedNodes) + ": install the udev rule " + kUdevRule +
                    " (see README)");
    if (result.interfaces.empty() && !options.json) std::puts("no supported device found");
    return kSuccess;
}

}  // namespace viremoctl
