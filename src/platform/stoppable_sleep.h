#pragma once
// Waits that end early when a thread is asked to stop.
#include <chrono>
#include <stop_token>

namespace viremo {

// Sleeps for `duration` or until `stop` is requested. Returns false when
// woken by the stop request.
bool sleepFor(std::stop_token stop, std::chrono::milliseconds duration);

}  // namespace viremo
