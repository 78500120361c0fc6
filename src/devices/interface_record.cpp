#include "devices/interface_record.h"

namespace viremo::devices {

bool sameIdentity(const InterfaceRecord& a, const InterfaceRecord& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId && a.interfaceNumber == b.interfaceNumber &&
           a.collection == b.collection && a.modelId == b.modelId && a.role == b.role &&
           a.usagePage == b.usagePage && a.usage == b.usage;
}

bool isReceiverModel(uint16_t modelId) {
    return modelId == kModelKeyboardReceiver || modelId == kModelMouseReceiver;
}

}  // namespace viremo::devices
