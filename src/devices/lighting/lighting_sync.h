#pragma once
// Synchronised lighting across devices: one thread computes the common
// effect once and gives every light of every device whose sync flag is set
// the same colour and brightness; each device's frame timer then sends them.
// Meanwhile the devices' own lighting threads stand aside (they skip their
// passes while the sync flag is set).
//
// The thread wakes every millisecond while a synchronised open device
// exists and once a second while none does. The effect's speed counts clock
// changes of at least 2 ms, not rounds, so the effect keeps its pace however
// late the thread wakes. Stopping wakes it at once.
#include <array>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "devices/device_tables.h"
#include "devices/lighting/sync_effect.h"
#include "devices/vendrake_usb_device.h"
#include "platform/clock.h"

namespace viremo::devices {

class LightingSync {
public:
    explicit LightingSync(const Clock& clock = systemClock());
    ~LightingSync();
    LightingSync(const LightingSync&) = delete;
    LightingSync& operator=(const LightingSync&) = delete;

    // A device joins the list of its kind (GetKindIndex) for good; it must
    // outlive the thread. Devices of an unknown kind are not taken.
    void AddDevice(CVendrakeUSBDevice& device);

    // Written by the lighting panel; read by the thread on its next step.
    SyncSettings& Settings() { return settings_; }

    // Synchronises every open device with `selected`: its mode becomes the
    // common effect, and each device takes its own kind's mode for it with
    // the selected device's brightness, speed, direction and colours, keeps
    // that as its lighting state (profile, device, settings record) and has
    // its sync flag set. A mode with no common effect stops the
    // synchronisation of every device instead; false then. Called on the
    // user-interface thread.
    bool SynchroniseFrom(const CVendrakeUSBDevice& selected);

    void Start();
    void RequestStop();
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

    // One round of the thread without its waits: counts a tick when the
    // clock has moved on by 2 ms or more and steps the effect when the count
    // reaches the speed's period. False when no synchronised open device
    // exists (nothing is done then).
    bool Round();
    // One step of the effect, shown on every synchronised device's lights.
    void StepAndShow();

private:
    void Run(std::stop_token stop);
    bool AnySynchronisedOpen() const;
    void ShowEffectOf(const LightRecord& lighting, uint8_t effect);
    long long NowMs() const;

    const Clock& clock_;
    SyncSettings settings_;
    SyncEffectState state_;
    int ticks_ = 0;
    long long lastTickMs_ = 0;
    // By kind index; the lists only grow.
    mutable std::mutex listLock_;
    std::array<std::vector<CVendrakeUSBDevice*>, kKindCount> devices_;
    std::jthread thread_;
};

}  // namespace viremo::devices
