#include "toolkit/list_label_element.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {

std::string_view CListLabelElementUI::GetClass() const { return "ListLabelElement"; }

bool CListLabelElementUI::Select(bool select, bool notify) {
    return SelectListRow(*this, m_row, select, notify);
}

bool CListLabelElementUI::Activate() {
    if (!CLabelUI::Activate()) return false;
    NotifyManager("itemactivate");
    return true;
}

Size CListLabelElementUI::EstimateSize(Size available) {
    Size size = CLabelUI::EstimateSize(available);
    if (size.cy == 0 && m_row.owner) size.cy = Scale(m_row.owner->GetListInfo().itemHeight);
    return size;
}

void CListLabelElementUI::DoEvent(TEventUI& event) {
    if (!HandleListRowEvent(*this, m_row, *this, event)) CLabelUI::DoEvent(event);
}

void CListLabelElementUI::DoPaint(IRenderer& renderer, const Rect& paint) {
    if (!paint.Intersects(m_rcItem)) return;
    DrawItemBk(renderer);
    DrawItemText(renderer);
    PaintBorder(renderer);
}

void CListLabelElementUI::DrawItemBk(IRenderer& renderer) {
    PaintListRowBackground(*this, m_row, renderer);
}

void CListLabelElementUI::DrawItemText(IRenderer& renderer) {
    std::string text = GetDisplayText();
    if (text.empty()) return;
    const TListInfoUI& info = ListRowInfo(m_row);
    TextStyle style;
    style.font = CPaintManagerUI::GetFont(info.font);
    style.font.size = Scale(style.font.size);
    style.color = ListRowTextColor(*this, m_row);
    style.format = info.textStyle;
    Rect area = m_rcItem.Deflated(Scale(info.textPadding));
    renderer.DrawText(area, text, style);
}

void CListLabelElementUI::SetAttribute(std::string_view name, std::string_view value) {
    if (!SetListRowAttribute(*this, m_row, name, value)) CLabelUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
