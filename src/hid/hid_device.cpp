#include "hid/hid_device.h"

#include <mutex>

#include "platform/log.h"

namespace viremo::hid {

struct HidDevice::State {
    explicit State(Backend& b) : backend(b) {}

    Backend& backend;
    std::vector<std::string> paths;
    size_t cursor = 0;

    bool openForRead = false;
    bool openForWrite = false;
    bool overlapped = false;
    bool exclusive = false;
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
    std::vector<uint8_t> outputReport;
    std::vector<uint8_t> featureReport;
    std::vector<UsageData> inputUsageData;
    uint32_t interfaceNumber = 0;
    uint32_t collectionNumber = 0;

    std::shared_ptr<Connection> current() const {
        std::lock_guard lock(mutex);
        return connection;
    }
};

HidDevice::HidDevice(Backend& backend) : state_(std::make_unique<State>(backend)) {}

HidDevice::~HidDevice() { Close(); }

bool HidDevice::EnumerateInterfaces() {
    state_->paths = state_->backend.enumeratePaths();
    state_->cursor = 0;
    return true;
}

std::optional<std::string> HidDevice::NextInterfacePath() {
    if (state_->cursor >= state_->paths.size()) return std::nullopt;
    return state_->paths[state_->cursor++];
}

void HidDevice::ReleaseInterfaceList() {
    state_->paths.clear();
    state_->cursor = 0;
}

bool HidDevice::Open(const std::string& path, bool read, bool write, bool overlapped, bool exclusive) {
    Close();
    State& s = *state_;
    s.openForRead = read;
    s.openForWrite = write;
    s.overlapped = overlapped;
    s.exclusive = exclusive;
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
    s.outputReport.assign(s.capabilities.outputReportByteLength, 0);
    s.featureReport.assign(s.capabilities.featureReportByteLength, 0);
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
        s.inputUsageData.clear();
    }
    s.inputReport.clear();
    s.outputReport.clear();
    s.featureReport.clear();
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
    const auto connection = state_->current();
    const bool done = connection && buffer &&
                      connection->write(std::span(buffer, length), count, timeoutMs) == IoStatus::Done;
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
