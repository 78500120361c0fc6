#include "platform/audio_chip/sound_card_monitor.h"

namespace viremo::audio_chip {

std::optional<SoundCardEvent> soundCardEventOf(const UdevEvent& event) {
    const auto card = cardNumberOf(event.sysname);
    if (!card) return std::nullopt;
    if (event.action == "remove") return SoundCardEvent{SoundCardEvent::Kind::Removed, *card, std::nullopt};
    if (event.action != "add") return std::nullopt;
    return SoundCardEvent{SoundCardEvent::Kind::Added, *card,
                          parseUsbId(event.usbVendorId + ":" + event.usbProductId)};
}

std::optional<SoundCardEvent> SoundCardMonitor::receive() {
    // Drains the events that stand for no card event.
    while (const auto event = monitor_.receive())
        if (auto card = soundCardEventOf(*event)) return card;
    return std::nullopt;
}

}  // namespace viremo::audio_chip
