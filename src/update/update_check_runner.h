#pragma once
// The update check on its own thread, as the settings window runs it. The
// results are handed to callbacks on that thread; the window passes them on
// to its user-interface thread. Destroying the runner stops the check (an
// exchange in progress ends within 100 ms) and joins the thread; after a
// stop no callback is called any more.
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "update/update_check.h"
#include "update/update_time.h"

namespace viremo::update {

class UpdateCheckRunner {
public:
    struct Callbacks {
        ProductResult product;                       // after each product, in list order
        std::function<void(WindowStatus)> finished;  // once, after the last product
    };

    UpdateCheckRunner(ServiceSettings settings, std::vector<ProductEntry> products, Callbacks callbacks,
                      std::filesystem::path updateTime = updateTimeFile(), const Clock& clock = systemClock());
    ~UpdateCheckRunner();
    UpdateCheckRunner(const UpdateCheckRunner&) = delete;
    UpdateCheckRunner& operator=(const UpdateCheckRunner&) = delete;

private:
    void run(std::stop_token stop);

    ServiceSettings settings_;
    std::vector<ProductEntry> products_;
    Callbacks callbacks_;
    std::filesystem::path updateTime_;
    const Clock& clock_;
    std::jthread thread_;  // last: starts when everything else is there
};

}  // namespace viremo::update
