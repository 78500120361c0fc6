#pragma once
// Conversions between the toolkit's geometry, colours and fonts and Qt's.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

#include "toolkit/geometry.h"
#include "toolkit/render.h"

namespace viremo::toolkit::qt {

inline QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline Rect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
inline QPoint ToQPoint(Point p) { return QPoint(p.x, p.y); }
inline Point FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }

// 0xAARRGGBB.
inline QColor ToQColor(Color c) {
    return QColor(static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>(c & 0xFF), static_cast<int>(c >> 24));
}

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQString(const QString& text) { return text.toStdString(); }

// Font sizes are in pixels. An empty family is the desktop's sans serif.
QFont ToQFont(const FontInfo& font);

// The Qt alignment and text flags of a TextFormat bit set.
int ToQtTextFlags(unsigned format);

}  // namespace viremo::toolkit::qt
