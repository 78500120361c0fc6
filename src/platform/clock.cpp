#include "platform/clock.h"

namespace viremo {
namespace {

class SystemClock : public Clock {
public:
    Monotonic now() const override { return std::chrono::steady_clock::now(); }
    Wall wallNow() const override { return std::chrono::system_clock::now(); }
};

}  // namespace

Clock& systemClock() {
    static SystemClock clock;
    return clock;
}

FakeClock::FakeClock()
    : monotonicTicks_(0), wallTicks_(std::chrono::system_clock::now().time_since_epoch().count()) {}

Clock::Monotonic FakeClock::now() const {
    return Monotonic(std::chrono::steady_clock::duration(monotonicTicks_.load()));
}

Clock::Wall FakeClock::wallNow() const {
    return Wall(std::chrono::system_clock::duration(wallTicks_.load()));
}

void FakeClock::advance(std::chrono::milliseconds step) {
    monotonicTicks_ += std::chrono::duration_cast<std::chrono::steady_clock::duration>(step).count();
    wallTicks_ += std::chrono::duration_cast<std::chrono::system_clock::duration>(step).count();
}

void FakeClock::setWall(Wall wall) { wallTicks_ = wall.time_since_epoch().count(); }

}  // namespace viremo
