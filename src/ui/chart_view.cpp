#include "ui/chart_view.h"

#include <algorithm>
#include <array>

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::ui {
namespace {

constexpr toolkit::Color kPillarColour = 0xFF19C3E6;
constexpr toolkit::Color kTextColour = 0xFF9AA0A6;
// The pie's slices take these in turn.
constexpr std::array<toolkit::Color, 6> kSliceColours = {0xFF19C3E6, 0xFF3DDC84, 0xFFF5A623,
                                                         0xFFF25C54, 0xFF9AA0A6, 0xFFE8EAED};

}  // namespace

void CChartViewUI::AddItem(std::string name, int value) {
    m_items.push_back({std::move(name), std::max(0, value)});
    Invalidate();
}

void CChartViewUI::ClearItems() {
    m_items.clear();
    Invalidate();
}

void CChartViewUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "view") m_barView = value == "histpgram";
    else if (name == "pillarimage") m_pillarImage = value;
    else if (name == "pillarimagewidth") m_pillarWidth = std::max(0, toolkit::ParseInt(value));
    else if (name == "shadowimage") m_shadowImage = value;
    else if (name == "shadowimageheight") m_shadowHeight = std::max(0, toolkit::ParseInt(value));
    else if (name == "showtext") m_showText = toolkit::ParseBool(value);
    else if (name == "showhtml") m_showHtml = toolkit::ParseBool(value);
    else if (name == "font") m_font = toolkit::ParseInt(value);
    else CControlUI::SetAttribute(name, value);
}

void CChartViewUI::DoPaint(toolkit::IRenderer& renderer, const toolkit::Rect& paint) {
    CControlUI::DoPaint(renderer, paint);
    if (m_items.empty()) return;
    if (m_barView) PaintBars(renderer);
    else PaintPie(renderer);
}

// Bars stand side by side, each in the middle of an equal share of the
// width, the highest value reaching the top (above the names, when shown).
void CChartViewUI::PaintBars(toolkit::IRenderer& renderer) {
    const toolkit::Rect& box = GetPos();
    const toolkit::FontInfo font = toolkit::CPaintManagerUI::GetFont(m_font);
    const int textHeight = m_showText ? font.size + 4 : 0;
    const int floor = box.bottom - textHeight;
    const int slot = box.Width() / static_cast<int>(m_items.size());
    const int width = m_pillarWidth > 0 ? std::min(Scale(m_pillarWidth), slot) : slot / 2;
    int highest = 1;
    for (const Item& item : m_items) highest = std::max(highest, item.value);
    for (size_t i = 0; i < m_items.size(); ++i) {
        const int left = box.left + static_cast<int>(i) * slot + (slot - width) / 2;
        const int reach = static_cast<int>(int64_t{m_items[i].value} * (floor - box.top) / highest);
        const toolkit::Rect pillar{left, floor - reach, left + width, floor};
        if (m_pillarImage.empty()) renderer.FillRect(pillar, kPillarColour);
        else PaintPicture(renderer, m_pillarImage, pillar);
        if (!m_shadowImage.empty() && m_shadowHeight > 0)
            PaintPicture(renderer, m_shadowImage, {left, floor, left + width, std::min(box.bottom, floor + Scale(m_shadowHeight))});
        if (m_showText)
            renderer.DrawText({box.left + static_cast<int>(i) * slot, floor, box.left + static_cast<int>(i + 1) * slot, box.bottom},
                              m_items[i].name, {font, kTextColour, toolkit::kTextCenter | toolkit::kTextVCenter | toolkit::kTextSingleLine});
    }
}

// Slices clockwise from the top, each the item's share of the whole.
void CChartViewUI::PaintPie(toolkit::IRenderer& renderer) {
    int64_t total = 0;
    for (const Item& item : m_items) total += item.value;
    if (total == 0) return;
    const toolkit::Rect& box = GetPos();
    const int side = std::min(box.Width(), box.Height());
    const toolkit::Rect circle{box.left + (box.Width() - side) / 2, box.top + (box.Height() - side) / 2,
                               box.left + (box.Width() + side) / 2, box.top + (box.Height() + side) / 2};
    double start = -90.0;
    for (size_t i = 0; i < m_items.size(); ++i) {
        const double sweep = 360.0 * static_cast<double>(m_items[i].value) / static_cast<double>(total);
        renderer.FillPie(circle, start, sweep, kSliceColours[i % kSliceColours.size()]);
        start += sweep;
    }
}

void CChartViewUI::PaintPicture(toolkit::IRenderer& renderer, const std::string& image, const toolkit::Rect& target) const {
    toolkit::ImageDraw draw;
    draw.image = toolkit::ParseImageDescription(image);
    if (draw.image.IsEmpty()) return;
    draw.path = ResolveImagePath(draw.image.file);
    draw.target = target;
    renderer.DrawImage(draw);
}

}  // namespace viremo::ui
