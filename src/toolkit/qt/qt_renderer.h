#pragma once
// The toolkit's renderer on a QPainter: colours, nine-patch and tinted
// pictures from the shared image cache, text through QFontMetrics (elided
// on request), round borders, pies and ellipses, nested clips.
#include <QPainter>

#include <vector>

#include "toolkit/render.h"

namespace viremo::toolkit::qt {

class CImageCache;

// Measures text the way CQtRenderer draws it; managers use it for
// auto-size without a painter.
class CQtTextMeasurer : public ITextMeasurer {
public:
    Size MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) override;
};

// The measurer every Qt-hosted window shares.
CQtTextMeasurer& SharedTextMeasurer();

class CQtRenderer : public IRenderer {
public:
    // scale: the window's DPI scale, applied to nine-patch corners.
    CQtRenderer(QPainter& painter, CImageCache& images, double scale = 1.0);

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

private:
    void DrawPicture(const QImage& image, const Rect& source, const ImageDraw& draw);
    void DrawTiled(const QImage& image, const QRect& source, const QRect& target, bool xtiled, bool ytiled);

    QPainter& m_painter;
    CImageCache& m_images;
    double m_scale;
    int m_clipDepth = 0;
};

}  // namespace viremo::toolkit::qt
