#include "emulator/uhid_adapter.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "emulator/uhid_events.h"
#include "hid/report_descriptor.h"
#include "platform/log.h"

namespace viremo::emulator {
namespace {

bool writeEvent(int fd, const std::vector<uint8_t>& event) {
    if (event.empty()) return false;
    ssize_t written;
    do {
        written = ::write(fd, event.data(), event.size());
    } while (written < 0 && errno == EINTR);
    return written == ssize_t(event.size());
}

std::string errorText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

struct UhidAdapter::Device {
    hid::EmulatedUsbInterface usb;
    bool usesReportIds = false;
    std::mutex dispatch;  // held while events from the kernel are handled
    std::mutex io;        // guards fd
    int fd = -1;          // -1 once unplugged, never reused

    // False when the device is gone or the kernel refuses the event.
    bool write(const std::vector<uint8_t>& event) {
        std::lock_guard lock(io);
        return fd >= 0 && writeEvent(fd, event);
    }
};

UhidAdapter::UhidAdapter() : wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (wake_ < 0) log::line(errorText("uhid: eventfd"));
    server_ = std::jthread([this](std::stop_token stop) { serve(stop); });
}

UhidAdapter::~UhidAdapter() {
    server_.request_stop();
    server_.join();
    std::vector<std::string> nodes;
    {
        std::lock_guard lock(mutex_);
        for (const auto& entry : devices_) nodes.push_back(entry.first);
    }
    for (const auto& node : nodes) unplug(node);
    if (wake_ >= 0) ::close(wake_);
}

bool UhidAdapter::plug(hid::EmulatedUsbInterface usbInterface, std::string* why) {
    const std::string node = usbInterface.node;
    auto refuse = [&](const std::string& reason) {
        log::linef("uhid: %s not plugged: %s", node.c_str(), reason.c_str());
        if (why) *why = reason;
        return false;
    };
    if (!usbInterface.firmware) return refuse("no firmware");
    if (usbInterface.reportDescriptor.size() > uhid::kDataMax) return refuse("report descriptor too long");
    const auto layout = hid::parseReportDescriptor(usbInterface.reportDescriptor);
    if (!layout.ok()) return refuse("report descriptor: " + layout.error);
    if (layout.collections.empty()) return refuse("report descriptor: no collection");

    std::lock_guard lock(mutex_);
    if (devices_.count(node)) return refuse("node already plugged");
    const int fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return refuse(errorText("/dev/uhid"));

    uhid::DeviceDescription description;
    description.name = "viremo " + node;
    description.phys = "viremo-uhid-" + std::to_string(++plugged_) + "/input" +
                       std::to_string(usbInterface.interfaceNumber);
    description.vendorId = usbInterface.vendorId;
    description.productId = usbInterface.productId;
    description.version = usbInterface.versionNumber;
    description.reportDescriptor = usbInterface.reportDescriptor;
    if (!writeEvent(fd, uhid::create2Event(description))) {
        const std::string reason = errorText("the kernel refused the device");
        ::close(fd);
        return refuse(reason);
    }

    auto device = std::make_shared<Device>();
    device->usb = std::move(usbInterface);
    device->usesReportIds = layout.collections.front().usesReportIds;
    device->fd = fd;
    device->usb.firmware->connect(inputReportSender(device));
    devices_.emplace(node, device);
    log::linef("uhid: %s plugged as %04x:%04x, %s", node.c_str(), description.vendorId, description.productId,
               description.phys.c_str());
    wakeServer();
    return true;
}

void UhidAdapter::unplug(const std::string& node) {
    std::shared_ptr<Device> device;
    {
        std::lock_guard lock(mutex_);
        const auto found = devices_.find(node);
        if (found == devices_.end()) return;
        device = found->second;
        devices_.erase(found);
    }
    {
        std::lock_guard handling(device->dispatch);
        std::lock_guard lock(device->io);
        writeEvent(device->fd, uhid::destroyEvent());
        ::close(device->fd);
        device->fd = -1;
    }
    device->usb.firmware->disconnect();
    log::linef("uhid: %s unplugged", node.c_str());
    wakeServer();
}

bool UhidAdapter::isPlugged(const std::string& node) const {
    std::lock_guard lock(mutex_);
    return devices_.count(node) != 0;
}

void UhidAdapter::wakeServer() {
    const uint64_t one = 1;
    if (wake_ >= 0 && ::write(wake_, &one, sizeof one) < 0 && errno != EAGAIN)
        log::line(errorText("uhid: waking the server"));
}

// Waits for events of every plugged device, and for the eventfd that says the
// set of devices changed or the adapter stops.
void UhidAdapter::serve(std::stop_token stop) {
    std::stop_callback wakeOnStop(stop, [this] { wakeServer(); });
    while (!stop.stop_requested()) {
        std::vector<std::shared_ptr<Device>> watched;
        std::vector<pollfd> fds{{wake_, POLLIN, 0}};
        {
            std::lock_guard lock(mutex_);
            for (const auto& entry : devices_) {
                std::lock_guard io(entry.second->io);
                if (entry.second->fd < 0) continue;
                watched.push_back(entry.second);
                fds.push_back({entry.second->fd, POLLIN, 0});
            }
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            log::line(errorText("uhid: poll"));
            return;
        }
        if (fds[0].revents & POLLIN) {
            uint64_t count;
            if (::read(wake_, &count, sizeof count) < 0 && errno != EAGAIN) log::line(errorText("uhid: eventfd"));
        }
        for (size_t i = 0; i < watched.size(); ++i)
            if (fds[i + 1].revents & POLLIN) handleEvent(*watched[i]);
    }
}

// Reads and answers every event the kernel has queued for the device.
void UhidAdapter::handleEvent(Device& device) {
    std::lock_guard handling(device.dispatch);
    std::vector<uint8_t> bytes(uhid::kEventSize);
    for (;;) {
        ssize_t length;
        {
            std::lock_guard lock(device.io);
            if (device.fd < 0) return;
            length = ::read(device.fd, bytes.data(), bytes.size());
        }
        if (length <= 0) return;
        const auto event = uhid::parseKernelEvent(std::span(bytes).first(size_t(length)));
        if (!event) continue;
        switch (event->type) {
        case uhid::EventType::Output:
            if (event->reportType == uhid::ReportType::Output) device.usb.firmware->onOutputReport(event->data);
            break;
        case uhid::EventType::GetReport:
            device.write(uhid::getReportReplyEvent(event->requestId, uhid::kErrorIo));
            break;
        case uhid::EventType::SetReport:
            device.write(uhid::setReportReplyEvent(event->requestId, uhid::kErrorIo));
            break;
        default:
            break;
        }
    }
}

hid::InputReportSender UhidAdapter::inputReportSender(const std::weak_ptr<Device>& weakDevice) {
    return [weakDevice](std::span<const uint8_t> report) {
        const auto device = weakDevice.lock();
        if (!device || report.empty()) return;
        // Without report ids the device sends no id byte; the firmware's is 0.
        if (!device->usesReportIds) {
            if (report.front() != 0) return;
            report = report.subspan(1);
        }
        if (!device->write(uhid::input2Event(report)))
            log::linef("uhid: input report of %s not delivered", device->usb.node.c_str());
    };
}

}  // namespace viremo::emulator
