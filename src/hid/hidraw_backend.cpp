#include "hid/hidraw_backend.h"

#include <fcntl.h>
#include <libudev.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "hid/hidraw_connection.h"
#include "hid/interface_path.h"
#include "hid/report_descriptor.h"
#include "hid/sysfs_hid.h"
#include "platform/log.h"

namespace viremo::hid {
namespace {

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_monitor* m) const { udev_monitor_unref(m); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

std::filesystem::path syspathOfParent(udev_device* device, const char* subsystem, const char* devtype) {
    udev_device* parent = udev_device_get_parent_with_subsystem_devtype(device, subsystem, devtype);
    const char* syspath = parent ? udev_device_get_syspath(parent) : nullptr;
    return syspath ? std::filesystem::path(syspath) : std::filesystem::path();
}

std::optional<HidrawNode> nodeOfDevice(udev_device* device) {
    const char* devnode = udev_device_get_devnode(device);
    const auto hid = syspathOfParent(device, "hid", nullptr);
    if (!devnode || hid.empty()) return std::nullopt;
    const SysfsFolders folders{hid, syspathOfParent(device, "usb", "usb_interface"),
                               syspathOfParent(device, "usb", "usb_device")};
    std::string error;
    auto node = readHidrawNode(devnode, folders, error);
    if (!node) log::linef("hidraw: %s skipped: %s", devnode, error.c_str());
    return node;
}

// A node with its collections, or nothing when its descriptor does not parse.
struct DescribedNode {
    HidrawNode node;
    std::vector<Collection> collections;

    std::string pathOf(const Collection& collection) const {
        return collectionPath(node.devnode, node.vendorId, node.productId, node.interfaceNumber, collections.size(),
                              collection.number);
    }
};

std::optional<DescribedNode> describe(std::optional<HidrawNode> node) {
    if (!node) return std::nullopt;
    ParsedDescriptor parsed = parseReportDescriptor(node->reportDescriptor);
    if (!parsed.ok()) {
        log::linef("hidraw: %s skipped: report descriptor: %s", node->devnode.c_str(), parsed.error.c_str());
        return std::nullopt;
    }
    return DescribedNode{std::move(*node), std::move(parsed.collections)};
}

std::optional<DescribedNode> describeDevnode(const std::string& devnode) {
    UdevPtr<udev> context(udev_new());
    if (!context) return std::nullopt;
    const std::string sysname = std::filesystem::path(devnode).filename().string();
    UdevPtr<udev_device> device(udev_device_new_from_subsystem_sysname(context.get(), "hidraw", sysname.c_str()));
    if (!device) return std::nullopt;
    return describe(nodeOfDevice(device.get()));
}

OpenError openErrorOf(int error) {
    if (error == EACCES || error == EPERM) return OpenError::AccessDenied;
    if (error == ENOENT || error == ENODEV || error == ENXIO) return OpenError::NotFound;
    return OpenError::Failed;
}

class UdevMonitor : public ChangeMonitor {
public:
    UdevMonitor() : context_(udev_new()) {
        if (!context_) return;
        monitor_.reset(udev_monitor_new_from_netlink(context_.get(), eventSource()));
        if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "hidraw", nullptr) < 0 ||
            udev_monitor_enable_receiving(monitor_.get()) < 0)
            monitor_.reset();
        if (!monitor_) log::line("hidraw: no udev monitor; changes are looked for at every wait");
    }

    // Without a monitor every wait ends in a change, so that the caller
    // enumerates again at its own pace.
    bool waitForChange(int timeoutMs) override {
        if (!monitor_) {
            if (timeoutMs > 0) ::usleep(useconds_t(timeoutMs) * 1000);
            return true;
        }
        pollfd fd{udev_monitor_get_fd(monitor_.get()), POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0) return false;
        while (UdevPtr<udev_device> device{udev_monitor_receive_device(monitor_.get())}) {
        }
        return true;
    }

private:
    // udevd passes each device on once it has set it up (access rights
    // included). Where no udevd runs (a container, a bare initramfs), nothing
    // comes from that source, and the kernel's own events are taken instead.
    static const char* eventSource() { return ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel"; }

    UdevPtr<udev> context_;
    UdevPtr<udev_monitor> monitor_;
};

int accessMode(const OpenFlags& flags) {
    if (flags.read && flags.write) return O_RDWR;
    if (flags.write) return O_WRONLY;
    if (flags.read) return O_RDONLY;
    return O_PATH;  // a query: presence only, no access rights needed
}

}  // namespace

// A node that vanishes during the walk, or whose details cannot be read, is
// left out; failing to walk the nodes at all fails the enumeration.
bool HidrawBackend::enumerate(std::vector<std::string>& paths) {
    paths.clear();
    UdevPtr<udev> context(udev_new());
    UdevPtr<udev_enumerate> enumeration(context ? udev_enumerate_new(context.get()) : nullptr);
    if (!enumeration || udev_enumerate_add_match_subsystem(enumeration.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumeration.get()) < 0) {
        log::line("hidraw: cannot enumerate the hidraw nodes through udev");
        return false;
    }
    udev_list_entry* entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration.get())) {
        UdevPtr<udev_device> device(udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device) continue;
        if (const auto described = describe(nodeOfDevice(device.get())))
            for (const auto& collection : described->collections) paths.push_back(described->pathOf(collection));
    }
    return true;
}

std::unique_ptr<Connection> HidrawBackend::open(const std::string& path, const OpenFlags& flags) {
    OpenError error;
    return tryOpen(path, flags, error);
}

std::unique_ptr<Connection> HidrawBackend::tryOpen(const std::string& path, const OpenFlags& flags,
                                                   OpenError& error) {
    error = OpenError::NotFound;
    const std::string devnode(nodeOfPath(path));
    const auto described = describeDevnode(devnode);
    if (!described) return nullptr;
    // The path must still name this node's device: a node number can be
    // given to another device after an unplug.
    const Collection* collection = nullptr;
    for (const auto& candidate : described->collections)
        if (described->pathOf(candidate) == path) collection = &candidate;
    if (!collection) return nullptr;
    const int fd = ::open(devnode.c_str(), accessMode(flags) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = openErrorOf(errno);
        log::linef("hidraw: cannot open %s: %s", devnode.c_str(), std::strerror(errno));
        return nullptr;
    }
    const HidrawNode& node = described->node;
    auto connection =
        std::make_unique<HidrawConnection>(fd, node.vendorId, node.productId, node.versionNumber, *collection);
    if (!connection->valid()) {
        error = OpenError::Failed;
        return nullptr;
    }
    error = OpenError::None;
    return connection;
}

std::unique_ptr<ChangeMonitor> HidrawBackend::monitorChanges() { return std::make_unique<UdevMonitor>(); }

Backend& systemBackend() {
    static HidrawBackend backend;
    return backend;
}

}  // namespace viremo::hid
