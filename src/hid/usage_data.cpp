#include "hid/usage_data.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace viremo::hid {
namespace {

constexpr size_t kMaxUsagesOn = 256;

// Fields of a value item that get a record: one per usage, at most one per
// field. An item without usages still gets one record, for usage 0.
size_t valueRecordCount(const InputItem& item) {
    const size_t usages = item.isRange ? size_t(item.usageMax - item.usageMin) + 1 : item.usages.size();
    return std::max<size_t>(1, std::min<size_t>(usages, item.reportCount));
}

uint16_t valueUsage(const InputItem& item, size_t field) {
    if (item.isRange) return static_cast<uint16_t>(item.usageMin + field);
    return item.usages.empty() ? 0 : item.usages[field].id;
}

// Both building and unpacking walk the records in this one order: button
// items first, then every value record, each in descriptor order. `field` is
// empty for a button record.
void forEachRecord(const Collection& collection,
                   const std::function<void(const InputItem&, std::optional<size_t> field)>& visit) {
    for (const auto& item : collection.inputItems)
        if (item.isButton()) visit(item, std::nullopt);
    for (const auto& item : collection.inputItems)
        if (!item.isButton())
            for (size_t field = 0; field < valueRecordCount(item); ++field) visit(item, field);
}

// Bits of one field, little-endian as HID packs them; fields beyond the end
// of a short report read as absent.
std::optional<uint32_t> fieldBits(std::span<const uint8_t> data, const InputItem& item, size_t field) {
    const uint64_t first = item.bitOffset + uint64_t(field) * item.reportSize;
    if (first + item.reportSize > uint64_t(data.size()) * 8) return std::nullopt;
    uint32_t value = 0;
    for (uint32_t bit = 0; bit < item.reportSize; ++bit) {
        const uint64_t at = first + bit;
        if (data[at / 8] & (1u << (at % 8))) value |= 1u << bit;
    }
    return value;
}

// The field as a number: sign-extended when the logical minimum is negative.
int64_t logicalValue(const InputItem& item, uint32_t bits) {
    if (item.logicalMin >= 0 || item.reportSize == 0) return bits;
    if (item.reportSize >= 32) return static_cast<int32_t>(bits);
    const uint32_t signBit = 1u << (item.reportSize - 1);
    return (bits & signBit) ? int64_t(bits) - (int64_t(1) << item.reportSize) : int64_t(bits);
}

// The usages of one button item that the report turns on, in field order.
void collectButtonsOn(const InputItem& item, std::span<const uint8_t> data, uint16_t page,
                      std::vector<uint16_t>& on) {
    const size_t usageCount = item.isRange ? size_t(item.usageMax - item.usageMin) + 1 : item.usages.size();
    auto usageAt = [&](size_t index) -> std::optional<uint16_t> {
        if (item.isRange) return static_cast<uint16_t>(item.usageMin + index);
        const Usage& usage = item.usages[std::min(index, item.usages.size() - 1)];
        if (usage.page != page) return std::nullopt;
        return usage.id;
    };
    if (usageCount == 0 || (item.isRange && item.usagePage != page)) return;
    for (size_t field = 0; field < item.reportCount; ++field) {
        const auto bits = fieldBits(data, item, field);
        if (!bits) break;
        std::optional<uint16_t> usage;
        if (item.isArray) {
            const int64_t index = logicalValue(item, *bits) - item.logicalMin;
            if (index >= 0 && size_t(index) < usageCount) usage = usageAt(size_t(index));
        } else if (*bits && (!item.isRange || field < usageCount)) {
            usage = usageAt(field);  // extra fields of a list repeat its last usage
        }
        if (usage && *usage != 0) on.push_back(*usage);
    }
}

std::vector<uint16_t> buttonsOn(const Collection& collection, uint8_t reportId, uint16_t page,
                                std::span<const uint8_t> data) {
    std::vector<uint16_t> on;
    for (const auto& item : collection.inputItems)
        if (item.isButton() && item.reportId == reportId) collectButtonsOn(item, data, page, on);
    return on;
}

void fillButtons(UsageData& record, const std::vector<uint16_t>& on) {
    std::fill(record.usagesOn.begin(), record.usagesOn.end(), 0);
    size_t count = 0;
    for (uint16_t usage : on) {
        if (count == record.usagesOn.size()) break;
        if (usage >= record.usageMin && usage <= record.usageMax) record.usagesOn[count++] = usage;
    }
}

std::optional<int32_t> scaled(const InputItem& item, uint32_t raw) {
    if (item.logicalMin >= item.logicalMax) return std::nullopt;
    const int64_t logical = logicalValue(item, raw);
    if (logical < item.logicalMin || logical > item.logicalMax) return std::nullopt;
    if (item.physicalMin == 0 && item.physicalMax == 0) return static_cast<int32_t>(logical);
    const int64_t span = int64_t(item.physicalMax) - item.physicalMin;
    return static_cast<int32_t>(item.physicalMin + (logical - item.logicalMin) * span /
                                                       (int64_t(item.logicalMax) - item.logicalMin));
}

void fillValue(UsageData& record, const InputItem& item, size_t field, std::span<const uint8_t> data) {
    record.rawValue = 0;
    record.scaledValue = 0;
    if (const auto raw = fieldBits(data, item, field)) {
        record.rawValue = *raw;
        record.scaledValue = scaled(item, *raw).value_or(0);
    }
}

UsageData makeRecord(const InputItem& item, std::optional<size_t> field) {
    UsageData record;
    record.reportId = item.reportId;
    record.usagePage = item.usagePage;
    record.isButton = !field.has_value();
    if (field) {
        record.usage = valueUsage(item, *field);
        return record;
    }
    if (item.isRange) {
        record.usageMin = item.usageMin;
        record.usageMax = item.usageMax;
    } else if (!item.usages.empty()) {
        auto [min, max] = std::minmax_element(item.usages.begin(), item.usages.end(),
                                              [](const Usage& a, const Usage& b) { return a.id < b.id; });
        record.usageMin = min->id;
        record.usageMax = max->id;
    }
    record.usagesOn.assign(std::min<size_t>(item.reportCount, kMaxUsagesOn), 0);
    return record;
}

}  // namespace

std::vector<UsageData> buildInputUsageData(const Collection& collection) {
    std::vector<UsageData> records;
    forEachRecord(collection, [&](const InputItem& item, std::optional<size_t> field) {
        records.push_back(makeRecord(item, field));
    });
    return records;
}

bool unpackInputReport(const Collection& collection, std::span<const uint8_t> report,
                       std::vector<UsageData>& records) {
    if (report.empty()) return false;
    const uint8_t reportId = report[0];
    const auto data = report.subspan(1);
    bool any = false;
    size_t index = 0;
    forEachRecord(collection, [&](const InputItem& item, std::optional<size_t> field) {
        if (index >= records.size()) return;
        UsageData& record = records[index++];
        if (item.reportId != reportId) return;
        if (field) fillValue(record, item, *field, data);
        else fillButtons(record, buttonsOn(collection, reportId, record.usagePage, data));
        record.filled = true;
        any = true;
    });
    return any;
}

}  // namespace viremo::hid
