#include "ui/headset_audio_link.h"

#include "devices/headset/headset_device.h"
#include "ui/program_messages.h"

namespace viremo::ui {

using audio_chip::ChangeEvent;

void HeadsetAudioLink::Add(devices::CVendrakeHS6533Device& headset) {
    headsets_.push_back(&headset);
    Initialise(headset);
}

void HeadsetAudioLink::Watch(toolkit::WindowHandle window) {
    if (!chip_) return;
    chip_->registerCallback([this, window](const ChangeEvent& event) {
        if (event.kind == ChangeEvent::Kind::PropertyChanged) return;
        if (!changePending_.exchange(true)) toolkit::UiQueue().Post(window, {kMsgAudioDeviceChange, 0, 0});
    });
}

void HeadsetAudioLink::OnAudioDeviceChange() {
    changePending_ = false;
    if (stopped_) return;
    for (devices::CVendrakeHS6533Device* headset : headsets_) Initialise(*headset);
}

void HeadsetAudioLink::Initialise(devices::CVendrakeHS6533Device& headset) {
    headset.InitialiseAudio(chip_);
    headset.Audio().ShowState();
}

void HeadsetAudioLink::RequestStop() {
    if (chip_) chip_->registerCallback({});
}

void HeadsetAudioLink::Stop() {
    RequestStop();
    stopped_ = true;
    if (chip_) chip_->uninit();
}

}  // namespace viremo::ui
