#include "toolkit/button.h"

#include "toolkit/image_description.h"

namespace viremo::toolkit {

CButtonUI::CButtonUI() {
    m_uTextStyle = kTextCenter | kTextVCenter | kTextSingleLine;
}

std::string_view CButtonUI::GetClass() const { return "Button"; }

void CButtonUI::SetNormalImage(std::string image) { m_images.normal = std::move(image); Invalidate(); }
void CButtonUI::SetHotImage(std::string image) { m_images.hot = std::move(image); Invalidate(); }
void CButtonUI::SetPushedImage(std::string image) { m_images.pushed = std::move(image); Invalidate(); }
void CButtonUI::SetFocusedImage(std::string image) { m_images.focused = std::move(image); Invalidate(); }
void CButtonUI::SetDisabledImage(std::string image) { m_images.disabled = std::move(image); Invalidate(); }

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) return false;
    NotifyManager("click");
    return true;
}

void CButtonUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (m_rcItem.Contains(event.ptMouse) && IsEnabled()) {
            m_uButtonState |= kStatePushed | kStateCaptured;
            Invalidate();
        }
        return;
    case EventType::MouseMove:
        if (IsCaptured()) {
            bool inside = m_rcItem.Contains(event.ptMouse);
            if (inside != IsPushed()) {
                m_uButtonState = inside ? m_uButtonState | kStatePushed : m_uButtonState & ~kStatePushed;
                Invalidate();
            }
        }
        return;
    case EventType::ButtonUp:
        if (IsCaptured()) {
            m_uButtonState &= ~(kStatePushed | kStateCaptured);
            Invalidate();
            // Activation comes last: the click handler may remove the button.
            if (m_rcItem.Contains(event.ptMouse)) Activate();
        }
        return;
    case EventType::MouseEnter:
        if (IsEnabled()) {
            m_uButtonState |= kStateHot;
            Invalidate();
        }
        return;
    case EventType::MouseLeave:
        m_uButtonState &= ~kStateHot;
        Invalidate();
        return;
    case EventType::KeyDown:
        if (IsKeyboardEnabled() && (event.chKey == kKeyReturn || event.chKey == ' ')) {
            Activate();
            return;
        }
        break;
    default:
        break;
    }
    CLabelUI::DoEvent(event);
}

void CButtonUI::PaintBkColor(IRenderer& renderer) {
    if (IsHot() && m_dwHotBkColor != 0 && IsEnabled()) {
        renderer.FillRect(m_rcItem, m_dwHotBkColor);
        return;
    }
    CLabelUI::PaintBkColor(renderer);
}

void CButtonUI::PaintStatusImage(IRenderer& renderer) {
    PaintStateImage(*this, renderer, m_images);
}

Color CButtonUI::CurrentTextColor() const {
    if (!IsEnabled()) return m_dwDisabledTextColor;
    if (IsPushed() && m_dwPushedTextColor != 0) return m_dwPushedTextColor;
    if (IsHot() && m_dwHotTextColor != 0) return m_dwHotTextColor;
    if (IsFocused() && m_dwFocusedTextColor != 0) return m_dwFocusedTextColor;
    return m_dwTextColor;
}

void CButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    if (SetStateImageAttribute(m_images, name, value)) Invalidate();
    else if (name == "hottextcolor") SetHotTextColor(ParseColor(value));
    else if (name == "pushedtextcolor") SetPushedTextColor(ParseColor(value));
    else if (name == "focusedtextcolor") SetFocusedTextColor(ParseColor(value));
    else if (name == "hotbkcolor") SetHotBkColor(ParseColor(value));
    else CLabelUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
