#include "devices/device_tables.h"

namespace viremo::devices {
namespace {

InterfaceRecord row(uint16_t vendorId, uint16_t productId, uint16_t interfaceNumber, uint16_t collection,
                    uint16_t modelId, uint16_t role, uint16_t usagePage, uint16_t usage, uint16_t hasPartner,
                    uint16_t partner) {
    return {vendorId, productId, interfaceNumber, collection, modelId, role, 0, usagePage, usage, hasPartner,
            partner, {}};
}

// Every 320F product has on interface 1 a vendor-defined collection (the
// command interface) and a consumer-control collection; the headset has one
// consumer-control interface. Receivers pair with their wired products row
// by row.
const std::array<InterfaceRecord, kHidInterfaceRowCount> kRows = {
    row(0x320F, 0x5078, 1, 4, 1, kRoleCommand, 0xFF1C, 0x92, 1, 2),
    row(0x320F, 0x5078, 1, 3, 1, kRoleSecondary, 0x000C, 0x01, 1, 3),
    row(0x320F, 0x5001, 1, 4, 9, kRoleCommand, 0xFF1C, 0x92, 1, 0),
    row(0x320F, 0x5001, 1, 3, 9, kRoleSecondary, 0x000C, 0x01, 1, 1),
    row(0x320F, 0x221C, 1, 4, 2, kRoleCommand, 0xFF1C, 0x92, 1, 6),
    row(0x320F, 0x221C, 1, 3, 2, kRoleSecondary, 0x000C, 0x01, 1, 7),
    row(0x320F, 0x221D, 1, 4, 6, kRoleCommand, 0xFF1C, 0x92, 1, 4),
    row(0x320F, 0x221D, 1, 3, 6, kRoleSecondary, 0x000C, 0x01, 1, 5),
    row(0x320F, 0x1004, 1, 4, 3, kRoleCommand, 0xFF1C, 0x92, 0, 0),
    row(0x320F, 0x1004, 1, 3, 3, kRoleSecondary, 0x000C, 0x01, 0, 0),
    row(0x0C76, 0x1630, 3, 0, 7, kRoleCommand, 0x000C, 0x01, 0, 0),
};

template <typename Matches>
int firstRow(Matches matches) {
    for (int i = 0; i < kHidInterfaceRowCount; ++i)
        if (matches(kRows[size_t(i)])) return i;
    return kNone;
}

}  // namespace

const std::array<InterfaceRecord, kHidInterfaceRowCount>& hidInterfaceTable() { return kRows; }

int findHidInterfaceRow(uint32_t vendorId, uint32_t productId, uint32_t modelId, uint32_t role) {
    return firstRow([&](const InterfaceRecord& r) {
        return r.vendorId == vendorId && r.productId == productId && r.modelId == modelId && r.role == role;
    });
}

int matchBeforeOpen(uint32_t vendorId, uint32_t productId, uint32_t collection, uint32_t interfaceNumber) {
    return firstRow([&](const InterfaceRecord& r) {
        return r.vendorId == vendorId && r.productId == productId && r.collection == collection &&
               r.interfaceNumber == interfaceNumber;
    });
}

int matchAfterOpen(uint32_t vendorId, uint32_t productId, uint32_t collection, uint32_t interfaceNumber,
                   uint32_t usagePage, uint32_t usage) {
    return firstRow([&](const InterfaceRecord& r) {
        return r.vendorId == vendorId && r.productId == productId && r.collection == collection &&
               r.interfaceNumber == interfaceNumber && r.usagePage == usagePage && r.usage == usage;
    });
}

InterfaceRecord wiredEquivalent(const InterfaceRecord& record) {
    if (!isReceiverModel(record.modelId) || record.hasPartner != 1 || record.partner >= kHidInterfaceRowCount)
        return record;
    return kRows[record.partner];
}

uint16_t wiredModel(uint16_t modelId) {
    if (modelId == kModelKeyboardReceiver) return kModelWiredKeyboard;
    if (modelId == kModelMouseReceiver) return kModelWiredMouse;
    return modelId;
}

int findKindRow(uint32_t vendorId, uint32_t productId, uint32_t modelId, uint32_t variant) {
    for (int i = 0; i < kKindCount; ++i) {
        const DeviceKind& kind = kDeviceKindTable[size_t(i)];
        if (kind.vendorId == vendorId && kind.productId == productId && kind.modelId == modelId &&
            kind.variant == variant)
            return i;
    }
    return kNone;
}

}  // namespace viremo::devices
