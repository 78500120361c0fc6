#pragma once
// Registers the program's own control classes with the control factory, so
// that skin files can name them: "CDeviceOptionUI" (device tab),
// "CMpDevicePowerUI" (power display), "CUpdateInfoListItemUI" (a product
// of the settings window's update list), "CAudioRecordUI" (sound level
// trace) and "CChartViewUI" (chart).
namespace viremo::ui {

void RegisterProgramControls();

}  // namespace viremo::ui
