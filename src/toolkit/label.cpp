#include "toolkit/label.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {

CLabelUI::CLabelUI() = default;

std::string_view CLabelUI::GetClass() const { return "Label"; }

void CLabelUI::SetTextColor(Color color) { m_dwTextColor = color; Invalidate(); }
void CLabelUI::SetDisabledTextColor(Color color) { m_dwDisabledTextColor = color; Invalidate(); }
void CLabelUI::SetFont(int id) { m_iFont = id; NeedParentUpdate(); }
void CLabelUI::SetTextStyle(unsigned format) { m_uTextStyle = format; Invalidate(); }
void CLabelUI::SetTextPadding(const Rect& padding) { m_rcTextPadding = padding; NeedParentUpdate(); }
void CLabelUI::SetAutoCalcWidth(bool autoWidth) { m_bAutoCalcWidth = autoWidth; NeedParentUpdate(); }
void CLabelUI::SetAutoCalcHeight(bool autoHeight) { m_bAutoCalcHeight = autoHeight; NeedParentUpdate(); }

void CLabelUI::SetText(std::string text) {
    if (text == m_sText) return;
    CControlUI::SetText(std::move(text));
    if (m_bAutoCalcWidth || m_bAutoCalcHeight) NeedParentUpdate();
}

Size CLabelUI::EstimateSize(Size available) {
    Size size = CControlUI::EstimateSize(available);
    if (!m_bAutoCalcWidth && !m_bAutoCalcHeight) return size;
    ITextMeasurer* measurer = m_pManager ? &m_pManager->GetTextMeasurer() : nullptr;
    if (!measurer) return size;
    int padX = Scale(m_rcTextPadding.left) + Scale(m_rcTextPadding.right);
    int padY = Scale(m_rcTextPadding.top) + Scale(m_rcTextPadding.bottom);
    FontInfo font = CPaintManagerUI::GetFont(m_iFont);
    font.size = Scale(font.size);
    int wrapWidth = m_bAutoCalcWidth ? 0 : (size.cx > 0 ? size.cx : available.cx) - padX;
    Size text = measurer->MeasureText(TextToPaint(), font, m_uTextStyle, wrapWidth);
    if (m_bAutoCalcWidth) size.cx = text.cx + padX;
    if (m_bAutoCalcHeight) size.cy = text.cy + padY;
    return size;
}

Color CLabelUI::CurrentTextColor() const {
    return IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
}

TextStyle CLabelUI::MakeTextStyle(Color color) const {
    TextStyle style;
    style.font = CPaintManagerUI::GetFont(m_iFont);
    style.font.size = Scale(style.font.size);
    style.color = color;
    style.format = m_uTextStyle;
    return style;
}

void CLabelUI::PaintText(IRenderer& renderer) {
    std::string text = TextToPaint();
    if (text.empty()) return;
    Rect area = m_rcItem.Deflated(Scale(m_rcTextPadding));
    renderer.DrawText(area, text, MakeTextStyle(CurrentTextColor()));
}

void CLabelUI::SetAttribute(std::string_view name, std::string_view value) {
    constexpr unsigned kHorizontal = kTextLeft | kTextCenter | kTextRight;
    constexpr unsigned kVertical = kTextTop | kTextVCenter | kTextBottom;
    if (name == "align") {
        unsigned h = value == "center" ? kTextCenter : value == "right" ? kTextRight : kTextLeft;
        SetTextStyle((m_uTextStyle & ~kHorizontal) | h);
    } else if (name == "valign") {
        unsigned v = value == "top" ? kTextTop : value == "bottom" ? kTextBottom : kTextVCenter;
        SetTextStyle((m_uTextStyle & ~kVertical) | v);
    } else if (name == "endellipsis") {
        SetTextStyle(ParseBool(value) ? m_uTextStyle | kTextEndEllipsis : m_uTextStyle & ~kTextEndEllipsis);
    } else if (name == "multiline" || name == "wordbreak") {
        SetTextStyle(ParseBool(value) ? (m_uTextStyle | kTextWordBreak) & ~kTextSingleLine
                                      : (m_uTextStyle | kTextSingleLine) & ~kTextWordBreak);
    } else if (name == "textcolor") SetTextColor(ParseColor(value));
    else if (name == "disabledtextcolor") SetDisabledTextColor(ParseColor(value));
    else if (name == "font") SetFont(ParseInt(value));
    else if (name == "textpadding") SetTextPadding(ParseRect(value));
    else if (name == "autocalcwidth") SetAutoCalcWidth(ParseBool(value));
    else if (name == "autocalcheight") SetAutoCalcHeight(ParseBool(value));
    else CControlUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
