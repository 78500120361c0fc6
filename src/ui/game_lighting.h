#pragma once
// Game lighting: a game reports an event ("Game_Start", "Game_End",
// "Game_Kill", "Game_Death", with two parameters) and the device shown
// switches its lighting mode for five seconds, then goes back to the mode it
// keeps as its stored one. The main window passes the events and its timer
// 1066; the devices that were switched are the ones restored, whichever
// device is shown by then.
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/clock.h"

namespace viremo::devices {
class CVendrakeUSBDevice;
}

namespace viremo::ui {

inline constexpr unsigned kTimerGameLighting = 1066;
inline constexpr std::chrono::milliseconds kGameLightingTime{5000};

class GameLighting {
public:
    explicit GameLighting(const Clock& clock = systemClock()) : m_clock(clock) {}

    // wParam 0, 1 or 2 switch `device` (may be null) to the mode in lParam;
    // 0 also makes sure the stored mode is one to go back to (1-20). Other
    // wParams and modes outside the mode list change nothing. Each event
    // starts the five seconds again.
    void OnGameEvent(devices::CVendrakeUSBDevice* device, int64_t wParam, int64_t lParam);
    // After the five seconds: every switched device back to its stored
    // mode. False (nothing done) before they are over or when nothing was
    // switched.
    bool RestoreWhenDue();
    // The time left before the switched devices go back (at least 1 ms);
    // nothing when none waits. A timer that fired early waits this long more.
    std::optional<std::chrono::milliseconds> TimeLeft() const;

private:
    const Clock& m_clock;
    // Devices live as long as the main window; the list holds each once.
    std::vector<devices::CVendrakeUSBDevice*> m_switched;
    Clock::Monotonic m_due{};
};

}  // namespace viremo::ui
