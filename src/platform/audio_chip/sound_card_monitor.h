#pragma once
// Arrival and removal of sound cards, from a udev monitor of the "sound"
// subsystem. Events of a card's control, PCM and other nodes are passed over.
#include <optional>

#include "platform/audio_chip/sound_cards.h"
#include "platform/audio_chip/udev_monitor.h"

namespace viremo::audio_chip {

struct SoundCardEvent {
    enum class Kind { Added, Removed };
    Kind kind = Kind::Added;
    int card = 0;
    std::optional<UsbId> usbId;  // of an added USB card
};

// The event a udev event of the sound subsystem stands for, if any.
std::optional<SoundCardEvent> soundCardEventOf(const UdevEvent& event);

class SoundCardMonitor {
public:
    SoundCardMonitor() : monitor_("sound") {}

    bool valid() const { return monitor_.valid(); }
    int fd() const { return monitor_.fd(); }
    // The next card event already there, without waiting.
    std::optional<SoundCardEvent> receive();

private:
    UdevMonitor monitor_;
};

}  // namespace viremo::audio_chip
