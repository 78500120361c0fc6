#pragma once
// A top-level collection of a HID report descriptor, as the host sees it: one
// interface of the program. Report lengths count the report-id byte, as the
// Windows capabilities do, also when the descriptor uses no report ids (the
// id byte is then 0).
#include <cstdint>
#include <vector>

namespace viremo::hid {

// One usage, page and id.
struct Usage {
    uint16_t page = 0;
    uint16_t id = 0;
    bool operator==(const Usage&) const = default;
};

// One Input main item that carries data (constant padding is left out).
struct InputItem {
    uint8_t reportId = 0;     // 0 when the descriptor uses no report ids
    uint32_t bitOffset = 0;   // of the first field, counted after the id byte
    uint16_t reportSize = 0;  // bits per field
    uint16_t reportCount = 0; // fields
    bool isArray = false;     // fields hold selectors into the usages
    bool isRange = false;     // usages are usageMin..usageMax of usagePage
    uint16_t usagePage = 0;
    uint16_t usageMin = 0;
    uint16_t usageMax = 0;
    std::vector<Usage> usages;  // when not a range
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;

    // Windows counts an array, or a variable of one-bit fields, as buttons.
    bool isButton() const { return isArray || reportSize == 1; }
};

struct Collection {
    uint8_t number = 1;  // 1-based, in descriptor order within the interface
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    bool usesReportIds = false;  // the descriptor as a whole
    std::vector<uint8_t> inputReportIds;
    std::vector<uint8_t> outputReportIds;
    std::vector<uint8_t> featureReportIds;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    std::vector<uint16_t> outputReportByteLengths;  // of each of outputReportIds, with the id byte
    std::vector<InputItem> inputItems;

    bool ownsInputReport(uint8_t reportId) const;
    bool ownsOutputReport(uint8_t reportId) const;
    // The length of one output report as its descriptor defines it (a
    // collection's reports may be shorter than its longest); 0 when the
    // collection does not own the report.
    uint16_t outputReportLength(uint8_t reportId) const;
};

}  // namespace viremo::hid
