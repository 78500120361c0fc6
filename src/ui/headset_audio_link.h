#pragma once
// The headsets' link to the audio chip in the application: each headset page
// starts its audio on the chip when it is made, and an audio device that
// arrives or leaves (the chip's backend sees it: udev on the sound subsystem
// for the ALSA mixer, the emulated chip's plug and unplug in the demo) starts
// every headset's audio again on the UI thread. The headset then shows its
// audio state, with the groups its chip serves now, to the panels it was
// given (HeadsetAudio::SetPanels): without a recording device the
// microphone, monitor and voice changer are unavailable.
//
// The chip's callback only posts a message to the main window; several
// events before that message is handled make one re-initialisation.
#include <atomic>
#include <vector>

#include "platform/audio_chip/audio_chip.h"
#include "toolkit/message_queue.h"

namespace viremo::devices {
class CVendrakeHS6533Device;
}

namespace viremo::ui {

class HeadsetAudioLink {
public:
    // The chip is not owned; null: there is none and the audio stays unavailable.
    void SetChip(audio_chip::AudioChip* chip) { chip_ = chip; }

    // A headset page was made: its audio starts on the chip, its state shown.
    void Add(devices::CVendrakeHS6533Device& headset);
    // From now on the chip's device changes reach `window`.
    void Watch(toolkit::WindowHandle window);
    // On the UI thread, for kMsgAudioDeviceChange; nothing after Stop.
    void OnAudioDeviceChange();

    // Shutdown: no more messages, then the chip's own thread is stopped and
    // joined (ConfLibUnInit).
    void RequestStop();
    void Stop();

private:
    void Initialise(devices::CVendrakeHS6533Device& headset);

    audio_chip::AudioChip* chip_ = nullptr;
    std::vector<devices::CVendrakeHS6533Device*> headsets_;
    std::atomic<bool> changePending_{false};
    bool stopped_ = false;
};

}  // namespace viremo::ui
