#include "toolkit/color_palette.h"

#include <cmath>

#include "toolkit/image_description.h"

namespace viremo::toolkit {

namespace {
constexpr int kCell = 4;  // the palette is painted in squares of this size
constexpr int kGap = 4;   // between palette and bar

double Fraction(int offset, int length) {
    return length > 1 ? std::clamp(static_cast<double>(offset) / (length - 1), 0.0, 1.0) : 0.0;
}
}  // namespace

std::string_view CColorPaletteUI::GetClass() const { return "ColorPalette"; }

Color CColorPaletteUI::HsbToColor(double hue, double saturation, double brightness) {
    hue = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0);
    double chroma = brightness * saturation;
    double x = chroma * (1 - std::fabs(std::fmod(hue / 60.0, 2.0) - 1));
    double m = brightness - chroma;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue / 60.0)) {
    case 0: r = chroma; g = x; break;
    case 1: r = x; g = chroma; break;
    case 2: g = chroma; b = x; break;
    case 3: g = x; b = chroma; break;
    case 4: r = x; b = chroma; break;
    default: r = chroma; b = x; break;
    }
    auto channel = [m](double v) { return static_cast<Color>(std::lround((v + m) * 255.0)); };
    return 0xFF000000u | (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

Color CColorPaletteUI::GetSelectColor() const {
    return HsbToColor(m_hue, m_saturation, m_brightness);
}

void CColorPaletteUI::SetSelectColor(Color color) {
    double r = ((color >> 16) & 0xFF) / 255.0;
    double g = ((color >> 8) & 0xFF) / 255.0;
    double b = (color & 0xFF) / 255.0;
    double max = std::max({r, g, b});
    double min = std::min({r, g, b});
    double delta = max - min;
    double hue = 0;
    if (delta > 0) {
        if (max == r) hue = 60.0 * std::fmod((g - b) / delta, 6.0);
        else if (max == g) hue = 60.0 * ((b - r) / delta + 2.0);
        else hue = 60.0 * ((r - g) / delta + 4.0);
        if (hue < 0) hue += 360.0;
    }
    m_hue = hue;
    m_saturation = max > 0 ? delta / max : 0;
    m_brightness = max;
    Invalidate();
}

void CColorPaletteUI::SetPaletteHeight(int height) { m_nPaletteHeight = std::max(1, height); Invalidate(); }
void CColorPaletteUI::SetBarHeight(int height) { m_nBarHeight = std::max(1, height); Invalidate(); }

Rect CColorPaletteUI::PaletteRect() const {
    return {m_rcItem.left, m_rcItem.top, m_rcItem.right,
            std::min(m_rcItem.bottom, m_rcItem.top + Scale(m_nPaletteHeight))};
}

Rect CColorPaletteUI::BarRect() const {
    int top = PaletteRect().bottom + Scale(kGap);
    return {m_rcItem.left, top, m_rcItem.right, std::min(m_rcItem.bottom, top + Scale(m_nBarHeight))};
}

void CColorPaletteUI::PickAt(Point point) {
    if (m_dragging == Dragging::Palette) {
        Rect palette = PaletteRect();
        m_hue = 360.0 * Fraction(point.x - palette.left, palette.Width());
        if (m_hue >= 360.0) m_hue = 359.0;
        m_saturation = 1.0 - Fraction(point.y - palette.top, palette.Height());
    } else if (m_dragging == Dragging::Bar) {
        Rect bar = BarRect();
        m_brightness = Fraction(point.x - bar.left, bar.Width());
    }
    Invalidate();
}

void CColorPaletteUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::ButtonDown:
        if (!IsEnabled()) return;
        if (PaletteRect().Contains(event.ptMouse)) m_dragging = Dragging::Palette;
        else if (BarRect().Contains(event.ptMouse)) m_dragging = Dragging::Bar;
        else return;
        m_uButtonState |= kStateCaptured;
        PickAt(event.ptMouse);
        return;
    case EventType::MouseMove:
        if (IsCaptured()) PickAt(event.ptMouse);
        return;
    case EventType::ButtonUp:
        if (IsCaptured()) {
            PickAt(event.ptMouse);
            m_uButtonState &= ~kStateCaptured;
            m_dragging = Dragging::None;
            NotifyManager("colorchanged");
        }
        return;
    default:
        CControlUI::DoEvent(event);
    }
}

void CColorPaletteUI::PaintStatusImage(IRenderer& renderer) {
    Rect palette = PaletteRect();
    int cell = std::max(1, Scale(kCell));
    for (int y = palette.top; y < palette.bottom; y += cell) {
        double saturation = 1.0 - Fraction(y - palette.top, palette.Height());
        for (int x = palette.left; x < palette.right; x += cell) {
            double hue = 360.0 * Fraction(x - palette.left, palette.Width());
            renderer.FillRect({x, y, std::min(x + cell, palette.right), std::min(y + cell, palette.bottom)},
                              HsbToColor(hue, saturation, m_brightness));
        }
    }
    Rect bar = BarRect();
    for (int x = bar.left; x < bar.right; x += cell) {
        double brightness = Fraction(x - bar.left, bar.Width());
        renderer.FillRect({x, bar.top, std::min(x + cell, bar.right), bar.bottom},
                          HsbToColor(m_hue, m_saturation, brightness));
    }
    // Marks of the pick on the palette and the bar.
    int px = palette.left + static_cast<int>(m_hue / 360.0 * (palette.Width() - 1));
    int py = palette.top + static_cast<int>((1.0 - m_saturation) * (palette.Height() - 1));
    int bx = bar.left + static_cast<int>(m_brightness * (bar.Width() - 1));
    Rect paletteMark{px - 3, py - 3, px + 4, py + 4};
    Rect barMark{bx - 2, bar.top - 2, bx + 3, bar.bottom + 2};
    for (const Rect& mark : {paletteMark, barMark}) {
        if (!m_sThumbImage.empty()) {
            ImageDraw draw;
            draw.image = ParseImageDescription(m_sThumbImage);
            draw.path = ResolveImagePath(draw.image.file);
            draw.target = mark;
            renderer.DrawImage(draw);
        } else {
            renderer.DrawRect(mark, 1, 0xFFFFFFFF);
        }
    }
}

void CColorPaletteUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "palletheight" || name == "paletteheight") SetPaletteHeight(ParseInt(value));
    else if (name == "barheight") SetBarHeight(ParseInt(value));
    else if (name == "thumbimage") m_sThumbImage = std::string(value);
    else if (name == "color") SetSelectColor(ParseColor(value));
    else CControlUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
