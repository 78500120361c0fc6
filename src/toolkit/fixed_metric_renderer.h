#pragma once
// A renderer for tests and headless runs. Text has fixed metrics: every code
// point is half the font size wide (at least 1 pixel) and a line is the font
// size high. Drawing calls are kept as readable lines, e.g.
//   "fill 0,0,100,20 #FF102030"
//   "text 4,0,96,20 'OK' font=12 #FF000000 format=37"
//   "image 0,0,40,20 file=btn.png"
#include <string>
#include <vector>

#include "toolkit/render.h"

namespace viremo::toolkit {

class CFixedMetricMeasurer : public ITextMeasurer {
public:
    Size MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) override;
};

class CFixedMetricRenderer : public IRenderer {
public:
    Size MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) override;
    void FillRect(const Rect& rect, Color color) override;
    void DrawRect(const Rect& rect, int size, Color color) override;
    void FillRoundRect(const Rect& rect, Size round, Color color) override;
    void DrawRoundRect(const Rect& rect, int size, Size round, Color color) override;
    void DrawLine(Point from, Point to, int size, Color color) override;
    void DrawImage(const ImageDraw& draw) override;
    void DrawText(const Rect& rect, std::string_view text, const TextStyle& style) override;
    void FillPie(const Rect& rect, double startDegrees, double sweepDegrees, Color color) override;
    void FillEllipse(const Rect& rect, Color color) override;
    void PushClip(const Rect& rect) override;
    void PopClip() override;

    const std::vector<std::string>& Calls() const { return m_calls; }
    void Clear() { m_calls.clear(); }
    // Calls that start with the prefix ("text", "fill", ...).
    std::vector<std::string> CallsOf(std::string_view prefix) const;
    int ClipDepth() const { return static_cast<int>(m_clips.size()); }

private:
    void Record(std::string call);

    std::vector<std::string> m_calls;
    std::vector<Rect> m_clips;
};

}  // namespace viremo::toolkit
