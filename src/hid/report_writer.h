#pragma once
// The writing thread of one HidDevice. A hidraw write to a USB device goes
// to the interrupt OUT endpoint, or as SET_REPORT to the control endpoint
// when there is none, and blocks in the kernel until the device takes the
// report or the kernel's own USB time-out of 5000 ms ends; neither poll()
// nor a signal cuts it short. So the write itself runs on this thread and
// the caller waits for it no longer than its own time-out, or until Close
// cancels the wait. A report whose write has not started when its caller
// gives up is never written; one already in the kernel ends there in its own
// time and only this thread waits for it (and the destructor, which joins
// this thread, for at most that kernel time-out).
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "hid/backend.h"

namespace viremo::hid {

class ReportWriter {
public:
    ReportWriter() = default;
    ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // Counts the cancels: a write carries the count it was started under and
    // returns Cancelled as soon as the count moves on.
    uint64_t cancelCount() const;
    // Wakes every waiting write, which then returns Cancelled.
    void cancel();

    // Writes `report` through `connection` on the writing thread and waits
    // up to timeoutMs (negative: no limit) for the result.
    IoStatus write(std::shared_ptr<Connection> connection, uint64_t cancelCountAtStart,
                   std::span<const uint8_t> report, size_t& transferred, int timeoutMs);

private:
    struct Request;

    void run(std::stop_token stop);

    mutable std::mutex mutex_;
    std::condition_variable_any wake_;  // the thread: a request or a stop
    std::condition_variable done_;      // the callers: a result or a cancel
    std::deque<std::shared_ptr<Request>> queue_;
    uint64_t cancels_ = 0;
    std::jthread thread_;  // started with the first write; last, so it stops first
};

}  // namespace viremo::hid
