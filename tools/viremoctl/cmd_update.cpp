// viremoctl update check: asks the update service about the application and
// the firmware of every connected device, as the settings window does, and
// prints each product's state.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "device_backend.h"
#include "devices/device_tables.h"
#include "devices/interface_probe.h"
#include "hid/hid_device.h"
#include "platform/clock.h"
#include "update/product_list.h"
#include "update/update_check.h"
#include "update/update_service.h"
#include "update/update_time.h"

namespace viremoctl {
namespace {

using namespace viremo::update;
using viremo::devices::kKindCount;

constexpr const char* kUsage = "usage: viremoctl update check [--service URL] [--ca-file FILE]";

// The firmware version of each kind's device (by kind index, the order of
// the device tabs): the USB version number of its command interface, on its
// cable or else through its receiver, as `viremoctl info` shows it; 0 when
// the device is not connected.
std::array<int, kKindCount> connectedFirmwareVersions(viremo::hid::Backend& backend) {
    std::array<int, kKindCount> versions{};
    for (int kind = 0; kind < kKindCount; ++kind) {
        const auto found = viremo::devices::probeCommandInterface(backend, kind);
        viremo::hid::HidDevice device(backend);
        if (found && device.Open(found->path, true, false, true, false))
            versions[size_t(kind)] = device.VersionNumber();
    }
    return versions;
}

const char* stateOf(const UpdateInfo& info) {
    switch (info.outcome) {
    case CheckOutcome::Answered:
        return info.status == kStatusNewerVersion ? "update available" : "up to date";
    case CheckOutcome::NoService: return "no update service configured";
    case CheckOutcome::Refused: return "request refused";
    case CheckOutcome::NotSent: return "no connection to the update service";
    case CheckOutcome::NoAnswer: return "no answer from the update service";
    case CheckOutcome::BadAnswer: return "answer not understood";
    }
    return "";
}

const char* summaryOf(WindowStatus status) {
    switch (status) {
    case WindowStatus::UpdatesAvailable: return "updates available";
    case WindowStatus::NoConnection: return "no connection to the update service";
    default: return "everything up to date";
    }
}

// The new version is shown only when it is newer.
std::string newVersionOf(const UpdateInfo& info) {
    return info.status == kStatusNewerVersion ? info.newVersionText : std::string();
}

struct Checked {
    ProductEntry product;
    UpdateInfo info;
};

Json::Value jsonOf(const std::vector<Checked>& results, WindowStatus status) {
    Json::Value document(Json::objectValue);
    document["status"] = summaryOf(status);
    Json::Value& products = document["products"] = Json::Value(Json::arrayValue);
    for (const auto& [product, info] : results) {
        Json::Value entry(Json::objectValue);
        entry["name"] = info.name;
        entry["application"] = isApplication(product);
        entry["installedVersion"] = product.installedVersion;
        entry["installedVersionText"] = info.currentVersionText;
        entry["newVersionText"] = newVersionOf(info);
        entry["versionName"] = info.versionName;
        entry["path"] = info.path;
        entry["deviceId"] = info.deviceId;
        entry["status"] = info.status;
        entry["state"] = stateOf(info);
        products.append(entry);
    }
    return document;
}

void printText(const std::vector<Checked>& results) {
    for (const auto& [product, info] : results) {
        const std::string newVersion = newVersionOf(info);
        std::printf("%-3s %-12s %-12s %s\n", info.name.c_str(), info.currentVersionText.c_str(),
                    newVersion.empty() ? "-" : newVersion.c_str(), stateOf(info));
    }
}

struct CheckArguments {
    ServiceSettings service;
};

std::optional<CheckArguments> checkArguments(Arguments arguments) {
    if (arguments.empty() || arguments[0] != "check") return std::nullopt;
    CheckArguments parsed;
    for (size_t i = 1; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) return std::nullopt;
        if (arguments[i] == "--service") parsed.service.baseUrl = arguments[i + 1];
        else if (arguments[i] == "--ca-file") parsed.service.authorityFile = arguments[i + 1];
        else return std::nullopt;
    }
    return parsed;
}

}  // namespace

int runUpdate(const Options& options, Arguments arguments) {
    const auto parsed = checkArguments(arguments);
    if (!parsed) return fail(kUsage);
    UpdateServiceClient service(parsed->service);
    if (!service.IsConfigured()) return fail("no update service is configured (give --service URL)");
    if (!service.IsAuthorityUsable())
        return fail("no certificate in " + parsed->service.authorityFile.string());

    const auto firmware = connectedFirmwareVersions(deviceBackend(options));
    const std::vector<ProductEntry> products = productList(firmware, GetInstalledAppVersion());
    std::vector<Checked> results;
    const WindowStatus status =
        checkProducts(service, products, updateTimeFile(), viremo::systemClock(), {},
                      [&](size_t index, const UpdateInfo& info) { results.push_back({products[index], info}); });
    if (options.json) printJson(jsonOf(results, status));
    else printText(results);
    std::fflush(stdout);
    if (status == WindowStatus::NoConnection) return fail("no product could be checked with the update service");
    return kSuccess;
}

}  // namespace viremoctl
