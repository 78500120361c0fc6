#include "ui/stand_in_control.h"

#include "toolkit/button.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/list_container_element.h"
#include "toolkit/option.h"

namespace viremo::ui {

namespace {

template <class Base>
void StandIn(toolkit::CControlFactory& factory, std::string_view className) {
    if (factory.Create(className)) return;
    factory.Register(className, [name = std::string(className)] { return std::make_unique<CStandInUI<Base>>(name); });
}

}  // namespace

void RegisterControlStandIns(toolkit::CControlFactory& factory) {
    StandIn<toolkit::CHorizontalLayoutUI>(factory, "MpDevicePower");
    StandIn<toolkit::COptionUI>(factory, "DeviceOption");
    for (const char* button : {"HandImgSelectButton", "RedioMacroButton"})
        StandIn<toolkit::CButtonUI>(factory, button);
    StandIn<toolkit::CListContainerElementUI>(factory, "ComboEditContainerElement");
}

}  // namespace viremo::ui
