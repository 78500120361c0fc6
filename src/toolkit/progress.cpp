#include "toolkit/progress.h"

#include "toolkit/image_description.h"

namespace viremo::toolkit {

CProgressUI::CProgressUI() {
    m_uTextStyle = kTextCenter | kTextVCenter | kTextSingleLine;
}

std::string_view CProgressUI::GetClass() const { return "Progress"; }

void CProgressUI::SetHorizontal(bool horizontal) { m_bHorizontal = horizontal; Invalidate(); }

void CProgressUI::SetMinValue(int min) {
    m_nMin = min;
    if (m_nMax < m_nMin) m_nMax = m_nMin;
    SetValue(m_nValue);
}

void CProgressUI::SetMaxValue(int max) {
    m_nMax = max;
    if (m_nMin > m_nMax) m_nMin = m_nMax;
    SetValue(m_nValue);
}

void CProgressUI::SetValue(int value) {
    value = std::clamp(value, m_nMin, m_nMax);
    if (value == m_nValue) return;
    m_nValue = value;
    Invalidate();
}

int CProgressUI::TrackLength() const {
    return m_bHorizontal ? m_rcItem.Width() : m_rcItem.Height();
}

Rect CProgressUI::FilledRect() const {
    int span = m_nMax - m_nMin;
    long long length = span > 0 ? static_cast<long long>(TrackLength()) * (m_nValue - m_nMin) / span : 0;
    Rect filled = m_rcItem;
    if (m_bHorizontal) filled.right = filled.left + static_cast<int>(length);
    else filled.top = filled.bottom - static_cast<int>(length);
    return filled;
}

void CProgressUI::PaintForeColor(IRenderer& renderer) {
    Rect filled = FilledRect();
    if (m_dwForeColor != 0 && !filled.IsEmpty()) renderer.FillRect(filled, m_dwForeColor);
}

void CProgressUI::PaintForeImage(IRenderer& renderer) {
    Rect filled = FilledRect();
    if (m_sForeImage.empty() || filled.IsEmpty()) return;
    // The picture is cut, not squeezed: the filled share of its source.
    ImageDraw draw;
    draw.image = ParseImageDescription(m_sForeImage);
    draw.path = ResolveImagePath(draw.image.file);
    draw.target = filled;
    if (draw.image.source != Rect{} && TrackLength() > 0) {
        Rect& source = draw.image.source;
        if (m_bHorizontal)
            source.right = source.left + source.Width() * filled.Width() / TrackLength();
        else
            source.top = source.bottom - source.Height() * filled.Height() / TrackLength();
    }
    renderer.DrawImage(draw);
}

void CProgressUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "hor") SetHorizontal(ParseBool(value));
    else if (name == "min") SetMinValue(ParseInt(value));
    else if (name == "max") SetMaxValue(ParseInt(value));
    else if (name == "value") SetValue(ParseInt(value));
    else CLabelUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
