#pragma once
// A control that shows text: colour, font id, alignment, text padding, and
// auto-size by text (autocalcwidth / autocalcheight), measured through the
// paint manager's text measurer.
#include "toolkit/control.h"

namespace viremo::toolkit {

class CLabelUI : public CControlUI {
public:
    CLabelUI();
    std::string_view GetClass() const override;

    Color GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(Color color);
    Color GetDisabledTextColor() const { return m_dwDisabledTextColor; }
    void SetDisabledTextColor(Color color);
    int GetFont() const { return m_iFont; }
    void SetFont(int id);
    unsigned GetTextStyle() const { return m_uTextStyle; }
    void SetTextStyle(unsigned format);
    const Rect& GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(const Rect& padding);
    bool IsAutoCalcWidth() const { return m_bAutoCalcWidth; }
    void SetAutoCalcWidth(bool autoWidth);
    bool IsAutoCalcHeight() const { return m_bAutoCalcHeight; }
    void SetAutoCalcHeight(bool autoHeight);

    void SetText(std::string text) override;
    Size EstimateSize(Size available) override;
    void PaintText(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    // The colour for the control's current state.
    virtual Color CurrentTextColor() const;
    // What PaintText draws (an edit may mask it).
    virtual std::string TextToPaint() const { return GetDisplayText(); }
    TextStyle MakeTextStyle(Color color) const;

    Color m_dwTextColor = 0xFF000000;
    Color m_dwDisabledTextColor = 0xFFA7A6AA;
    int m_iFont = -1;
    unsigned m_uTextStyle = kTextLeft | kTextVCenter | kTextSingleLine;
    Rect m_rcTextPadding;
    bool m_bAutoCalcWidth = false;
    bool m_bAutoCalcHeight = false;
};

}  // namespace viremo::toolkit
