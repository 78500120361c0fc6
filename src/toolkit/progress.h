#pragma once
// A bar that fills with value between min and max, left to right (or bottom
// to top when vertical). The fore colour and fore image are drawn over the
// filled part only.
#include "toolkit/label.h"

namespace viremo::toolkit {

class CProgressUI : public CLabelUI {
public:
    CProgressUI();
    std::string_view GetClass() const override;

    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool horizontal);
    int GetMinValue() const { return m_nMin; }
    void SetMinValue(int min);
    int GetMaxValue() const { return m_nMax; }
    void SetMaxValue(int max);
    int GetValue() const { return m_nValue; }
    // Kept within min and max.
    virtual void SetValue(int value);

    void PaintForeColor(IRenderer& renderer) override;
    void PaintForeImage(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    // The filled part of the bar.
    Rect FilledRect() const;
    // Length of the bar along which the value runs.
    virtual int TrackLength() const;

    bool m_bHorizontal = true;
    int m_nMin = 0;
    int m_nMax = 100;
    int m_nValue = 0;
};

}  // namespace viremo::toolkit
