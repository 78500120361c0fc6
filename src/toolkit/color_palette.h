#pragma once
// A colour picker: a palette of hue (left to right) by saturation (top to
// bottom) at the current brightness, and under it a bar of brightness (dark
// to bright) for the current hue and saturation. Pressing and dragging in
// either moves the pick; releasing sends "colorchanged".
#include "toolkit/control.h"

namespace viremo::toolkit {

class CColorPaletteUI : public CControlUI {
public:
    std::string_view GetClass() const override;

    // 0xFFRRGGBB of the current pick.
    Color GetSelectColor() const;
    // Moves the pick to the colour; no notification.
    void SetSelectColor(Color color);
    double GetHue() const { return m_hue; }
    double GetSaturation() const { return m_saturation; }
    double GetBrightness() const { return m_brightness; }
    int GetPaletteHeight() const { return m_nPaletteHeight; }
    void SetPaletteHeight(int height);
    int GetBarHeight() const { return m_nBarHeight; }
    void SetBarHeight(int height);

    void DoEvent(TEventUI& event) override;
    void PaintStatusImage(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

    // hue 0..360, saturation and brightness 0..1.
    static Color HsbToColor(double hue, double saturation, double brightness);

private:
    enum class Dragging { None, Palette, Bar };
    Rect PaletteRect() const;
    Rect BarRect() const;
    void PickAt(Point point);

    double m_hue = 0;
    double m_saturation = 1;
    double m_brightness = 1;
    int m_nPaletteHeight = 200;
    int m_nBarHeight = 10;
    Dragging m_dragging = Dragging::None;
    std::string m_sThumbImage;
};

}  // namespace viremo::toolkit
