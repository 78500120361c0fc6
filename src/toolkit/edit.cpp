#include "toolkit/edit.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"
#include "toolkit/text_util.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit {

CEditUI::CEditUI() {
    m_sCursor = "ibeam";
}

std::string_view CEditUI::GetClass() const { return "Edit"; }

void CEditUI::SetMaxChar(int count) {
    m_iMaxChar = std::max(0, count);
    std::string kept = Utf8Prefix(m_sText, static_cast<std::size_t>(m_iMaxChar));
    if (kept != m_sText) SetText(kept);
}

void CEditUI::SetReadOnly(bool readOnly) {
    m_bReadOnly = readOnly;
    if (readOnly) m_uButtonState |= kStateReadOnly;
    else m_uButtonState &= ~kStateReadOnly;
    Invalidate();
}

std::string CEditUI::Filter(std::string_view typed) const {
    std::string kept;
    for (char c : typed) {
        if (m_bNumberOnly && (c < '0' || c > '9')) continue;
        if (c == '\n' || c == '\r') continue;
        kept += c;
    }
    return Utf8Prefix(kept, static_cast<std::size_t>(m_iMaxChar));
}

std::string CEditUI::ApplyNativeText(std::string_view typed) {
    if (m_bReadOnly) return m_sText;
    std::string kept = Filter(typed);
    if (kept != m_sText) {
        SetText(kept);
        NotifyManager("textchanged");
    }
    return kept;
}

void CEditUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::SetFocus:
        CLabelUI::DoEvent(event);
        if (m_pManager && m_pManager->GetHost()) m_pManager->GetHost()->ShowEditOverlay(this);
        return;
    case EventType::KillFocus:
        if (m_pManager && m_pManager->GetHost()) m_pManager->GetHost()->ShowEditOverlay(nullptr);
        CLabelUI::DoEvent(event);
        return;
    case EventType::Char:
        if (!m_bReadOnly && event.chKey >= 0x20 && event.chKey != 0x7F) {
            std::string typed = m_sText;
            AppendUtf8(typed, static_cast<char32_t>(event.chKey));
            ApplyNativeText(typed);
        }
        return;
    case EventType::KeyDown:
        if (event.chKey == kKeyReturn) {
            NotifyManager("return");
            return;
        }
        if (event.chKey == kKeyBackspace && !m_bReadOnly && !m_sText.empty()) {
            std::string typed = m_sText;
            Utf8PopBack(typed);
            ApplyNativeText(typed);
            return;
        }
        return;
    case EventType::MouseEnter:
        if (IsEnabled()) m_uButtonState |= kStateHot;
        Invalidate();
        return;
    case EventType::MouseLeave:
        m_uButtonState &= ~kStateHot;
        Invalidate();
        return;
    case EventType::ButtonDown:
    case EventType::ButtonUp:
    case EventType::DoubleClick:
    case EventType::MouseMove:
        return;
    default:
        CLabelUI::DoEvent(event);
    }
}

std::string CEditUI::TextToPaint() const {
    std::string text = GetDisplayText();
    if (m_bPasswordMode) return std::string(Utf8Length(text), '*');
    return text;
}

void CEditUI::PaintStatusImage(IRenderer& renderer) {
    if (!IsEnabled() && DrawImage(renderer, m_sDisabledImage)) return;
    if (IsFocused() && DrawImage(renderer, m_sFocusedImage)) return;
    if (IsHot() && DrawImage(renderer, m_sHotImage)) return;
    DrawImage(renderer, m_sNormalImage);
}

void CEditUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "maxchar") SetMaxChar(ParseInt(value));
    else if (name == "numberonly") SetNumberOnly(ParseBool(value));
    else if (name == "readonly") SetReadOnly(ParseBool(value));
    else if (name == "password") SetPasswordMode(ParseBool(value));
    else if (name == "nativebkcolor") m_dwEditBkColor = ParseColor(value);
    else if (name == "normalimage") m_sNormalImage = std::string(value);
    else if (name == "hotimage") m_sHotImage = std::string(value);
    else if (name == "focusedimage") m_sFocusedImage = std::string(value);
    else if (name == "disabledimage") m_sDisabledImage = std::string(value);
    else CLabelUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
