#include "ui/cloud_share_list_item.h"

#include "toolkit/list_owner.h"

namespace viremo::ui {

void CCloudShareListItemUI::DoEvent(toolkit::TEventUI& event) {
    if (event.Type == toolkit::EventType::MouseEnter && IsEnabled()) {
        m_uButtonState |= toolkit::kStateHot;
        Invalidate();
        return;
    }
    if (event.Type == toolkit::EventType::MouseLeave) {
        m_uButtonState &= ~toolkit::kStateHot;
        Invalidate();
        return;
    }
    toolkit::CListContainerElementUI::DoEvent(event);
}

void CCloudShareListItemUI::DrawItemBk(toolkit::IRenderer& renderer) {
    toolkit::CListContainerElementUI::DrawItemBk(renderer);
    if (!IsHot() || IsSelected() || !m_row.owner) return;
    const toolkit::TListInfoUI& info = m_row.owner->GetListInfo();
    const toolkit::Color frame = info.hotBorderColor != 0 ? info.hotBorderColor : info.hotBkColor;
    if (frame != 0) renderer.DrawRect(m_rcItem, 1, frame);
}

}  // namespace viremo::ui
