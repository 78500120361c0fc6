#include "devices/headset/headset_device.h"

#include "devices/device_tables.h"

namespace viremo::devices {
namespace {

constexpr int kColourReportTimeoutMs = 1000;

}  // namespace

CVendrakeHS6533Device::CVendrakeHS6533Device(hid::Backend& backend, const Clock& clock, RandomSource* random)
    : CLightSettingsDevice(LitDevice::Headset, "HS灯光线程设定退出", backend, clock, random) {}

CVendrakeHS6533Device::~CVendrakeHS6533Device() { StopLighting(); }

bool CVendrakeHS6533Device::InitialiseAudio(audio_chip::AudioChip* chip) { return audio_.Initialise(chip); }

void CVendrakeHS6533Device::TakeProfileState() { audio_.TakeProfile(); }

void CVendrakeHS6533Device::ReadKindState() { audio_.ReadChipState(); }

void CVendrakeHS6533Device::RefreshState() {
    CLightSettingsDevice::RefreshState();
    audio_.ShowState();
}

void CVendrakeHS6533Device::SendLightFrame() {
    if (!HasLightingControl()) return;
    ShowLightsOnPage();
    if (FramesHeldBack()) return;
    hid::HidDevice& cable = Channel().CableInterface();
    for (const headset::ColourReport& report : headset::buildColourReports(Lights())) {
        LogLightData(report);
        size_t transferred = 0;
        if (!cable.Write(report.data(), report.size(), &transferred, kColourReportTimeoutMs)) {
            PauseAfterFailedFrame();
            return;
        }
    }
}

void configureHeadset(CVendrakeHS6533Device& device, const InterfaceRecord& row) {
    configureDevice(device, kKindHeadset, row);
}

}  // namespace viremo::devices
