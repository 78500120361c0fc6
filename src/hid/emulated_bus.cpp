#include "hid/emulated_bus.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

#include "hid/interface_path.h"
#include "hid/report_descriptor.h"
#include "platform/log.h"

namespace viremo::hid {
namespace {

// Input reports wait here for a reader; like the kernel's buffer it holds a
// limited number, the oldest giving way.
constexpr size_t kQueuedReports = 64;

// The host side of one open interface.
struct Pipe {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<uint8_t>> reports;
    bool cancelled = false;
    bool unplugged = false;

    void push(std::vector<uint8_t> report) {
        {
            std::lock_guard lock(mutex);
            if (reports.size() == kQueuedReports) reports.pop_front();
            reports.push_back(std::move(report));
        }
        changed.notify_all();
    }

    void mark(bool Pipe::*flag) {
        {
            std::lock_guard lock(mutex);
            this->*flag = true;
        }
        changed.notify_all();
    }
};

struct MonitorState {
    std::mutex mutex;
    std::condition_variable changed;
    bool pending = false;

    void signal() {
        {
            std::lock_guard lock(mutex);
            pending = true;
        }
        changed.notify_all();
    }
};

struct OpenPipe {
    uint8_t collectionNumber = 0;
    std::weak_ptr<Pipe> pipe;
};

struct PluggedDevice {
    EmulatedUsbInterface usb;
    std::vector<Collection> collections;
    uint64_t generation = 0;  // tells a replug of the same node from the old one
    bool connected = false;   // the firmware has been connected: the host may see it
    std::vector<OpenPipe> pipes;

    std::string pathOf(const Collection& collection) const {
        return collectionPath(usb.node, usb.vendorId, usb.productId, usb.interfaceNumber, collections.size(),
                              collection.number);
    }
};

// Pads or cuts a report to the length its collection declares, as the HID
// stack delivers every report of a collection at that length.
std::vector<uint8_t> fitted(std::span<const uint8_t> report, size_t length) {
    std::vector<uint8_t> copy(report.begin(), report.begin() + std::min(report.size(), length));
    copy.resize(length, 0);
    return copy;
}

}  // namespace

// The bus's one lock guards its lists; it is never held while the firmware
// is called, so firmware may call back into the bus from any of its calls.
struct EmulatedBus::Impl {
    mutable std::mutex mutex;
    std::vector<PluggedDevice> devices;
    std::vector<std::weak_ptr<MonitorState>> monitors;
    uint64_t nextGeneration = 1;

    // A node being plugged is taken but not yet seen by the host.
    PluggedDevice* find(std::string_view node, bool connectedOnly = true) {
        auto it = std::find_if(devices.begin(), devices.end(), [&](const auto& d) {
            return d.usb.node == node && (d.connected || !connectedOnly);
        });
        return it == devices.end() ? nullptr : &*it;
    }

    void signalMonitors() {
        std::erase_if(monitors, [](const auto& weak) { return weak.expired(); });
        for (const auto& weak : monitors)
            if (auto monitor = weak.lock()) monitor->signal();
    }

    // Routes one report from the device to the readers of the collection that
    // owns its report id. Reports of an unplugged device are dropped.
    void deliver(std::string_view node, uint64_t generation, std::span<const uint8_t> report) {
        if (report.empty()) return;
        std::lock_guard lock(mutex);
        PluggedDevice* device = find(node);
        if (!device || (generation != 0 && device->generation != generation)) return;
        for (const auto& collection : device->collections) {
            if (!collection.ownsInputReport(report[0])) continue;
            for (const auto& open : device->pipes)
                if (auto pipe = open.pipe.lock(); pipe && open.collectionNumber == collection.number)
                    pipe->push(fitted(report, collection.inputReportByteLength));
        }
    }

