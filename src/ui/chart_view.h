#pragma once
// "ChartView": a chart of named values, as bars ("view" "histpgram") or as a
// pie. Skin attributes: "view", "pillarimage" and "pillarimagewidth" (the
// bars' picture and width), "shadowimage" and "shadowimageheight" (drawn
// under each bar's foot), "showtext" ("true": each value's name under its
// bar), "showhtml" (kept; names are plain text) and "font".
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace viremo::ui {

class CChartViewUI : public toolkit::CControlUI {
public:
    static constexpr std::string_view kClassName = "ChartView";

    std::string_view GetClass() const override { return kClassName; }

    void AddItem(std::string name, int value);
    void ClearItems();
    bool IsBarView() const { return m_barView; }

    void SetAttribute(std::string_view name, std::string_view value) override;
    void DoPaint(toolkit::IRenderer& renderer, const toolkit::Rect& paint) override;

private:
    struct Item {
        std::string name;
        int value = 0;
    };
    void PaintBars(toolkit::IRenderer& renderer);
    void PaintPie(toolkit::IRenderer& renderer);
    void PaintPicture(toolkit::IRenderer& renderer, const std::string& image, const toolkit::Rect& target) const;

    std::vector<Item> m_items;
    bool m_barView = false;
    bool m_showText = false;
    bool m_showHtml = false;
    int m_font = -1;
    std::string m_pillarImage;
    int m_pillarWidth = 0;
    std::string m_shadowImage;
    int m_shadowHeight = 0;
};

}  // namespace viremo::ui
