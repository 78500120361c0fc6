#include "ui/program_controls.h"

#include "toolkit/control_factory.h"
#include "ui/audio_record.h"
#include "ui/chart_view.h"
#include "ui/device_option.h"
#include "ui/mp_device_power.h"
#include "ui/update_info_list_item.h"

namespace viremo::ui {

void RegisterProgramControls() {
    auto& factory = toolkit::CControlFactory::Instance();
    factory.Register("CDeviceOptionUI", [] { return std::make_unique<CDeviceOptionUI>(); });
    factory.Register("CMpDevicePowerUI", [] { return std::make_unique<CMpDevicePowerUI>(); });
    factory.Register("CUpdateInfoListItemUI", [] { return std::make_unique<CUpdateInfoListItemUI>(); });
    factory.Register("CAudioRecordUI", [] { return std::make_unique<CAudioRecordUI>(); });
    factory.Register("CChartViewUI", [] { return std::make_unique<CChartViewUI>(); });
}

}  // namespace viremo::ui
