#include "ui/hand_img_button.h"

namespace viremo::ui {

void CHandImgButtonUI::SetHandImage(std::string image) {
    m_handImage = std::move(image);
    Invalidate();
}

void CHandImgButtonUI::DoEvent(toolkit::TEventUI& event) {
    if (IsEnabled()) {
        if (event.Type == toolkit::EventType::MouseEnter) NotifyManager("msenter");
        else if (event.Type == toolkit::EventType::MouseLeave) NotifyManager("msleave");
    }
    toolkit::CButtonUI::DoEvent(event);
}

void CHandImgButtonUI::PaintStatusImage(toolkit::IRenderer& renderer) {
    toolkit::CButtonUI::PaintStatusImage(renderer);
    DrawImage(renderer, m_handImage);
}

void CHandImgButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "handimage") SetHandImage(std::string(value));
    else toolkit::CButtonUI::SetAttribute(name, value);
}

}  // namespace viremo::ui
