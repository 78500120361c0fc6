#include "hid/report_writer.h"

#include <chrono>
#include <vector>

namespace viremo::hid {

struct ReportWriter::Request {
    std::shared_ptr<Connection> connection;
    std::vector<uint8_t> report;
    int timeoutMs = 0;
    bool abandoned = false;  // its caller gave up before the write started
    bool finished = false;
    IoStatus status = IoStatus::Failed;
    size_t transferred = 0;
};

ReportWriter::~ReportWriter() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

uint64_t ReportWriter::cancelCount() const {
    std::lock_guard lock(mutex_);
    return cancels_;
}

void ReportWriter::cancel() {
    {
        std::lock_guard lock(mutex_);
        ++cancels_;
    }
    done_.notify_all();
}

IoStatus ReportWriter::write(std::shared_ptr<Connection> connection, uint64_t cancelCountAtStart,
                             std::span<const uint8_t> report, size_t& transferred, int timeoutMs) {
    transferred = 0;
    auto request = std::make_shared<Request>();
    request->connection = std::move(connection);
    request->report.assign(report.begin(), report.end());
    request->timeoutMs = timeoutMs;

    std::unique_lock lock(mutex_);
    if (cancels_ != cancelCountAtStart) return IoStatus::Cancelled;
    if (!thread_.joinable()) thread_ = std::jthread([this](std::stop_token stop) { run(stop); });
    queue_.push_back(request);
    wake_.notify_one();

    const auto settled = [&] { return request->finished || cancels_ != cancelCountAtStart; };
    if (timeoutMs < 0) done_.wait(lock, settled);
    else done_.wait_for(lock, std::chrono::milliseconds(timeoutMs), settled);
    if (request->finished) {
        transferred = request->transferred;
        return request->status;
    }
    request->abandoned = true;
    return cancels_ != cancelCountAtStart ? IoStatus::Cancelled : IoStatus::TimedOut;
}

void ReportWriter::run(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (wake_.wait(lock, stop, [this] { return !queue_.empty(); })) {
        const auto request = queue_.front();
        queue_.pop_front();
        if (request->abandoned) continue;
        lock.unlock();
        size_t transferred = 0;
        const IoStatus status = request->connection->write(request->report, transferred, request->timeoutMs);
        request->connection.reset();  // a closed device's node is released here
        lock.lock();
        request->status = status;
        request->transferred = transferred;
        request->finished = true;
        done_.notify_all();
    }
}

}  // namespace viremo::hid
