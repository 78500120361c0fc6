#include "ui/skin_change.h"

#include <algorithm>

namespace viremo::ui {

void CSkinChangeObserver::AttachReceiver(ISkinChangeReceiver* receiver) {
    if (receiver) m_receivers.emplace(m_nextKey++, receiver);
}

void CSkinChangeObserver::DetachReceiver(ISkinChangeReceiver* receiver) {
    const auto it = std::find_if(m_receivers.begin(), m_receivers.end(),
                                 [receiver](const auto& entry) { return entry.second == receiver; });
    if (receiver && it != m_receivers.end()) m_receivers.erase(it);
}

void CSkinChangeObserver::Publish(const SkinChangedParam& param) {
    // A receiver may detach while it is told: walk a copy.
    const auto receivers = m_receivers;
    for (const auto& [key, receiver] : receivers) receiver->OnPublish(param);
}

CSkinChangeObserver& SkinChangeObserver() {
    static CSkinChangeObserver* observer = new CSkinChangeObserver;
    return *observer;
}

}  // namespace viremo::ui
