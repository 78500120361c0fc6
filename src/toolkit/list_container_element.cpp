#include "toolkit/list_container_element.h"

#include "toolkit/image_description.h"

namespace viremo::toolkit {

std::string_view CListContainerElementUI::GetClass() const { return "ListContainerElement"; }

bool CListContainerElementUI::Select(bool select, bool notify) {
    return SelectListRow(*this, m_row, select, notify);
}

bool CListContainerElementUI::Activate() {
    if (!CHorizontalLayoutUI::Activate()) return false;
    NotifyManager("itemactivate");
    return true;
}

Size CListContainerElementUI::EstimateSize(Size available) {
    Size size = CHorizontalLayoutUI::EstimateSize(available);
    if (size.cy == 0 && m_row.owner) size.cy = Scale(m_row.owner->GetListInfo().itemHeight);
    return size;
}

void CListContainerElementUI::DoEvent(TEventUI& event) {
    if (!HandleListRowEvent(*this, m_row, *this, event)) CHorizontalLayoutUI::DoEvent(event);
}

void CListContainerElementUI::DoPaint(IRenderer& renderer, const Rect& paint) {
    if (!paint.Intersects(m_rcItem)) return;
    DrawItemBk(renderer);
    CHorizontalLayoutUI::DoPaint(renderer, paint);
}

void CListContainerElementUI::DrawItemBk(IRenderer& renderer) {
    PaintListRowBackground(*this, m_row, renderer);
}

void CListContainerElementUI::SetAttribute(std::string_view name, std::string_view value) {
    if (!SetListRowAttribute(*this, m_row, name, value)) CHorizontalLayoutUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
