#pragma once
// The main window's background threads, by slot: 0 is discovery, 8 the
// lighting synchronisation, 9 the audio chip's watch of audio devices; the
// others hold no thread today. Shutdown asks
// every thread to stop first and then waits for each in turn, so that the
// waits overlap; empty slots are skipped.
#include <array>
#include <functional>

namespace viremo::ui {

class ThreadSlots {
public:
    static constexpr int kCount = 20;
    static constexpr int kDiscovery = 0;
    static constexpr int kLightingSync = 8;
    static constexpr int kAudioDevices = 9;

    // The thread's stop request and its join. False when the slot is outside
    // the list or taken.
    bool Assign(int slot, std::function<void()> requestStop, std::function<void()> join);
    // Stops and joins every assigned thread; the slots are empty afterwards.
    void StopAll();

private:
    struct Slot {
        std::function<void()> requestStop;
        std::function<void()> join;
    };
    std::array<Slot, kCount> m_slots;
};

}  // namespace viremo::ui
