#pragma once
// The mouse's page: the device page with the mouse's lighting mode list,
// its profiles, and its DPI panel ("DPIControlItem"): five stages, each
// switched on or off, one active, with a DPI value and a colour, and the
// report rate. A change on the panel goes to the driver, is saved in the
// profile and sent to the mouse. Its recoil panel ("ShootControlItem")
// keeps the four guns in the mouse's data folder.
#include <memory>

#include "devices/mouse/mouse_device.h"
#include "toolkit/geometry.h"
#include "ui/device_page.h"
#include "ui/shoot_control.h"

namespace viremo::ui {

class CMouseDevicePage : public CDevicePage {
public:
    explicit CMouseDevicePage(std::shared_ptr<devices::CVendrakeMouseDevice> mouse);

    std::string_view GetClass() const override;

    devices::CVendrakeMouseDevice& Mouse() const { return *mouse_; }

    void Initialise() override;
    void Notify(toolkit::TNotifyUI& msg) override;
    void LoadPanelLists() override;
    void ShowState() override;
    bool UseProfileFile(const std::filesystem::path& file) override;

    // The colour of DPI stage `stage` (0-4) as the mouse keeps it; black for
    // a stage it has no record of.
    toolkit::Color DpiStageColour(int stage) const;
    // Gives DPI stage `stage` this colour: stored, saved and sent. False
    // (nothing changed) for a stage outside 0-4.
    bool ChooseDpiStageColour(int stage, toolkit::Color colour);
    // The DPI of stage `stage` (0-4), held to what the sensors take, becomes
    // the level of the mouse's sensor: stored, saved and sent. Nothing is
    // taken while the sensor's scale is unknown.
    void TakeDpiValue(int stage, int dpi);

protected:
    std::string LoadedProfileId() const override;

private:
    void InitialiseShootPanel();
    void ShowKeyInformation();
    void ShowDpiStages();
    void ShowReportRate();
    void LockEnableBoxes();
    void EnableStage(int stage, bool enabled);
    void SelectStage(int stage);
    void TakeReportRate(int index);
    // Saves the profile and sends the settings block to the mouse.
    void SaveAndSend();

    devices::CVendrakeMouseDevice* mouse_;
    CShootControlUI* shootPanel_ = nullptr;
    // Set while the page shows the driver's state, so that the controls it
    // sets are not taken back as changes.
    bool showing_ = false;
};

}  // namespace viremo::ui
