#pragma once
// Where HID interfaces come from: hidraw through libudev for real devices,
// the emulated bus for the demo and the tests. HidDevice works the same over
// both. (Contract for the emulated bus and HidDevice; the hidraw backend
// implements it in hidraw_backend.cpp.)
//
// Reports are seen as on Windows on both: every report starts with its
// report-id byte (0 when the descriptor uses no report ids) and the report
// lengths of a Collection count that byte.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "hid/collection.h"

namespace viremo::hid {

struct OpenFlags {
    bool read = true;
    bool write = false;
    bool exclusive = false;
};

enum class IoStatus { Done, TimedOut, Cancelled, Failed };

// Why an open failed.
enum class OpenError { None, NotFound, AccessDenied, Failed };

// One open interface (one top-level collection).
class Connection {
public:
    virtual ~Connection() = default;
    virtual const Collection& collection() const = 0;  // ids, usages, report lengths
    virtual uint16_t vendorId() const = 0;
    virtual uint16_t productId() const = 0;
    virtual uint16_t versionNumber() const = 0;
    // Blocks up to timeoutMs (negative: no limit) for one input report of this
    // collection; reports of other collections are dropped.
    virtual IoStatus read(std::span<uint8_t> buffer, size_t& transferred, int timeoutMs) = 0;
    virtual IoStatus write(std::span<const uint8_t> report, size_t& transferred, int timeoutMs) = 0;
    // Wakes a blocked read or write, which then returns Cancelled. Thread-safe.
    // Cancelling is for closing: every later transfer returns Cancelled too,
    // so a cancel that comes just before a read starts is not lost.
    virtual void cancel() = 0;
};

// Wakes when interfaces appear or disappear.
class ChangeMonitor {
public:
    virtual ~ChangeMonitor() = default;
    // Waits up to timeoutMs for a change; true when something changed.
    virtual bool waitForChange(int timeoutMs) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Every present interface path, into `paths`. False when the enumeration
    // could not run at all; an interface that cannot be read is left out.
    virtual bool enumerate(std::vector<std::string>& paths) = 0;
    // The same for callers that need no difference between a failed
    // enumeration and none present (tests, the demo bus).
    std::vector<std::string> enumeratePaths() {
        std::vector<std::string> paths;
        enumerate(paths);
        return paths;
    }
    // Null when the path cannot be opened. With neither read nor write in
    // `flags` the open is a query: it succeeds while the interface is
    // present, without needing access rights, and transfers on it fail.
    virtual std::unique_ptr<Connection> open(const std::string& path, const OpenFlags& flags) = 0;
    // As open, and says why it failed.
    virtual std::unique_ptr<Connection> tryOpen(const std::string& path, const OpenFlags& flags, OpenError& error) {
        auto connection = open(path, flags);
        error = connection ? OpenError::None : OpenError::Failed;
        return connection;
    }
    virtual std::unique_ptr<ChangeMonitor> monitorChanges() = 0;
};

// The hidraw backend, shared by the whole program.
Backend& systemBackend();

}  // namespace viremo::hid
