#include "devices/interface_probe.h"

#include "hid/hid_device.h"

namespace viremo::devices {
namespace {

// The row of the kind's wired command interface; kNone for an unknown kind.
int cableRowOf(int kindIndex) {
    if (kindIndex < 0 || kindIndex >= kKindCount) return kNone;
    const DeviceKind& kind = kDeviceKindTable[size_t(kindIndex)];
    return findHidInterfaceRow(kind.vendorId, kind.productId, kind.modelId, kRoleCommand);
}

std::optional<FoundInterface> firstOfRow(hid::Backend& backend, int row) {
    InterfaceSurvey survey = surveyInterfaces(backend, row);
    if (survey.interfaces.empty()) return std::nullopt;
    return std::move(survey.interfaces.front());
}

}  // namespace

InterfaceSurvey surveyInterfaces(hid::Backend& backend, int wantedRow) {
    using namespace hid;
    InterfaceSurvey survey;
    HidDevice probe(backend);
    survey.enumerated = probe.EnumerateInterfaces();
    while (const auto path = probe.NextInterfacePath()) {
        const uint32_t collection = CollectionNumberFromPath(*path);
        const uint32_t interfaceNumber = InterfaceNumberFromPath(*path);
        const int byPath = matchBeforeOpen(VendorIdFromPath(*path), ProductIdFromPath(*path), collection,
                                           interfaceNumber);
        if (byPath == kNone || (wantedRow != kNone && byPath != wantedRow)) continue;
        if (!probe.Open(*path, true, false, true, false)) {
            if (probe.LastOpenError() == OpenError::AccessDenied) survey.deniedPaths.push_back(*path);
            continue;
        }
        const int row = matchAfterOpen(probe.VendorId(), probe.ProductId(), collection, interfaceNumber,
                                       probe.UsagePage(), probe.Usage());
        probe.Close();
        if (row == kNone || (wantedRow != kNone && row != wantedRow)) continue;
        survey.interfaces.push_back({row, *path});
        if (wantedRow != kNone) break;
    }
    probe.ReleaseInterfaceList();
    return survey;
}

std::optional<CommandInterface> probeCommandInterface(hid::Backend& backend, int kindIndex) {
    const int cableRow = cableRowOf(kindIndex);
    if (cableRow == kNone) return std::nullopt;
    if (auto cable = firstOfRow(backend, cableRow)) return CommandInterface{cable->row, std::move(cable->path), false};
    const InterfaceRecord& wired = hidInterfaceTable()[size_t(cableRow)];
    if (!wired.hasPartner || wired.partner >= kHidInterfaceRowCount) return std::nullopt;
    if (auto receiver = firstOfRow(backend, wired.partner))
        return CommandInterface{receiver->row, std::move(receiver->path), true};
    return std::nullopt;
}

}  // namespace viremo::devices
