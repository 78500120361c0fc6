#pragma once
// The battery and power display of a device ("MpDevicePower", built from
// "XML\CustomControlXML\MpDevicePower.xml"): the battery ring and its
// percentage, the charge-state picture, the wireless mark of a mouse and the
// phone lying on a mouse pad.
#include <cstdint>
#include <span>

#include "devices/device_links.h"
#include "toolkit/horizontal_layout.h"

namespace viremo::ui {

class CMpDevicePowerUI : public toolkit::CHorizontalLayoutUI, public devices::IPowerDisplay {
public:
    static constexpr std::string_view kClassName = "MpDevicePower";
    std::string_view GetClass() const override { return kClassName; }

    void SetModel(int modelId, int variant);
    void ShowPowerLayout(bool shown) override;
    void ShowPowerReport(std::span<const uint8_t> report) override;

private:
    int m_modelId = 0;
    int m_variant = 0;
};

}  // namespace viremo::ui
