#pragma once
// HID interfaces of the running system through Linux hidraw: enumeration and
// hot-plug events through libudev, reports through /dev/hidrawN with poll()
// and an eventfd as the cancel event. Each top-level collection of a node's
// report descriptor is one interface; a reader sees only the input reports
// of its own collection, although the collections share the node.
#include "hid/backend.h"

namespace viremo::hid {

class HidrawBackend : public Backend {
public:
    bool enumerate(std::vector<std::string>& paths) override;
    std::unique_ptr<Connection> open(const std::string& path, const OpenFlags& flags) override;
    std::unique_ptr<Connection> tryOpen(const std::string& path, const OpenFlags& flags, OpenError& error) override;
    std::unique_ptr<ChangeMonitor> monitorChanges() override;
};

}  // namespace viremo::hid
