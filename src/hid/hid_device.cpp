#include "hid/hid_device.h"

#include <mutex>

#include "hid/report_writer.h"
#include "platform/log.h"

namespace viremo::hid {

struct HidDevice::State {
    explicit State(Backend& b) : backend(b) {}

    Backend& backend;
    std::vector<std::string> paths;
    size_t cursor = 0;

    OpenError lastOpenError = OpenError::None;

    // The connection is shared with a transfer in progress, so that Close on
    // another thread can wake and drop it while the transfer still holds it.
    mutable std::mutex mutex;
    std::shared_ptr<Connection> connection;

    std::string devicePath;
    Collection capabilities;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
    std::vector<uint8_t> inputReport;
    std::vector<UsageData> inputUsageData;
    uint32_t interfaceNumber = 0;
    uint32_t collectionNumber = 0;

    // Last, so that it stops before the rest goes.
    ReportWriter writer;

    std::shared_ptr<Connection> current() const {
        std::lock_guard lock(mutex);
        return connection;
    }
};

HidDevice::HidDevice(Backend& backend) : state_(std::make_unique<State>(backend)) {}

HidDevice::~HidDevice() { Close(); }

bool HidDevice::EnumerateInterfaces() {
    state_->cursor = 0;
    if (state_->backend.enumerate(state_->paths)) return true;
    state_->paths.clear();
    return false;
}

std::optional<std::string> HidDevice::NextInterfacePath() {
    if (state_->cursor >= state_->paths.size()) return std::nullopt;
    return state_->paths[state_->cursor++];
}

void HidDevice::ReleaseInterfaceList() {
    state_->paths.clear();
    state_->cursor = 0;
}

bool HidDevice::Open(const std::string& path, bool read, bool write, bool /*overlapped*/, bool exclusive) {
    Close();
    State& s = *state_;
    s.devicePath = path;
    std::shared_ptr<Connection> connection =
        s.backend.tryOpen(path, OpenFlags{read, write, exclusive}, s.lastOpenError);
    if (!connection) {
        log::linef("HID open failed: %s", path.c_str());
        return false;
    }
    s.capabilities = connection->collection();
    s.vendorId = connection->vendorId();
    s.productId = connection->productId();
    s.versionNumber = connection->versionNumber();
    s.inputReport.assign(s.capabilities.inputReportByteLength, 0);
    s.inputUsageData = buildInputUsageData(s.capabilities);
    s.interfaceNumber = InterfaceNumberFromPath(path);
    s.collectionNumber = CollectionNumberFromPath(path);
    std::lock_guard lock(s.mutex);
    s.connection = std::move(connection);
    return true;
}

void HidDevice::Close() {
    State& s = *state_;
    std::shared_ptr<Connection> closing;
    {
        std::lock_guard lock(s.mutex);
        closing = std::move(s.connection);
        if (closing) closing->cancel();
        s.writer.cancel();
        s.inputUsageData.clear();
    }
    s.inputReport.clear();
}

bool HidDevice::IsOpen() const { return state_->current() != nullptr; }

OpenError HidDevice::LastOpenError() const { return state_->lastOpenError; }

bool HidDevice::Read(uint8_t* buffer, size_t length, size_t* transferred, int timeoutMs) {
    size_t count = 0;
    const auto connection = state_->current();
    const bool done = connection && buffer &&
                      connection->read(std::span(buffer, length), count, timeoutMs) == IoStatus::Done;
    if (transferred) *transferred = done ? count : 0;
    return done;
}

bool HidDevice::Write(const uint8_t* buffer, size_t length, size_t* transferred, int timeoutMs) {
    size_t count = 0;
    std::shared_ptr<Connection> connection;
    uint64_t cancels = 0;
    {
        // Taken together, so that a Close after this point cancels the write.
        std::lock_guard lock(state_->mutex);
        connection = state_->connection;
        cancels = state_->writer.cancelCount();
    }
    const bool done = connection && buffer &&
                      state_->writer.write(std::move(connection), cancels, std::span(buffer, length), count,
                                           timeoutMs) == IoStatus::Done;
    if (transferred) *transferred = done ? count : 0;
    return done;
}

bool HidDevice::UnpackInputReport(const uint8_t* report, size_t length) {
    if (!report) return false;
    std::lock_guard lock(state_->mutex);
    return unpackInputReport(state_->capabilities, std::span(report, length), state_->inputUsageData);
}

uint16_t HidDevice::VendorId() const { return state_->vendorId; }
uint16_t HidDevice::ProductId() const { return state_->productId; }
uint16_t HidDevice::VersionNumber() const { return state_->versionNumber; }
uint16_t HidDevice::UsagePage() const { return state_->capabilities.usagePage; }
uint16_t HidDevice::Usage() const { return state_->capabilities.usage; }
uint16_t HidDevice::InputReportByteLength() const { return state_->capabilities.inputReportByteLength; }
uint16_t HidDevice::OutputReportByteLength() const { return state_->capabilities.outputReportByteLength; }
uint16_t HidDevice::FeatureReportByteLength() const { return state_->capabilities.featureReportByteLength; }
uint32_t HidDevice::InterfaceNumber() const { return state_->interfaceNumber; }
uint32_t HidDevice::CollectionNumber() const { return state_->collectionNumber; }
const std::string& HidDevice::DevicePath() const { return state_->devicePath; }
std::vector<uint8_t>& HidDevice::InputReportBuffer() { return state_->inputReport; }
const std::vector<UsageData>& HidDevice::InputUsageData() const { return state_->inputUsageData; }
const Collection& HidDevice::Capabilities() const { return state_->capabilities; }

}  // namespace viremo::hid