    std::shared_ptr<EmulatedInterface> firmware(std::string_view node, uint64_t generation) {
        std::lock_guard lock(mutex);
        PluggedDevice* device = find(node);
        if (!device || device->generation != generation) return nullptr;
        return device->usb.firmware;
    }
};

namespace {

class EmulatedConnection : public Connection {
public:
    EmulatedConnection(std::weak_ptr<EmulatedBus::Impl> bus, const PluggedDevice& device, Collection collection,
                       const OpenFlags& flags, std::shared_ptr<Pipe> pipe)
        : bus_(std::move(bus)), node_(device.usb.node), generation_(device.generation),
          vendorId_(device.usb.vendorId), productId_(device.usb.productId), version_(device.usb.versionNumber),
          collection_(std::move(collection)), flags_(flags), pipe_(std::move(pipe)) {}

    const Collection& collection() const override { return collection_; }
    uint16_t vendorId() const override { return vendorId_; }
    uint16_t productId() const override { return productId_; }
    uint16_t versionNumber() const override { return version_; }

    IoStatus read(std::span<uint8_t> buffer, size_t& transferred, int timeoutMs) override {
        transferred = 0;
        if (!flags_.read || buffer.size() < collection_.inputReportByteLength) return IoStatus::Failed;
        std::unique_lock lock(pipe_->mutex);
        auto ready = [&] { return pipe_->cancelled || pipe_->unplugged || !pipe_->reports.empty(); };
        if (timeoutMs < 0) pipe_->changed.wait(lock, ready);
        else pipe_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
        if (pipe_->cancelled) return IoStatus::Cancelled;
        if (pipe_->unplugged) return IoStatus::Failed;
        if (pipe_->reports.empty()) return IoStatus::TimedOut;
        const std::vector<uint8_t> report = std::move(pipe_->reports.front());
        pipe_->reports.pop_front();
        std::copy(report.begin(), report.end(), buffer.begin());
        transferred = report.size();
        return IoStatus::Done;
    }

    // The firmware takes the report on this thread, with no lock of the bus
    // held, so it may answer at once through its sender.
    IoStatus write(std::span<const uint8_t> report, size_t& transferred, int) override {
        transferred = 0;
        {
            std::lock_guard lock(pipe_->mutex);
            if (pipe_->cancelled) return IoStatus::Cancelled;
            if (pipe_->unplugged) return IoStatus::Failed;
        }
        const size_t length = report.empty() ? 0 : collection_.outputReportLength(report[0]);
        if (!flags_.write || length == 0 || report.size() < length) return IoStatus::Failed;
        const auto bus = bus_.lock();
        const auto firmware = bus ? bus->firmware(node_, generation_) : nullptr;
        if (!firmware) return IoStatus::Failed;
        firmware->onOutputReport(report.first(length));
        transferred = length;
        return IoStatus::Done;
    }

    void cancel() override { pipe_->mark(&Pipe::cancelled); }

private:
    std::weak_ptr<EmulatedBus::Impl> bus_;
    std::string node_;
    uint64_t generation_;
    uint16_t vendorId_, productId_, version_;
    Collection collection_;
    OpenFlags flags_;
    std::shared_ptr<Pipe> pipe_;
};

class EmulatedMonitor : public ChangeMonitor {
public:
    explicit EmulatedMonitor(std::shared_ptr<MonitorState> state) : state_(std::move(state)) {}

    bool waitForChange(int timeoutMs) override {
        std::unique_lock lock(state_->mutex);
        auto pending = [&] { return state_->pending; };
        if (timeoutMs < 0) state_->changed.wait(lock, pending);
        else state_->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), pending);
        return std::exchange(state_->pending, false);
    }

private:
    std::shared_ptr<MonitorState> state_;
};

}  // namespace

EmulatedBus::EmulatedBus() : impl_(std::make_shared<Impl>()) {}

EmulatedBus::~EmulatedBus() {
    std::vector<std::string> nodes;
    {
        std::lock_guard lock(impl_->mutex);
        for (const auto& device : impl_->devices) nodes.push_back(device.usb.node);
    }
    for (const auto& node : nodes) unplug(node);
}

