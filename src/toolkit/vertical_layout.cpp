#include "toolkit/vertical_layout.h"

namespace viremo::toolkit {

std::string_view CVerticalLayoutUI::GetClass() const { return "VerticalLayout"; }

void CVerticalLayoutUI::SetPos(const Rect& rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayOutLinear(false);
}

}  // namespace viremo::toolkit
