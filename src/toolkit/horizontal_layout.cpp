#include "toolkit/horizontal_layout.h"

namespace viremo::toolkit {

std::string_view CHorizontalLayoutUI::GetClass() const { return "HorizontalLayout"; }

void CHorizontalLayoutUI::SetPos(const Rect& rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayOutLinear(true);
}

}  // namespace viremo::toolkit
