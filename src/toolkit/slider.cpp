#include "toolkit/slider.h"

#include "toolkit/image_description.h"

namespace viremo::toolkit {

std::string_view CSliderUI::GetClass() const { return "Slider"; }

void CSliderUI::SetThumbSize(Size size) {
    m_szThumb = size;
    Invalidate();
}

int CSliderUI::TrackLength() const {
    // The thumb's centre runs from half a thumb in to half a thumb before
    // the end.
    int thumb = m_bHorizontal ? Scale(m_szThumb.cx) : Scale(m_szThumb.cy);
    return std::max(0, CProgressUI::TrackLength() - thumb);
}

Rect CSliderUI::GetThumbRect() const {
    int cx = Scale(m_szThumb.cx);
    int cy = Scale(m_szThumb.cy);
    int span = m_nMax - m_nMin;
    int offset = span > 0 ? static_cast<int>(static_cast<long long>(TrackLength()) * (m_nValue - m_nMin) / span) : 0;
    if (m_bHorizontal) {
        int left = m_rcItem.left + offset;
        int top = m_rcItem.top + (m_rcItem.Height() - cy) / 2;
        return {left, top, left + cx, top + cy};
    }
    int top = m_rcItem.bottom - cy - offset;
    int left = m_rcItem.left + (m_rcItem.Width() - cx) / 2;
    return {left, top, left + cx, top + cy};
}

int CSliderUI::ValueAt(Point point) const {
    int track = TrackLength();
    if (track <= 0) return m_nMin;
    int along = m_bHorizontal ? point.x - m_rcItem.left - Scale(m_szThumb.cx) / 2
                              : m_rcItem.bottom - point.y - Scale(m_szThumb.cy) / 2;
    along = std::clamp(along, 0, track);
    long long span = m_nMax - m_nMin;
    // Round to the nearest step from min.
    long long raw = (span * along * 2 + track) / (2LL * track);
    long long stepped = (raw + m_nStep / 2) / m_nStep * m_nStep;
    return static_cast<int>(std::clamp<long long>(m_nMin + stepped, m_nMin, m_nMax));
}

void CSliderUI::SetValue(int value) {
    CProgressUI::SetValue(value);
}

void CSliderUI::SetValue(int value, bool notify) {
    int before = m_nValue;
    CProgressUI::SetValue(value);
    if (notify && m_nValue != before) NotifyManager("valuechanged");
}

void CSliderUI::MoveBy(int steps) {
    SetValue(m_nValue + steps * m_nStep, true);
}

void CSliderUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (IsEnabled()) {
            m_uButtonState |= kStateCaptured | kStatePushed;
            int value = ValueAt(event.ptMouse);
            if (value != m_nValue) {
                CProgressUI::SetValue(value);
                if (m_bSendMove) NotifyManager("movevaluechanged");
            }
            Invalidate();
        }
        return;
    case EventType::MouseMove:
        if (IsCaptured()) {
            int value = ValueAt(event.ptMouse);
            if (value != m_nValue) {
                CProgressUI::SetValue(value);
                if (m_bSendMove) NotifyManager("movevaluechanged");
            }
        }
        return;
    case EventType::ButtonUp:
        if (IsCaptured()) {
            m_uButtonState &= ~(kStateCaptured | kStatePushed);
            CProgressUI::SetValue(ValueAt(event.ptMouse));
            Invalidate();
            NotifyManager("valuechanged");
        }
        return;
    case EventType::ScrollWheel:
        if (IsEnabled()) MoveBy(event.wParam == 0 ? 1 : -1);
        return;
    case EventType::KeyDown:
        if (IsEnabled() && (event.chKey == kKeyLeft || event.chKey == kKeyDown)) {
            MoveBy(-1);
            return;
        }
        if (IsEnabled() && (event.chKey == kKeyRight || event.chKey == kKeyUp)) {
            MoveBy(1);
            return;
        }
        break;
    case EventType::MouseEnter:
        m_uButtonState |= kStateHot;
        Invalidate();
        return;
    case EventType::MouseLeave:
        m_uButtonState &= ~kStateHot;
        Invalidate();
        return;
    default:
        break;
    }
    CProgressUI::DoEvent(event);
}

void CSliderUI::PaintStatusImage(IRenderer& renderer) {
    const std::string& image = IsPushed() && !m_sThumbPushedImage.empty() ? m_sThumbPushedImage
                               : IsHot() && !m_sThumbHotImage.empty()   ? m_sThumbHotImage
                                                                        : m_sThumbImage;
    if (image.empty()) return;
    ImageDraw draw;
    draw.image = ParseImageDescription(image);
    draw.path = ResolveImagePath(draw.image.file);
    draw.target = GetThumbRect();
    renderer.DrawImage(draw);
}

void CSliderUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "step") SetChangeStep(ParseInt(value));
    else if (name == "thumbsize") SetThumbSize(ParseSize(value));
    else if (name == "sendmove") SetSendMove(ParseBool(value));
    else if (name == "thumbimage") m_sThumbImage = std::string(value);
    else if (name == "thumbhotimage") m_sThumbHotImage = std::string(value);
    else if (name == "thumbpushedimage") m_sThumbPushedImage = std::string(value);
    else CProgressUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
