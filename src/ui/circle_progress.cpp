#include "ui/circle_progress.h"

namespace viremo::ui {
namespace {

constexpr double kStartAtBottom = 90.0;  // clockwise from the positive x axis
constexpr int kRingWidth = 10;
constexpr toolkit::Color kInnerDisc = 0xFFFFFFFF;

}  // namespace

int CCircleProgressUI::SweepDegrees() const {
    const int span = m_nMax - m_nMin;
    if (span <= 0) return 0;
    return static_cast<int>(static_cast<double>(m_nValue - m_nMin) / span * 360.0);
}

void CCircleProgressUI::PaintBkColor(toolkit::IRenderer& renderer) {
    if (m_dwBackColor != 0) renderer.FillPie(m_rcItem, 0.0, 360.0, m_dwBackColor);
}

void CCircleProgressUI::PaintForeColor(toolkit::IRenderer& renderer) {
    if (const int sweep = SweepDegrees(); sweep > 0)
        renderer.FillPie(m_rcItem, kStartAtBottom, sweep, m_dwForeColor);
    const int inset = Scale(kRingWidth);
    const toolkit::Rect inner{m_rcItem.left + inset, m_rcItem.top + inset, m_rcItem.right - inset,
                              m_rcItem.bottom - inset};
    if (!inner.IsEmpty()) renderer.FillEllipse(inner, kInnerDisc);
}

}  // namespace viremo::ui
