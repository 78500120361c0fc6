#pragma once
// Our own HID report-descriptor parser. It turns the descriptor of one USB
// interface into its top-level collections with their report ids, report
// byte lengths and input items. Descriptors come from devices and are not
// trusted: truncated or long items, unbalanced or too deeply nested
// collections, push/pop misuse and absurd sizes give an error, never a crash.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "hid/collection.h"

namespace viremo::hid {

struct ParsedDescriptor {
    std::vector<Collection> collections;
    std::string error;  // empty on success
    bool ok() const { return error.empty(); }
};

ParsedDescriptor parseReportDescriptor(std::span<const uint8_t> descriptor);

// Limits that keep a hostile descriptor from sizing anything absurd.
inline constexpr int kMaxCollectionDepth = 32;
inline constexpr int kMaxPushDepth = 16;
inline constexpr int kMaxTopLevelCollections = 64;
inline constexpr uint32_t kMaxReportBytes = 4096;  // without the id byte
inline constexpr uint32_t kMaxReportSizeBits = 32;
inline constexpr size_t kMaxUsagesPerItem = 1024;

}  // namespace viremo::hid
