#include "toolkit/qt/qt_renderer.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <algorithm>

#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/nine_slice.h"
#include "toolkit/qt/qt_convert.h"

namespace viremo::toolkit::qt {

namespace {

// Corner ellipse size (as skins give it) to radii.
QPointF Radii(Size round) { return QPointF(round.cx / 2.0, round.cy / 2.0); }

// A picture filled with the tint colour wherever it is opaque.
QImage Tinted(const QImage& image, Color tint) {
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(ToQColor(tint | 0xFF000000));
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, image);
    return result;
}

}  // namespace

Size CQtTextMeasurer::MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) {
    QFontMetrics metrics(ToQFont(font));
    const QString qtext = ToQString(text);
    if (format & kTextSingleLine || !(format & kTextWordBreak) || maxWidth <= 0) {
        int width = 0;
        const QStringList lines = (format & kTextSingleLine) ? QStringList{qtext} : qtext.split(u'\n');
        for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
        return {width, metrics.height() * static_cast<int>(lines.size())};
    }
    QRect bounds = metrics.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, qtext);
    return {bounds.width(), bounds.height()};
}

CQtTextMeasurer& SharedTextMeasurer() {
    static CQtTextMeasurer measurer;
    return measurer;
}

CQtRenderer::CQtRenderer(QPainter& painter, CImageCache& images, double scale)
    : m_painter(painter), m_images(images), m_scale(scale) {}

Size CQtRenderer::MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) {
    return SharedTextMeasurer().MeasureText(text, font, format, maxWidth);
}

void CQtRenderer::FillRect(const Rect& rect, Color color) {
    if (color == 0 || rect.IsEmpty()) return;
    m_painter.fillRect(ToQRect(rect), ToQColor(color));
}

void CQtRenderer::DrawRect(const Rect& rect, int size, Color color) {
    if (color == 0 || size <= 0 || rect.IsEmpty()) return;
    // The border lies inside the rectangle: four bands.
    const QColor c = ToQColor(color);
    const int s = std::min({size, rect.Width(), rect.Height()});
    m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), s), c);
    m_painter.fillRect(QRect(rect.left, rect.bottom - s, rect.Width(), s), c);
    m_painter.fillRect(QRect(rect.left, rect.top + s, s, rect.Height() - 2 * s), c);
    m_painter.fillRect(QRect(rect.right - s, rect.top + s, s, rect.Height() - 2 * s), c);
}

void CQtRenderer::FillRoundRect(const Rect& rect, Size round, Color color) {
    if (color == 0 || rect.IsEmpty()) return;
    QPainterPath path;
    QPointF r = Radii(round);
    path.addRoundedRect(QRectF(ToQRect(rect)), r.x(), r.y());
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.fillPath(path, ToQColor(color));
    m_painter.restore();
}

void CQtRenderer::DrawRoundRect(const Rect& rect, int size, Size round, Color color) {
    if (color == 0 || size <= 0 || rect.IsEmpty()) return;
    const double half = size / 2.0;
    QRectF inner = QRectF(ToQRect(rect)).adjusted(half, half, -half, -half);
    QPointF r = Radii(round);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(QPen(ToQColor(color), size));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRoundedRect(inner, std::max(0.0, r.x() - half), std::max(0.0, r.y() - half));
    m_painter.restore();
}

void CQtRenderer::DrawLine(Point from, Point to, int size, Color color) {
    if (color == 0 || size <= 0) return;
    m_painter.save();
    m_painter.setPen(QPen(ToQColor(color), size));
    m_painter.drawLine(ToQPoint(from), ToQPoint(to));
    m_painter.restore();
}

