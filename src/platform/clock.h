#pragma once
// Time as the program reads it. Effects, timers and time-outs take a Clock so
// that tests drive them with a FakeClock instead of sleeping.
#include <atomic>
#include <chrono>

namespace viremo {

class Clock {
public:
    using Monotonic = std::chrono::steady_clock::time_point;
    using Wall = std::chrono::system_clock::time_point;

    virtual ~Clock() = default;
    virtual Monotonic now() const = 0;
    virtual Wall wallNow() const = 0;
};

// The real clocks of the system.
Clock& systemClock();

// A clock that moves only when told to.
class FakeClock : public Clock {
public:
    FakeClock();
    Monotonic now() const override;
    Wall wallNow() const override;
    void advance(std::chrono::milliseconds step);
    void setWall(Wall wall);

private:
    std::atomic<std::chrono::steady_clock::rep> monotonicTicks_;
    std::atomic<std::chrono::system_clock::rep> wallTicks_;
};

}  // namespace viremo
