#pragma once
// The headset's page: the device page with the headset's audio panel
// ("Voice6533ControlItem": equaliser presets and custom setting, microphone
// and monitor) and voice-changer panel ("MagicControlItem"). The page shows
// what the driver's audio reports (it is its IHeadsetPanels) and hands the
// panels' changes to it; a group the audio chip cannot serve is disabled.
#include <memory>

#include "devices/headset/headset_device.h"
#include "devices/headset/headset_panels.h"
#include "ui/device_page.h"

namespace viremo::ui {

class CHeadsetDevicePage : public CDevicePage, public devices::headset::IHeadsetPanels {
public:
    explicit CHeadsetDevicePage(std::shared_ptr<devices::CVendrakeHS6533Device> headset);
    ~CHeadsetDevicePage() override;

    std::string_view GetClass() const override;

    devices::CVendrakeHS6533Device& Headset() const { return *headset_; }

    void Initialise() override;
    void Notify(toolkit::TNotifyUI& msg) override;
    void LoadPanelLists() override;
    void ShowState() override;
    bool UseProfileFile(const std::filesystem::path& file) override;

    // IHeadsetPanels.
    void ShowAudioState(const devices::headset::AudioState& state) override;

protected:
    std::string LoadedProfileId() const override;

private:
    void TakeAudioChange(toolkit::TNotifyUI& msg);
    void SetChecked(std::string_view name, bool checked);
    void SetSlider(std::string_view name, int value);
    void Enable(std::string_view name, bool enabled);

    devices::CVendrakeHS6533Device* headset_;
    // Set while the page shows the audio state, so that the controls it sets
    // are not taken back as changes.
    bool showing_ = false;
};

}  // namespace viremo::ui
