#pragma once
// The discovery thread: keeps one interface entry per row of the HID
// interface table and tells its owner which entry was connected or lost.
//
// It is woken by the backend's change monitor (udev for hidraw, plug events
// on the emulated bus); the first pass enumerates everything, later passes
// run only after a change (or, after an enumeration that failed, at the next
// wake-up). A pass probes the present interfaces while an
// entry is free, then checks that every occupied entry's interface is still
// there. While paused (the session is suspended) it does nothing; resuming
// runs a full pass, so that what changed meanwhile is reported then.
//
// Only this thread writes the entries' connected flag and path; the owner
// reads copies through Entry().
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "devices/device_tables.h"
#include "devices/interface_record.h"
#include "hid/backend.h"

namespace viremo::devices {

// The window messages that carry the listener's calls to the main window.
inline constexpr unsigned kMsgInterfaceFound = 3090;
inline constexpr unsigned kMsgInterfaceLost = 3091;

// Called on the discovery thread. Found and Lost return once the owner has
// handled them (or `stop` was requested); FirstPassDone only posts.
class IDiscoveryListener {
public:
    virtual ~IDiscoveryListener() = default;
    virtual void InterfaceFound(int entry, std::stop_token stop) = 0;
    virtual void InterfaceLost(int entry, std::stop_token stop) = 0;
    virtual void FirstPassDone() = 0;
};

class HotplugDiscovery {
public:
    static constexpr int kEntryCount = kHidInterfaceRowCount;

    HotplugDiscovery(hid::Backend& backend, IDiscoveryListener& listener);
    ~HotplugDiscovery();
    HotplugDiscovery(const HotplugDiscovery&) = delete;
    HotplugDiscovery& operator=(const HotplugDiscovery&) = delete;

    void Start();
    // Asks the thread to stop without waiting for it.
    void RequestStop() { m_thread.request_stop(); }
    // Stops and joins the thread (within about 100 ms).
    void Stop();
    std::stop_token StopToken() const { return m_thread.get_stop_token(); }

    void Pause();
    void Resume();

    // A copy of entry `index`; nothing for an index outside the list.
    std::optional<InterfaceRecord> Entry(int index) const;
    static bool IsEntryIndex(int index) { return index >= 0 && index < kEntryCount; }

private:
    void Run(std::stop_token stop);
    void Pass(std::stop_token stop);
    void ProbeNewInterfaces(std::stop_token stop);
    void CheckOccupiedEntries(std::stop_token stop);
    // Claims the first free entry that matches the probed record; -1 when none.
    int Claim(const InterfaceRecord& probed);
    // A free entry for the interface a path names.
    bool HasFreeEntry(const InterfaceRecord& key) const;
    // Waits while paused; true when a resume asks for a full pass.
    bool WaitWhilePaused(std::stop_token stop);
    bool IsPaused();

    hid::Backend& m_backend;
    IDiscoveryListener& m_listener;

    mutable std::mutex m_entriesLock;
    std::array<InterfaceRecord, kEntryCount> m_entries;

    std::mutex m_pauseLock;
    std::condition_variable_any m_pauseChanged;
    bool m_paused = false;
    bool m_resumed = false;
    bool m_enumerationFailed = false;  // discovery thread only

    std::jthread m_thread;
};

}  // namespace viremo::devices
