#include "hid/report_descriptor.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace viremo::hid {
namespace {

enum ItemType : uint8_t { Main = 0, Global = 1, Local = 2 };
enum MainTag : uint8_t { Input = 0x8, Output = 0x9, StartCollection = 0xA, Feature = 0xB, EndCollection = 0xC };
enum GlobalTag : uint8_t {
    UsagePage = 0x0, LogicalMin = 0x1, LogicalMax = 0x2, PhysicalMin = 0x3, PhysicalMax = 0x4,
    ReportSize = 0x7, ReportId = 0x8, ReportCount = 0x9, Push = 0xA, Pop = 0xB,
};
enum LocalTag : uint8_t { UsageTag = 0x0, UsageMin = 0x1, UsageMax = 0x2 };
enum ReportKind : uint8_t { InputReport, OutputReport, FeatureReport };

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint32_t kConstantFlag = 0x01;
constexpr uint32_t kVariableFlag = 0x02;

struct ShortItem {
    uint8_t type = 0;
    uint8_t tag = 0;
    uint8_t size = 0;   // data bytes: 0, 1, 2 or 4
    uint32_t data = 0;  // little-endian, zero-extended

    int32_t signedData() const {
        if (size == 1) return static_cast<int8_t>(data);
        if (size == 2) return static_cast<int16_t>(data);
        return static_cast<int32_t>(data);
    }
};

// A usage as written in a local item: with its own page when it came as a
// 32-bit extended usage, else it takes the usage page current at the main item.
struct LocalUsage {
    uint32_t value = 0;
    bool extended = false;

