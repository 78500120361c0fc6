#pragma once
// Registers the program's own control classes with the control factory, so
// that skin files can name them: "CDeviceOptionUI" (device tab),
// "CMpDevicePowerUI" (power display) and "CUpdateInfoListItemUI" (a product
// of the settings window's update list).
namespace viremo::ui {

void RegisterProgramControls();

}  // namespace viremo::ui
