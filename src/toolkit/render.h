#pragma once
// What the control tree needs from whoever draws it. The Qt host implements
// it with QPainter; CFixedMetricRenderer (fixed_metric_renderer.h) records
// the calls and measures text with fixed metrics for headless tests.
#include <string>
#include <string_view>

#include "toolkit/geometry.h"
#include "toolkit/image_description.h"

namespace viremo::toolkit {

// Text placement bits.
enum TextFormat : unsigned {
    kTextLeft = 0,
    kTextCenter = 1,
    kTextRight = 2,
    kTextTop = 0,
    kTextVCenter = 4,
    kTextBottom = 8,
    kTextWordBreak = 16,
    kTextSingleLine = 32,
    kTextEndEllipsis = 64,
};

struct FontInfo {
    std::string family;
    int size = 12;  // pixels
    bool bold = false;
    bool underline = false;
    bool italic = false;
    friend bool operator==(const FontInfo&, const FontInfo&) = default;
};

struct TextStyle {
    FontInfo font;
    Color color = 0xFF000000;
    unsigned format = kTextLeft | kTextVCenter | kTextSingleLine;
};

// One image to draw: the description, the file resolved against the skin
// folder, and the rectangle it lands in (the description's dest already
// applied). A tinted image (a key's light) is drawn in the tint colour at
// the given level (0..255) over its own alpha.
struct ImageDraw {
    ImageDescription image;
    std::string path;
    Rect target;
    bool tinted = false;
    Color tint = 0;
    int level = 255;
};

class ITextMeasurer {
public:
    virtual ~ITextMeasurer() = default;
    // The size text takes in the font; maxWidth > 0 wraps at that width when
    // the format asks for word breaks.
    virtual Size MeasureText(std::string_view text, const FontInfo& font, unsigned format,
                             int maxWidth) = 0;
};

class IRenderer : public ITextMeasurer {
public:
    virtual void FillRect(const Rect& rect, Color color) = 0;
    virtual void DrawRect(const Rect& rect, int size, Color color) = 0;
    virtual void FillRoundRect(const Rect& rect, Size round, Color color) = 0;
    virtual void DrawRoundRect(const Rect& rect, int size, Size round, Color color) = 0;
    virtual void DrawLine(Point from, Point to, int size, Color color) = 0;
    virtual void DrawImage(const ImageDraw& draw) = 0;
    virtual void DrawText(const Rect& rect, std::string_view text, const TextStyle& style) = 0;
    // Angles in degrees, clockwise from the positive x axis.
    virtual void FillPie(const Rect& rect, double startDegrees, double sweepDegrees, Color color) = 0;
    virtual void FillEllipse(const Rect& rect, Color color) = 0;
    // Clips nest: each push narrows the drawing area until its pop.
    virtual void PushClip(const Rect& rect) = 0;
    virtual void PopClip() = 0;
};

}  // namespace viremo::toolkit
