#pragma once
// One open hidraw node seen as one top-level collection. The node carries
// the reports of all its collections; a read skips those of the others.
// hidraw gives input reports without an id byte when the device uses no
// report ids, and takes every output report with its id byte first (0 then):
// the connection adds the id byte on reading and writes reports unchanged.
// Transfers wait with poll(); cancel() sets an eventfd that wakes them.
#include <cstdint>

#include "hid/backend.h"

namespace viremo::hid {

class HidrawConnection : public Connection {
public:
    // Takes ownership of `fd` (a hidraw node, opened non-blocking).
    HidrawConnection(int fd, uint16_t vendorId, uint16_t productId, uint16_t versionNumber, Collection collection);
    ~HidrawConnection() override;
    HidrawConnection(const HidrawConnection&) = delete;
    HidrawConnection& operator=(const HidrawConnection&) = delete;

    // False when the cancel event could not be made.
    bool valid() const;

    const Collection& collection() const override;
    uint16_t vendorId() const override;
    uint16_t productId() const override;
    uint16_t versionNumber() const override;
    IoStatus read(std::span<uint8_t> buffer, size_t& transferred, int timeoutMs) override;
    IoStatus write(std::span<const uint8_t> report, size_t& transferred, int timeoutMs) override;
    void cancel() override;

private:
    IoStatus waitFor(short events, int timeoutMs);

    int fd_;
    int cancel_;
    uint16_t vendorId_;
    uint16_t productId_;
    uint16_t versionNumber_;
    Collection collection_;
};

}  // namespace viremo::hid
