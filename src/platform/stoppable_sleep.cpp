#include "platform/stoppable_sleep.h"

#include <condition_variable>
#include <mutex>

namespace viremo {

bool sleepFor(std::stop_token stop, std::chrono::milliseconds duration) {
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    wake.wait_for(lock, stop, duration, [] { return false; });
    return !stop.stop_requested();
}

}  // namespace viremo
