#include "update/update_check_runner.h"

namespace viremo::update {

UpdateCheckRunner::UpdateCheckRunner(ServiceSettings settings, std::vector<ProductEntry> products,
                                     Callbacks callbacks, std::filesystem::path updateTime, const Clock& clock)
    : settings_(std::move(settings)),
      products_(std::move(products)),
      callbacks_(std::move(callbacks)),
      updateTime_(std::move(updateTime)),
      clock_(clock),
      thread_([this](std::stop_token stop) { run(stop); }) {}

UpdateCheckRunner::~UpdateCheckRunner() {
    thread_.request_stop();
    if (thread_.joinable()) thread_.join();
}

void UpdateCheckRunner::run(std::stop_token stop) {
    UpdateServiceClient service(settings_, clock_);
    const auto report = [&](size_t index, const UpdateInfo& info) {
        if (callbacks_.product) callbacks_.product(index, info);
    };
    const WindowStatus status = checkProducts(service, products_, updateTime_, clock_, stop, report);
    if (!stop.stop_requested() && callbacks_.finished) callbacks_.finished(status);
}

}  // namespace viremo::update
