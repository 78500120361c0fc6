#include "ui/program_controls.h"

#include "toolkit/control_factory.h"
#include "ui/circle_progress.h"
#include "ui/cloud_share_list_item.h"
#include "ui/device_key_button.h"
#include "ui/audio_record.h"
#include "ui/chart_view.h"
#include "ui/device_option.h"
#include "ui/device_profile.h"
#include "ui/key_set_control.h"
#include "ui/macro_control.h"
#include "ui/shoot_control.h"
#include "ui/hand_img_button.h"
#include "ui/light_control.h"
#include "ui/mp_device_power.h"
#include "ui/select_panel.h"
#include "ui/skin_panel.h"
#include "ui/update_info_list_item.h"

namespace viremo::ui {
namespace {

template <class Control>
void Register(toolkit::CControlFactory& factory, std::string_view name) {
    factory.Register(name, [] { return std::make_unique<Control>(); });
}

}  // namespace

void RegisterProgramControls() {
    auto& factory = toolkit::CControlFactory::Instance();
    Register<CDeviceOptionUI>(factory, "CDeviceOptionUI");
    Register<CMpDevicePowerUI>(factory, "CMpDevicePowerUI");
    Register<CCircleProgressUI>(factory, CCircleProgressUI::kClassName);
    Register<CDeviceKeyButtonUI>(factory, CDeviceKeyButtonUI::kClassName);
    Register<CSelectPanelUI>(factory, CSelectPanelUI::kClassName);
    Register<CHandImgButtonUI>(factory, CHandImgButtonUI::kClassName);
    Register<CCloudShareListItemUI>(factory, CCloudShareListItemUI::kClassName);
    Register<CLightControlUI>(factory, CLightControlUI::kClassName);
    Register<CSkinPanelUI>(factory, CSkinPanelUI::kClassName);
    Register<CDeviceProfileUI>(factory, CDeviceProfileUI::kClassName);
    Register<CKeySetControlUI>(factory, CKeySetControlUI::kClassName);
    Register<CMacroControlUI>(factory, CMacroControlUI::kClassName);
    Register<CShootControlUI>(factory, "ShootControl");
    Register<CUpdateInfoListItemUI>(factory, "CUpdateInfoListItemUI");
    Register<CAudioRecordUI>(factory, "CAudioRecordUI");
    Register<CChartViewUI>(factory, "CChartViewUI");
}

}  // namespace viremo::ui