    Usage resolve(uint16_t currentPage) const {
        if (extended) return {static_cast<uint16_t>(value >> 16), static_cast<uint16_t>(value & 0xFFFF)};
        return {currentPage, static_cast<uint16_t>(value)};
    }
};

// A logical or physical extent. The maximum is read as unsigned when the
// minimum is not negative, so that "maximum 255" in one byte means 255.
struct Extent {
    int32_t min = 0;
    int32_t maxSigned = 0;
    uint32_t maxUnsigned = 0;
    int32_t max() const { return min < 0 ? maxSigned : static_cast<int32_t>(std::min<uint32_t>(maxUnsigned, INT32_MAX)); }
};

struct GlobalState {
    uint16_t usagePage = 0;
    Extent logical;
    Extent physical;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct LocalState {
    std::vector<LocalUsage> usages;
    std::optional<LocalUsage> usageMin;
    std::optional<LocalUsage> usageMax;
};

struct ReportSlot {
    uint32_t bits = 0;
    size_t collection = 0;
};

class Parser {
public:
    explicit Parser(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    ParsedDescriptor run() {
        while (ok() && position_ < bytes_.size()) {
            if (bytes_[position_] == kLongItemPrefix) skipLongItem();
            else if (auto item = readShortItem()) handle(*item);
        }
        if (ok()) finish();
        ParsedDescriptor result;
        result.error = error_;
        if (ok()) result.collections = std::move(collections_);
        return result;
    }

private:
    bool ok() const { return error_.empty(); }
    void fail(const char* reason) {
        if (ok()) error_ = std::string(reason) + " at byte " + std::to_string(position_);
    }

    std::optional<ShortItem> readShortItem() {
        const uint8_t prefix = bytes_[position_];
        ShortItem item;
        item.type = (prefix >> 2) & 0x3;
        item.tag = prefix >> 4;
        item.size = (prefix & 0x3) == 3 ? 4 : prefix & 0x3;
        if (bytes_.size() - position_ - 1 < item.size) {
            fail("truncated item");
            return std::nullopt;
        }
        for (uint8_t i = 0; i < item.size; ++i) item.data |= uint32_t(bytes_[position_ + 1 + i]) << (8 * i);
        position_ += 1 + item.size;
        return item;
    }

    // Long items carry nothing the HID class defines; they are stepped over.
    void skipLongItem() {
        if (bytes_.size() - position_ < 3) return fail("truncated long item");
        const size_t dataSize = bytes_[position_ + 1];
        if (bytes_.size() - position_ - 3 < dataSize) return fail("truncated long item");
        position_ += 3 + dataSize;
    }

    void handle(const ShortItem& item) {
        switch (item.type) {
            case Main: return handleMain(item);
            case Global: return handleGlobal(item);
            case Local: return handleLocal(item);
            default: return;  // reserved item type: nothing to do
        }
    }

    void handleGlobal(const ShortItem& item) {
        switch (item.tag) {
            case UsagePage:
                if (item.data > 0xFFFF) return fail("usage page out of range");
                globals_.usagePage = static_cast<uint16_t>(item.data);
                return;
            case LogicalMin: globals_.logical.min = item.signedData(); return;
            case LogicalMax: setMaximum(globals_.logical, item); return;
            case PhysicalMin: globals_.physical.min = item.signedData(); return;
            case PhysicalMax: setMaximum(globals_.physical, item); return;
            case ReportSize:
                if (item.data > kMaxReportSizeBits) return fail("report size too large");
                globals_.reportSize = item.data;
                return;
            case ReportCount:
                if (item.data > kMaxReportBytes * 8) return fail("report count too large");
                globals_.reportCount = item.data;
                return;
            case ReportId:
                if (item.data == 0 || item.data > 0xFF) return fail("invalid report id");
                globals_.reportId = static_cast<uint8_t>(item.data);
                usesReportIds_ = true;
                return;
            case Push:
                if (globalStack_.size() >= size_t(kMaxPushDepth)) return fail("push nested too deeply");
                globalStack_.push_back(globals_);
                return;
            case Pop:
                if (globalStack_.empty()) return fail("pop without push");
                globals_ = globalStack_.back();
                globalStack_.pop_back();
                return;
            default: return;  // units and exponents do not concern the host
        }
    }

    static void setMaximum(Extent& extent, const ShortItem& item) {
        extent.maxSigned = item.signedData();
        extent.maxUnsigned = item.data;
    }

    void handleLocal(const ShortItem& item) {
        const LocalUsage usage{item.data, item.size == 4};
        switch (item.tag) {
            case UsageTag:
                if (locals_.usages.size() >= kMaxUsagesPerItem) return fail("too many usages");
                locals_.usages.push_back(usage);
                return;
            case UsageMin: locals_.usageMin = usage; return;
            case UsageMax: locals_.usageMax = usage; return;
            default: return;  // designators, strings and delimiters are not used
        }
    }

    void handleMain(const ShortItem& item) {
        switch (item.tag) {
            case Input: addReportItem(InputReport, item.data); break;
            case Output: addReportItem(OutputReport, item.data); break;
            case Feature: addReportItem(FeatureReport, item.data); break;
            case StartCollection: startCollection(); break;
            case EndCollection: endCollection(); break;
            default: break;
        }
        locals_ = {};
    }

    void startCollection() {
        if (depth_ == 0) {
            if (collections_.size() >= size_t(kMaxTopLevelCollections)) return fail("too many collections");
            Collection collection;
            collection.number = static_cast<uint8_t>(collections_.size() + 1);
            const Usage usage = locals_.usages.empty() ? Usage{globals_.usagePage, 0}
                                                       : locals_.usages.front().resolve(globals_.usagePage);
            collection.usagePage = usage.page;
            collection.usage = usage.id;
            collections_.push_back(std::move(collection));
        }
        if (++depth_ > kMaxCollectionDepth) fail("collections nested too deeply");
    }

    void endCollection() {
        if (depth_ == 0) return fail("end of a collection that was not started");
        --depth_;
    }

    void addReportItem(ReportKind kind, uint32_t flags) {
        if (depth_ == 0) return fail("report item outside a collection");
        if (globals_.reportId == 0) itemWithoutId_ = true;
        const uint32_t bits = globals_.reportSize * globals_.reportCount;
        auto [slot, created] = reports_.try_emplace({kind, globals_.reportId}, ReportSlot{0, collections_.size() - 1});
        if (slot->second.collection != collections_.size() - 1) return fail("report id shared by two collections");
        if (created) idsOf(collections_.back(), kind).push_back(globals_.reportId);
        const uint32_t offset = slot->second.bits;
        if (bits > kMaxReportBytes * 8 - offset) return fail("report too long");
        slot->second.bits = offset + bits;
        if (kind == InputReport && !(flags & kConstantFlag) && bits > 0)
            addInputItem(offset, (flags & kVariableFlag) == 0);
    }

    void addInputItem(uint32_t offset, bool isArray) {
        InputItem input;
        input.reportId = globals_.reportId;
        input.bitOffset = offset;
        input.reportSize = static_cast<uint16_t>(globals_.reportSize);
        input.reportCount = static_cast<uint16_t>(globals_.reportCount);
        input.isArray = isArray;
        input.logicalMin = globals_.logical.min;
        input.logicalMax = globals_.logical.max();
        input.physicalMin = globals_.physical.min;
        input.physicalMax = globals_.physical.max();
        input.usagePage = globals_.usagePage;
        if (locals_.usageMin && locals_.usageMax) {
            const Usage min = locals_.usageMin->resolve(globals_.usagePage);
            const Usage max = locals_.usageMax->resolve(globals_.usagePage);
            if (min.page != max.page || min.id > max.id) return fail("invalid usage range");
            input.isRange = true;
            input.usagePage = min.page;
            input.usageMin = min.id;
            input.usageMax = max.id;
        } else {
            for (const auto& usage : locals_.usages) input.usages.push_back(usage.resolve(globals_.usagePage));
            if (!input.usages.empty()) input.usagePage = input.usages.front().page;
        }
        collections_.back().inputItems.push_back(std::move(input));
    }

    static std::vector<uint8_t>& idsOf(Collection& collection, ReportKind kind) {
        if (kind == InputReport) return collection.inputReportIds;
        if (kind == OutputReport) return collection.outputReportIds;
        return collection.featureReportIds;
    }

    static uint16_t& lengthOf(Collection& collection, ReportKind kind) {
        if (kind == InputReport) return collection.inputReportByteLength;
        if (kind == OutputReport) return collection.outputReportByteLength;
        return collection.featureReportByteLength;
    }

    void finish() {
        if (depth_ != 0) return fail("collection not ended");
        if (collections_.empty()) return fail("no collection");
        if (usesReportIds_ && itemWithoutId_) return fail("report without id among reports with ids");
        for (auto& collection : collections_)
            collection.outputReportByteLengths.resize(collection.outputReportIds.size());
        for (const auto& [key, slot] : reports_) {
            Collection& collection = collections_[slot.collection];
            const auto bytes = static_cast<uint16_t>((slot.bits + 7) / 8 + 1);
            uint16_t& length = lengthOf(collection, key.first);
            length = std::max(length, bytes);
            if (key.first == OutputReport) {
                const auto& ids = collection.outputReportIds;
                const auto index = size_t(std::find(ids.begin(), ids.end(), key.second) - ids.begin());
                collection.outputReportByteLengths[index] = bytes;
            }
        }
        for (auto& collection : collections_) collection.usesReportIds = usesReportIds_;
    }

    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
    GlobalState globals_;
    std::vector<GlobalState> globalStack_;
    LocalState locals_;
    int depth_ = 0;
    bool usesReportIds_ = false;
    bool itemWithoutId_ = false;
    std::vector<Collection> collections_;
    std::map<std::pair<ReportKind, uint8_t>, ReportSlot> reports_;
    std::string error_;
};

}  // namespace

ParsedDescriptor parseReportDescriptor(std::span<const uint8_t> descriptor) { return Parser(descriptor).run(); }

}  // namespace viremo::hid
