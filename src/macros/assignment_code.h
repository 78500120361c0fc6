#pragma once
// What a key or button does: a category and two parameters. Profiles store
// the code as one integer, category x 65536 + first x 256 + second; the
// device key tables hold the same three bytes.
#include <cstdint>

namespace viremo {

namespace category {
inline constexpr uint8_t kMouseButton = 0x10;
inline constexpr uint8_t kMouseMove = 0x11;
inline constexpr uint8_t kWheel = 0x12;
inline constexpr uint8_t kDpi = 0x13;
inline constexpr uint8_t kRapidFire = 0x14;
inline constexpr uint8_t kKeyboard = 0x20;
inline constexpr uint8_t kConsumer = 0x30;
inline constexpr uint8_t kSystem = 0x40;
inline constexpr uint8_t kMacro = 0x70;          // 'p': first = macro number, second = play mode
inline constexpr uint8_t kMacroRepeated = 0x71;  // 'q': first = macro number, second = repeat count
inline constexpr uint8_t kGunKey = 0x72;
inline constexpr uint8_t kDeviceFunction = 0xA0;  // FN, GM
inline constexpr uint8_t kShortcutPage = 0xB0;
inline constexpr uint8_t kDeviceMacroKey = 0xD0;  // M1 to M5
}  // namespace category

struct AssignmentCode {
    uint8_t category = 0;
    uint8_t first = 0;
    uint8_t second = 0;

    friend bool operator==(const AssignmentCode&, const AssignmentCode&) = default;

    int32_t toProfileInteger() const { return category * 65536 + first * 256 + second; }
    // Only the low 24 bits count, as the key table keeps three bytes.
    static AssignmentCode fromProfileInteger(int64_t value) {
        return {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    }

    bool isMacro() const { return category == category::kMacro || category == category::kMacroRepeated; }
};

// The assignment of one key as the panels and profiles hold it: what it does
// now and what it did when it left the factory.
struct KeyAssignmentPair {
    AssignmentCode current;
    AssignmentCode factory;
};

}  // namespace viremo
