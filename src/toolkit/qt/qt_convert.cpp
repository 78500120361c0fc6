#include "toolkit/qt/qt_convert.h"

namespace viremo::toolkit::qt {

QFont ToQFont(const FontInfo& font) {
    QFont qfont(font.family.empty() ? QStringLiteral("Sans") : ToQString(font.family));
    qfont.setPixelSize(font.size > 0 ? font.size : 12);
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    qfont.setItalic(font.italic);
    return qfont;
}

int ToQtTextFlags(unsigned format) {
    int flags = 0;
    if (format & kTextCenter) flags |= Qt::AlignHCenter;
    else if (format & kTextRight) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;
    if (format & kTextVCenter) flags |= Qt::AlignVCenter;
    else if (format & kTextBottom) flags |= Qt::AlignBottom;
    else flags |= Qt::AlignTop;
    if (format & kTextSingleLine) flags |= Qt::TextSingleLine;
    else if (format & kTextWordBreak) flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace viremo::toolkit::qt
