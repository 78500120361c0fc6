#pragma once
// Registers the program's own control classes with the control factory, so
// that skin files can name them: "CDeviceOptionUI" (device tab),
// "CMpDevicePowerUI" (power display), "CUpdateInfoListItemUI" (a product
// of the settings window's update list), "CAudioRecordUI" (sound level
// trace), "CChartViewUI" (chart), and the pictures' and panels'
// classes (ring progress, key button, selection panel, picture button, list
// row with a hover frame, lighting, profile and layout panels), by their
// class names.
namespace viremo::ui {

void RegisterProgramControls();

}  // namespace viremo::ui
