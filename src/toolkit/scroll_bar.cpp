#include "toolkit/scroll_bar.h"

#include "toolkit/container.h"
#include "toolkit/image_description.h"

namespace viremo::toolkit {

namespace {
constexpr int kDefaultThickness = 8;
constexpr int kMinThumb = 12;
}  // namespace

std::string_view CScrollBarUI::GetClass() const { return "ScrollBar"; }

void CScrollBarUI::SetScrollRange(int range) {
    m_nRange = std::max(0, range);
    m_nScrollPos = std::clamp(m_nScrollPos, 0, m_nRange);
    Invalidate();
}

void CScrollBarUI::SetScrollPos(int pos) {
    m_nScrollPos = std::clamp(pos, 0, m_nRange);
    Invalidate();
}

int CScrollBarUI::GetThickness() const {
    int fixed = m_bHorizontal ? m_cxyFixed.cy : m_cxyFixed.cx;
    return fixed > 0 ? fixed : kDefaultThickness;
}

int CScrollBarUI::TrackLength() const {
    return m_bHorizontal ? m_rcItem.Width() : m_rcItem.Height();
}

int CScrollBarUI::ThumbLength() const {
    int track = TrackLength();
    if (track <= 0) return 0;
    long long length = static_cast<long long>(track) * track / (track + m_nRange);
    return static_cast<int>(std::clamp<long long>(length, std::min(Scale(kMinThumb), track), track));
}

Rect CScrollBarUI::GetThumbRect() const {
    int track = TrackLength();
    int thumb = ThumbLength();
    int offset = m_nRange > 0 ? static_cast<int>(static_cast<long long>(track - thumb) * m_nScrollPos / m_nRange) : 0;
    if (m_bHorizontal)
        return {m_rcItem.left + offset, m_rcItem.top, m_rcItem.left + offset + thumb, m_rcItem.bottom};
    return {m_rcItem.left, m_rcItem.top + offset, m_rcItem.right, m_rcItem.top + offset + thumb};
}

void CScrollBarUI::ScrollOwnerTo(int pos) {
    pos = std::clamp(pos, 0, m_nRange);
    if (!m_pOwner) {
        SetScrollPos(pos);
        return;
    }
    Size current = m_pOwner->GetScrollPos();
    if (m_bHorizontal) current.cx = pos;
    else current.cy = pos;
    m_pOwner->SetScrollPos(current);
}

void CScrollBarUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick: {
        if (!IsEnabled()) return;
        Rect thumb = GetThumbRect();
        if (thumb.Contains(event.ptMouse)) {
            m_uButtonState |= kStateCaptured | kStatePushed;
            m_nDragStart = Along(event.ptMouse);
            m_nDragStartPos = m_nScrollPos;
        } else if (Along(event.ptMouse) < Along({thumb.left, thumb.top})) {
            ScrollOwnerTo(m_nScrollPos - TrackLength());
        } else {
            ScrollOwnerTo(m_nScrollPos + TrackLength());
        }
        Invalidate();
        return;
    }
    case EventType::MouseMove:
        if (IsCaptured()) {
            int free = TrackLength() - ThumbLength();
            if (free > 0) {
                long long moved = Along(event.ptMouse) - m_nDragStart;
                ScrollOwnerTo(m_nDragStartPos + static_cast<int>(moved * m_nRange / free));
            }
        } else {
            bool hot = GetThumbRect().Contains(event.ptMouse);
            if (hot != m_bThumbHot) {
                m_bThumbHot = hot;
                Invalidate();
            }
        }
        return;
    case EventType::ButtonUp:
        m_uButtonState &= ~(kStateCaptured | kStatePushed);
        Invalidate();
        return;
    case EventType::MouseLeave:
        m_bThumbHot = false;
        Invalidate();
        return;
    default:
        CControlUI::DoEvent(event);
    }
}

void CScrollBarUI::DoPaint(IRenderer& renderer, const Rect& paint) {
    if (!paint.Intersects(m_rcItem)) return;
    PaintBkColor(renderer);
    PaintBkImage(renderer);
    Rect thumb = GetThumbRect();
    if (thumb.IsEmpty()) return;
    const std::string& image = IsPushed() && !m_sThumbPushedImage.empty() ? m_sThumbPushedImage
                               : m_bThumbHot && !m_sThumbHotImage.empty() ? m_sThumbHotImage
                                                                          : m_sThumbImage;
    if (!image.empty()) {
        ImageDraw draw;
        draw.image = ParseImageDescription(image);
        draw.path = ResolveImagePath(draw.image.file);
        draw.target = thumb;
        renderer.DrawImage(draw);
    } else {
        renderer.FillRect(thumb, m_bThumbHot || IsPushed() ? m_dwThumbHotColor : m_dwThumbColor);
    }
}

void CScrollBarUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "thumbcolor") m_dwThumbColor = ParseColor(value);
    else if (name == "thumbhotcolor") m_dwThumbHotColor = ParseColor(value);
    else if (name == "thumbimage") m_sThumbImage = std::string(value);
    else if (name == "thumbhotimage") m_sThumbHotImage = std::string(value);
    else if (name == "thumbpushedimage") m_sThumbPushedImage = std::string(value);
    else if (name == "linesize") SetLineSize(ParseInt(value));
    else CControlUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
