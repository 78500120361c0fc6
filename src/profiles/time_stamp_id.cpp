#include "profiles/time_stamp_id.h"

#include <cstdio>
#include <ctime>

namespace viremo {

std::string timeStampIdentifier(const Clock& clock) { return timeStampIdentifier(clock.wallNow()); }

std::string timeStampIdentifier(Clock::Wall time) {
    const auto sinceEpoch = time.time_since_epoch();
    const std::time_t seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[48];
    std::snprintf(text, sizeof text, "%d_%02d_%02d_%02d_%02d_%02d_%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(milliseconds));
    return text;
}

}  // namespace viremo
