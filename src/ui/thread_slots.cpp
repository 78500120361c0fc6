#include "ui/thread_slots.h"

#include "platform/log.h"

namespace viremo::ui {

bool ThreadSlots::Assign(int slot, std::function<void()> requestStop, std::function<void()> join) {
    if (slot < 0 || slot >= kCount || !requestStop || !join) return false;
    Slot& entry = m_slots[static_cast<size_t>(slot)];
    if (entry.join) return false;
    entry = {std::move(requestStop), std::move(join)};
    return true;
}

void ThreadSlots::StopAll() {
    for (Slot& slot : m_slots)
        if (slot.requestStop) slot.requestStop();
    for (Slot& slot : m_slots) {
        if (!slot.join) continue;
        slot.join();
        log::line("所有对象处于激发状态\n");
        slot = {};
    }
}

}  // namespace viremo::ui
