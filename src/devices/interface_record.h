#pragma once
// The identity of a device interface everywhere: the eleven 16-bit fields of
// a row of the HID interface table, plus the interface path while connected.
#include <cstdint>
#include <string>

namespace viremo::devices {

// Model ids.
inline constexpr uint16_t kModelWiredKeyboard = 1;
inline constexpr uint16_t kModelWiredMouse = 2;
inline constexpr uint16_t kModelMousePad = 3;
inline constexpr uint16_t kModelMouseReceiver = 6;
inline constexpr uint16_t kModelHeadset = 7;
inline constexpr uint16_t kModelKeyboardReceiver = 9;

// Roles.
inline constexpr uint16_t kRoleCommand = 0;
inline constexpr uint16_t kRoleSecondary = 255;

struct InterfaceRecord {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t interfaceNumber = 0;  // as after "&mi_"; 0 when the path has none
    uint16_t collection = 0;       // as after "&col"; 0 when the path has none
    uint16_t modelId = 0;
    uint16_t role = 0;
    uint16_t connected = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t hasPartner = 0;  // the product also connects by the other path
    uint16_t partner = 0;     // row of the same interface on that path
    std::string path;
};

// Two records stand for the same device interface when their ids, numbers,
// model, role and usages agree; connected, partner and path are not compared.
bool sameIdentity(const InterfaceRecord& a, const InterfaceRecord& b);

bool isReceiverModel(uint16_t modelId);

}  // namespace viremo::devices
