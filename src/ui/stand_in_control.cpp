#include "ui/stand_in_control.h"

#include "toolkit/button.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/list_container_element.h"
#include "toolkit/option.h"
#include "toolkit/progress.h"
#include "toolkit/vertical_layout.h"

namespace viremo::ui {

namespace {

template <class Base>
void StandIn(toolkit::CControlFactory& factory, std::string_view className) {
    if (factory.Create(className)) return;
    factory.Register(className, [name = std::string(className)] { return std::make_unique<CStandInUI<Base>>(name); });
}

}  // namespace

void RegisterControlStandIns(toolkit::CControlFactory& factory) {
    StandIn<toolkit::CVerticalLayoutUI>(factory, "SelectPanel");
    StandIn<toolkit::CHorizontalLayoutUI>(factory, "MpDevicePower");
    StandIn<toolkit::COptionUI>(factory, "DeviceOption");
    StandIn<toolkit::CProgressUI>(factory, "CircleProgress");
    for (const char* button : {"DeviceKeyButton", "HandImgButton", "HandImgSelectButton", "RedioMacroButton"})
        StandIn<toolkit::CButtonUI>(factory, button);
    StandIn<toolkit::CListContainerElementUI>(factory, "ComboEditContainerElement");
}

}  // namespace viremo::ui
