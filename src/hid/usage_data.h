#pragma once
// The input usage data of an open interface: one record per button item and
// one per usage of each value item of the input reports, refilled from each
// report by unpackInputReport. The notification readers take their event
// codes from these records.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "hid/collection.h"

namespace viremo::hid {

struct UsageData {
    uint8_t reportId = 0;
    bool isButton = false;
    bool filled = false;  // by the last unpack
    uint16_t usagePage = 0;
    // Button data: the usages found on within usageMin..usageMax, in report
    // order, zero-terminated when shorter than the list.
    uint16_t usageMin = 0;
    uint16_t usageMax = 0;
    std::vector<uint16_t> usagesOn;
    // Value data.
    uint16_t usage = 0;
    uint32_t rawValue = 0;
    int32_t scaledValue = 0;
};

// The records of a collection, buttons first, then values, each in
// descriptor order; all unfilled.
std::vector<UsageData> buildInputUsageData(const Collection& collection);

// Fills the records whose report id is the first byte of `report` (report-id
// byte first, as HidDevice delivers it). Returns false when no record belongs
// to that report.
bool unpackInputReport(const Collection& collection, std::span<const uint8_t> report,
                       std::vector<UsageData>& records);

}  // namespace viremo::hid
