#include "ui/device_key_button.h"

namespace viremo::ui {

void CDeviceKeyButtonUI::SetLight(toolkit::Color colour, int level, bool shown) {
    m_lightColour = colour;
    m_lightLevel = level;
    m_lightShown = shown;
}

void CDeviceKeyButtonUI::SetKeySetMarkHidden(int hidden) {
    if (hidden == m_keySetMarkHidden) return;
    m_keySetMarkHidden = hidden;
    Invalidate();
}

void CDeviceKeyButtonUI::SetSelectMark(int mark) {
    if (mark == m_selectMark) return;
    m_selectMark = mark;
    Invalidate();
}

void CDeviceKeyButtonUI::DoEvent(toolkit::TEventUI& event) {
    if (event.Type == toolkit::EventType::DoubleClick && IsEnabled() && m_rcItem.Contains(event.ptMouse)) {
        m_uButtonState |= toolkit::kStatePushed | toolkit::kStateCaptured;
        NotifyManager("dbclick");
        Invalidate();
        return;
    }
    toolkit::CButtonUI::DoEvent(event);
}

void CDeviceKeyButtonUI::PaintStatusImage(toolkit::IRenderer& renderer) {
    toolkit::CButtonUI::PaintStatusImage(renderer);
    if (m_lightShown) DrawImage(renderer, m_lightImage, m_lightColour, m_lightLevel);
    if (m_keySetMarkHidden == 0) DrawImage(renderer, m_keySetImage);
}

void CDeviceKeyButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "lightimage") m_lightImage = value;
    else if (name == "keysetimage") m_keySetImage = value;
    else if (name == "gmnametextcolor") return;  // kept for older layouts; names are drawn in the text colour
    else toolkit::CButtonUI::SetAttribute(name, value);
}

}  // namespace viremo::ui
