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
#include "devices/interface_probe.h"
#include "hid/interface_path.h"

namespace viremoctl {
namespace {

using viremo::devices::hidInterfaceTable;

constexpr const char* kUdevRule = "packaging/60-viremo.rules";

struct Survey {
    bool enumerated = false;
    std::vector<viremo::devices::FoundInterface> interfaces;  // by row
    std::set<std::string> deniedNodes;  // present, supported, but not ours to open
};

Survey survey(viremo::hid::Backend& backend) {
    viremo::devices::InterfaceSurvey found = viremo::devices::surveyInterfaces(backend);
    Survey result;
    result.enumerated = found.enumerated;
    result.interfaces = std::move(found.interfaces);
    std::stable_sort(result.interfaces.begin(), result.interfaces.end(),
                     [](const auto& a, const auto& b) { return a.row < b.row; });
    for (const std::string& path : found.deniedPaths) result.deniedNodes.emplace(viremo::hid::nodeOfPath(path));
    return result;
}

const char* roleName(uint16_t role) { return role == viremo::devices::kRoleCommand ? "command" : "secondary"; }

std::string hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

void printTable(const std::vector<viremo::devices::FoundInterface>& interfaces) {
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
    if (!result.enumerated) return fail("cannot list the HID interfaces of this system");
    if (options.json) printJson(jsonOf(result));
    else if (!result.interfaces.empty()) printTable(result.interfaces);
    if (!result.deniedNodes.empty())
        return fail("permission denied on " + joined(result.deniedNodes) + ": install the udev rule " + kUdevRule +
                    " (see README)");
    if (result.interfaces.empty() && !options.json) std::puts("no supported device found");
    return kSuccess;
}

}  // namespace viremoctl
