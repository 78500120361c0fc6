#include "ui/mp_device_power.h"

#include "toolkit/progress.h"
#include "ui/power_report.h"

namespace viremo::ui {

void CMpDevicePowerUI::SetModel(int modelId, int variant) {
    m_modelId = modelId;
    m_variant = variant;
}

void CMpDevicePowerUI::ShowPowerLayout(bool shown) {
    if (auto* layout = FindSubControl("device_power_Layout")) layout->SetVisible(shown);
}

void CMpDevicePowerUI::ShowPowerReport(std::span<const uint8_t> report) {
    const PowerView view = ReadPowerReport(report, m_modelId);
    auto* progress = dynamic_cast<toolkit::CProgressUI*>(FindSubControl("device_Power_progress"));
    if (progress) {
        progress->SetValue(view.progress);
        if (view.progressShown) progress->SetVisible(*view.progressShown);
    }
    if (auto* label = FindSubControl("device_power_value")) label->SetText(view.label);
    if (auto* mark = FindSubControl("device_wuxian_logo"); mark && view.wirelessMark) mark->SetVisible(*view.wirelessMark);
    if (auto* status = FindSubControl("device_power_status"); status && view.statusImage)
        status->SetBkImage(*view.statusImage);
    if (auto* phone = FindSubControl("device_phone_type"); phone && view.phoneImage) {
        phone->SetBkImage(*view.phoneImage);
        phone->SetToolTip(*view.phoneToolTip);
    }
}

}  // namespace viremo::ui
