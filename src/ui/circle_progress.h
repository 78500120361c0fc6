#pragma once
// A ring-shaped progress display ("CircleProgress"): a disc in the
// background colour, a pie in the foreground colour from the bottom,
// clockwise, over the filled share, and an opaque white disc inset by
// 10 px that leaves a ring.
#include "toolkit/progress.h"

namespace viremo::ui {

class CCircleProgressUI : public toolkit::CProgressUI {
public:
    static constexpr std::string_view kClassName = "CircleProgress";
    std::string_view GetClass() const override { return kClassName; }

    // The filled share in whole degrees, (value - min) / (max - min) of a
    // turn; 0 when the range is empty.
    int SweepDegrees() const;

    void PaintBkColor(toolkit::IRenderer& renderer) override;
    void PaintForeColor(toolkit::IRenderer& renderer) override;
};

}  // namespace viremo::ui