void CQtRenderer::DrawImage(const ImageDraw& draw) {
    if (draw.target.IsEmpty() || draw.image.fade <= 0) return;
    // A whole SVG picture, neither cut nor tiled, is drawn at the size shown.
    const bool sizedSvg = IsSvgFile(draw.path) && draw.image.source == Rect{} && draw.image.corner == Rect{} &&
                          !draw.image.xtiled && !draw.image.ytiled && draw.image.mask == 0;
    const QImage& picture = sizedSvg ? m_images.GetAtSize(draw.path, ToQRect(draw.target).size())
                                     : m_images.Get(draw.path, draw.image.mask);
    if (picture.isNull()) return;
    Rect whole{0, 0, picture.width(), picture.height()};
    Rect source = draw.image.source == Rect{} ? whole : draw.image.source.Intersection(whole);
    if (source.IsEmpty()) return;
    if (draw.tinted) {
        if (draw.level <= 0) return;
        DrawPicture(Tinted(picture, draw.tint), source, draw);
        return;
    }
    DrawPicture(picture, source, draw);
}

void CQtRenderer::DrawPicture(const QImage& image, const Rect& source, const ImageDraw& draw) {
    const double opacity = (draw.image.fade / 255.0) * (draw.tinted ? draw.level / 255.0 : 1.0);
    m_painter.save();
    m_painter.setOpacity(m_painter.opacity() * opacity);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (draw.image.xtiled || draw.image.ytiled) {
        DrawTiled(image, ToQRect(source), ToQRect(draw.target), draw.image.xtiled, draw.image.ytiled);
    } else if (draw.image.corner == Rect{}) {
        m_painter.drawImage(ToQRect(draw.target), image, ToQRect(source));
    } else {
        for (const Slice& slice : NineSlice(source, draw.target, draw.image.corner, m_scale, draw.image.hole))
            m_painter.drawImage(ToQRect(slice.target), image, ToQRect(slice.source));
    }
    m_painter.restore();
}

void CQtRenderer::DrawTiled(const QImage& image, const QRect& source, const QRect& target, bool xtiled, bool ytiled) {
    // A tiled axis repeats the piece at its own size; the other stretches.
    const int stepX = xtiled ? source.width() : target.width();
    const int stepY = ytiled ? source.height() : target.height();
    m_painter.setClipRect(target, Qt::IntersectClip);
    for (int y = target.top(); y < target.top() + target.height(); y += stepY)
        for (int x = target.left(); x < target.left() + target.width(); x += stepX)
            m_painter.drawImage(QRect(x, y, stepX, stepY), image, source);
}

void CQtRenderer::DrawText(const Rect& rect, std::string_view text, const TextStyle& style) {
    if (text.empty() || rect.IsEmpty() || style.color == 0) return;
    const QFont font = ToQFont(style.font);
    QString qtext = ToQString(text);
    if (style.format & kTextEndEllipsis) {
        QFontMetrics metrics(font);
        if (style.format & kTextSingleLine || !(style.format & kTextWordBreak))
            qtext = metrics.elidedText(qtext, Qt::ElideRight, rect.Width());
    }
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(ToQColor(style.color));
    m_painter.drawText(ToQRect(rect), ToQtTextFlags(style.format), qtext);
    m_painter.restore();
}

void CQtRenderer::FillPie(const Rect& rect, double startDegrees, double sweepDegrees, Color color) {
    if (color == 0 || rect.IsEmpty()) return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQColor(color));
    // Qt counts sixteenths of a degree, counter-clockwise.
    m_painter.drawPie(QRectF(ToQRect(rect)), static_cast<int>(-startDegrees * 16),
                      static_cast<int>(-sweepDegrees * 16));
    m_painter.restore();
}

void CQtRenderer::FillEllipse(const Rect& rect, Color color) {
    if (color == 0 || rect.IsEmpty()) return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQColor(color));
    m_painter.drawEllipse(QRectF(ToQRect(rect)));
    m_painter.restore();
}

void CQtRenderer::PushClip(const Rect& rect) {
    m_painter.save();
    ++m_clipDepth;
    if (m_painter.hasClipping()) m_painter.setClipRect(ToQRect(rect), Qt::IntersectClip);
    else m_painter.setClipRect(ToQRect(rect));
}

void CQtRenderer::PopClip() {
    if (m_clipDepth == 0) return;
    --m_clipDepth;
    m_painter.restore();
}

}  // namespace viremo::toolkit::qt
