#include "hid/hidraw_connection.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "hid/report_descriptor.h"

namespace viremo::hid {
namespace {

// The largest report a node hands over, with its id byte.
constexpr size_t kMaxWireReport = kMaxReportBytes + 1;

int remainingMs(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

HidrawConnection::HidrawConnection(int fd, uint16_t vendorId, uint16_t productId, uint16_t versionNumber,
                                   Collection collection)
    : fd_(fd), cancel_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), vendorId_(vendorId), productId_(productId),
      versionNumber_(versionNumber), collection_(std::move(collection)) {}

HidrawConnection::~HidrawConnection() {
    if (fd_ >= 0) ::close(fd_);
    if (cancel_ >= 0) ::close(cancel_);
}

bool HidrawConnection::valid() const { return cancel_ >= 0; }
const Collection& HidrawConnection::collection() const { return collection_; }
uint16_t HidrawConnection::vendorId() const { return vendorId_; }
uint16_t HidrawConnection::productId() const { return productId_; }
uint16_t HidrawConnection::versionNumber() const { return versionNumber_; }

IoStatus HidrawConnection::read(std::span<uint8_t> buffer, size_t& transferred, int timeoutMs) {
    transferred = 0;
    const size_t length = collection_.inputReportByteLength;
    if (length == 0 || buffer.size() < length) return IoStatus::Failed;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    const size_t idBytesAdded = collection_.usesReportIds ? 0 : 1;
    uint8_t wire[kMaxWireReport + 1];
    for (;;) {
        const IoStatus ready = waitFor(POLLIN, timeoutMs < 0 ? -1 : remainingMs(deadline));
        if (ready != IoStatus::Done) return ready;
        wire[0] = 0;
        const ssize_t count = ::read(fd_, wire + idBytesAdded, kMaxWireReport);
        if (count < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (count <= 0) return IoStatus::Failed;
        if (!collection_.ownsInputReport(wire[0])) continue;  // another collection's report
        // Every report of the collection is delivered at its full length.
        const size_t size = std::min(size_t(count) + idBytesAdded, length);
        std::memcpy(buffer.data(), wire, size);
        std::memset(buffer.data() + size, 0, length - size);
        transferred = length;
        return IoStatus::Done;
    }
}

IoStatus HidrawConnection::write(std::span<const uint8_t> report, size_t& transferred, int timeoutMs) {
    transferred = 0;
    const size_t length = report.empty() ? 0 : collection_.outputReportLength(report[0]);
    if (length == 0 || report.size() < length) return IoStatus::Failed;
    const IoStatus ready = waitFor(POLLOUT, timeoutMs);
    if (ready != IoStatus::Done) return ready;
    const ssize_t count = ::write(fd_, report.data(), length);
    if (count != static_cast<ssize_t>(length)) return IoStatus::Failed;
    transferred = length;
    return IoStatus::Done;
}

// The event is never consumed: it wakes the transfer under way and every
// later one, so a cancel just before a read starts is not lost.
void HidrawConnection::cancel() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(cancel_, &one, sizeof one);
}

IoStatus HidrawConnection::waitFor(short events, int timeoutMs) {
    pollfd fds[2] = {{cancel_, POLLIN, 0}, {fd_, events, 0}};
    for (;;) {
        const int ready = ::poll(fds, 2, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return IoStatus::Failed;
        if (fds[0].revents) return IoStatus::Cancelled;
        if (ready == 0) return IoStatus::TimedOut;
        if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) return IoStatus::Failed;
        return IoStatus::Done;
    }
}

}  // namespace viremo::hid
