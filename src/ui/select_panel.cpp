#include "ui/select_panel.h"

#include <algorithm>

#include "ui/device_key_button.h"

namespace viremo::ui {

void CSelectPanelUI::DoEvent(toolkit::TEventUI& event) {
    toolkit::CVerticalLayoutUI::DoEvent(event);
    switch (event.Type) {
    case toolkit::EventType::ButtonDown:
        if (!IsEnabled()) break;
        m_pressed = true;
        m_start = m_current = event.ptMouse;
        break;
    case toolkit::EventType::MouseMove:
        if (m_pressed) m_selecting = true;
        if (m_selecting) Track(event.ptMouse);
        break;
    case toolkit::EventType::ButtonUp:
        m_pressed = false;
        if (!m_selecting) break;
        m_selecting = false;
        m_start = m_current;
        MarkKeys();
        NeedUpdate();
        NotifyManager("click_select_end");
        break;
    default:
        break;
    }
}

void CSelectPanelUI::Track(toolkit::Point point) {
    m_current = point;
    m_selection = {std::min(m_start.x, m_current.x), std::min(m_start.y, m_current.y),
                   std::max(m_start.x, m_current.x), std::max(m_start.y, m_current.y)};
    NeedUpdate();
}

void CSelectPanelUI::MarkKeys() {
    for (int i = 0; i < GetCount(); ++i) {
        auto* key = dynamic_cast<CDeviceKeyButtonUI*>(GetItemAt(i));
        if (!key) continue;
        key->SetSelectMark(key->GetPos().Intersects(m_selection) ? 1 : 0);
    }
}

}  // namespace viremo::ui
