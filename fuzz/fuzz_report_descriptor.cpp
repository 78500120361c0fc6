// Feeds one byte string to the report-descriptor parser as a descriptor,
// and, when it parses, to the input-report unpacker of every collection as
// a report of each of its input ids.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "hid/report_descriptor.h"
#include "hid/usage_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const auto parsed = viremo::hid::parseReportDescriptor(bytes);
    for (const auto& collection : parsed.collections) {
        auto records = viremo::hid::buildInputUsageData(collection);
        for (uint8_t id : collection.inputReportIds) {
            std::vector<uint8_t> report(bytes.begin(), bytes.begin() + std::min<size_t>(size, collection.inputReportByteLength));
            if (report.empty()) report.push_back(id);
            report[0] = id;
            viremo::hid::unpackInputReport(collection, report, records);
        }
    }
    return 0;
}