bool EmulatedBus::plug(EmulatedUsbInterface usb) {
    if (!usb.firmware) return false;
    ParsedDescriptor parsed = parseReportDescriptor(usb.reportDescriptor);
    if (!parsed.ok()) {
        log::linef("emulated bus: descriptor of %s rejected: %s", usb.node.c_str(), parsed.error.c_str());
        return false;
    }
    const std::string node = usb.node;
    const std::shared_ptr<EmulatedInterface> firmware = usb.firmware;
    uint64_t generation = 0;
    {
        std::lock_guard lock(impl_->mutex);
        if (impl_->find(node, false)) return false;
        generation = impl_->nextGeneration++;
        impl_->devices.push_back({std::move(usb), std::move(parsed.collections), generation, false, {}});
    }
    std::weak_ptr<Impl> bus = impl_;
    firmware->connect([bus, node, generation](std::span<const uint8_t> report) {
        if (auto impl = bus.lock()) impl->deliver(node, generation, report);
    });
    std::lock_guard lock(impl_->mutex);
    PluggedDevice* device = impl_->find(node, false);
    if (!device || device->generation != generation) return false;  // unplugged while connecting
    device->connected = true;
    impl_->signalMonitors();
    return true;
}

void EmulatedBus::unplug(const std::string& node) {
    std::shared_ptr<EmulatedInterface> firmware;
    {
        std::lock_guard lock(impl_->mutex);
        auto it = std::find_if(impl_->devices.begin(), impl_->devices.end(),
                               [&](const auto& d) { return d.usb.node == node; });
        if (it == impl_->devices.end()) return;
        for (const auto& open : it->pipes)
            if (auto pipe = open.pipe.lock()) pipe->mark(&Pipe::unplugged);
        firmware = std::move(it->usb.firmware);
        impl_->devices.erase(it);
        impl_->signalMonitors();
    }
    firmware->disconnect();
}

bool EmulatedBus::isPlugged(const std::string& node) const {
    std::lock_guard lock(impl_->mutex);
    return impl_->find(node) != nullptr;
}

void EmulatedBus::sendInputReport(const std::string& node, std::span<const uint8_t> report) {
    impl_->deliver(node, 0, report);
}

bool EmulatedBus::enumerate(std::vector<std::string>& paths) {
    std::lock_guard lock(impl_->mutex);
    paths.clear();
    for (const auto& device : impl_->devices)
        if (device.connected)
            for (const auto& collection : device.collections) paths.push_back(device.pathOf(collection));
    return true;
}

std::unique_ptr<Connection> EmulatedBus::open(const std::string& path, const OpenFlags& flags) {
    OpenError error;
    return tryOpen(path, flags, error);
}

std::unique_ptr<Connection> EmulatedBus::tryOpen(const std::string& path, const OpenFlags& flags, OpenError& error) {
    std::lock_guard lock(impl_->mutex);
    error = OpenError::NotFound;
    PluggedDevice* device = impl_->find(nodeOfPath(path));
    if (!device) return nullptr;
    for (const auto& collection : device->collections) {
        if (device->pathOf(collection) != path) continue;
        auto pipe = std::make_shared<Pipe>();
        std::erase_if(device->pipes, [](const auto& open) { return open.pipe.expired(); });
        if (flags.read) device->pipes.push_back({collection.number, pipe});
        error = OpenError::None;
        return std::make_unique<EmulatedConnection>(impl_, *device, collection, flags, std::move(pipe));
    }
    return nullptr;
}

std::unique_ptr<ChangeMonitor> EmulatedBus::monitorChanges() {
    auto state = std::make_shared<MonitorState>();
    std::lock_guard lock(impl_->mutex);
    impl_->monitors.push_back(state);
    return std::make_unique<EmulatedMonitor>(std::move(state));
}

}  // namespace viremo::hid
