#pragma once
// Report descriptors of the emulated products, written out item by item as
// the products' USB interfaces present them.
#include <cstdint>
#include <vector>

namespace viremo::emulator {

// Report ids of the 320F products' interface 1 (one top-level collection each,
// in this order, so the command collection is &col04 and consumer control &col03).
inline constexpr uint8_t kKeyboardReportId = 1;
inline constexpr uint8_t kSystemControlReportId = 2;
inline constexpr uint8_t kConsumerReportId = 3;
// The command collection uses report id 4 (kCommandReportId).

// The headset's interface 3 is a single consumer-control collection that
// carries three reports: its notifications, the command packets, and the
// 17-byte live colour reports the host writes to its lights.
inline constexpr uint8_t kHeadsetConsumerReportId = 1;
inline constexpr uint8_t kHeadsetColourReportId = 0xFF;

// Interface 0 of the keyboards and the mouse pad: a boot keyboard, no report ids.
std::vector<uint8_t> bootKeyboardDescriptor();
// Interface 0 of the mice: a boot mouse, no report ids.
std::vector<uint8_t> bootMouseDescriptor();
// Interface 1 of every 320F product: keyboard, system control, consumer
// control, and the vendor-defined command collection (usage page FF1C,
// usage 92, 64-byte input and output reports with the id byte).
std::vector<uint8_t> commandInterfaceDescriptor();
// Interface 3 of the headset.
std::vector<uint8_t> headsetDescriptor();

}  // namespace viremo::emulator
