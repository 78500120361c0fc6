#include "hid/collection.h"

#include <algorithm>

namespace viremo::hid {
namespace {

bool owns(const std::vector<uint8_t>& ids, bool usesReportIds, uint8_t reportId) {
    if (!usesReportIds) return reportId == 0 && !ids.empty();
    return std::find(ids.begin(), ids.end(), reportId) != ids.end();
}

}  // namespace

bool Collection::ownsInputReport(uint8_t reportId) const { return owns(inputReportIds, usesReportIds, reportId); }

bool Collection::ownsOutputReport(uint8_t reportId) const { return owns(outputReportIds, usesReportIds, reportId); }

uint16_t Collection::outputReportLength(uint8_t reportId) const {
    if (!ownsOutputReport(reportId)) return 0;
    const auto id = std::find(outputReportIds.begin(), outputReportIds.end(), usesReportIds ? reportId : 0);
    const auto index = size_t(id - outputReportIds.begin());
    return index < outputReportByteLengths.size() ? outputReportByteLengths[index] : outputReportByteLength;
}

}  // namespace viremo::hid
