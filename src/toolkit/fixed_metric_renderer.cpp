#include "toolkit/fixed_metric_renderer.h"

#include <cstdio>

#include "toolkit/text_util.h"

namespace viremo::toolkit {

namespace {

std::string RectText(const Rect& r) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
    return buffer;
}

std::string ColorText(Color c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%08X", c);
    return buffer;
}

}  // namespace

Size CFixedMetricMeasurer::MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) {
    int charWidth = std::max(1, font.size / 2);
    int lineHeight = std::max(1, font.size);
    int width = static_cast<int>(Utf8Length(text)) * charWidth;
    if ((format & kTextWordBreak) && maxWidth > 0 && width > maxWidth) {
        int perLine = std::max(1, maxWidth / charWidth);
        int lines = (static_cast<int>(Utf8Length(text)) + perLine - 1) / perLine;
        return {perLine * charWidth, lines * lineHeight};
    }
    return {width, lineHeight};
}

Size CFixedMetricRenderer::MeasureText(std::string_view text, const FontInfo& font, unsigned format, int maxWidth) {
    return CFixedMetricMeasurer{}.MeasureText(text, font, format, maxWidth);
}

void CFixedMetricRenderer::FillRect(const Rect& rect, Color color) {
    Record("fill " + RectText(rect) + " " + ColorText(color));
}

void CFixedMetricRenderer::DrawRect(const Rect& rect, int size, Color color) {
    Record("border " + RectText(rect) + " size=" + std::to_string(size) + " " + ColorText(color));
}

void CFixedMetricRenderer::FillRoundRect(const Rect& rect, Size round, Color color) {
    Record("fillround " + RectText(rect) + " round=" + std::to_string(round.cx) + "," + std::to_string(round.cy) +
           " " + ColorText(color));
}

void CFixedMetricRenderer::DrawRoundRect(const Rect& rect, int size, Size round, Color color) {
    Record("borderround " + RectText(rect) + " size=" + std::to_string(size) + " round=" + std::to_string(round.cx) +
           "," + std::to_string(round.cy) + " " + ColorText(color));
}

void CFixedMetricRenderer::DrawLine(Point from, Point to, int size, Color color) {
    Record("line " + std::to_string(from.x) + "," + std::to_string(from.y) + "-" + std::to_string(to.x) + "," +
           std::to_string(to.y) + " size=" + std::to_string(size) + " " + ColorText(color));
}

void CFixedMetricRenderer::DrawImage(const ImageDraw& draw) {
    std::string call = "image " + RectText(draw.target) + " file=" + draw.image.file;
    if (draw.image.source != Rect{}) call += " source=" + RectText(draw.image.source);
    if (draw.image.fade != 255) call += " fade=" + std::to_string(draw.image.fade);
    if (draw.tinted) call += " tint=" + ColorText(draw.tint) + " level=" + std::to_string(draw.level);
    Record(call);
}

void CFixedMetricRenderer::DrawText(const Rect& rect, std::string_view text, const TextStyle& style) {
    Record("text " + RectText(rect) + " '" + std::string(text) + "' font=" + std::to_string(style.font.size) + " " +
           ColorText(style.color) + " format=" + std::to_string(style.format));
}

void CFixedMetricRenderer::FillPie(const Rect& rect, double startDegrees, double sweepDegrees, Color color) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " start=%g sweep=%g ", startDegrees, sweepDegrees);
    Record("pie " + RectText(rect) + buffer + ColorText(color));
}

void CFixedMetricRenderer::FillEllipse(const Rect& rect, Color color) {
    Record("ellipse " + RectText(rect) + " " + ColorText(color));
}

void CFixedMetricRenderer::PushClip(const Rect& rect) {
    m_clips.push_back(m_clips.empty() ? rect : m_clips.back().Intersection(rect));
}

void CFixedMetricRenderer::PopClip() {
    if (!m_clips.empty()) m_clips.pop_back();
}

std::vector<std::string> CFixedMetricRenderer::CallsOf(std::string_view prefix) const {
    std::vector<std::string> matching;
    for (const std::string& call : m_calls) {
        if (call.compare(0, prefix.size(), prefix) == 0 && call.size() > prefix.size() && call[prefix.size()] == ' ')
            matching.push_back(call);
    }
    return matching;
}

void CFixedMetricRenderer::Record(std::string call) {
    m_calls.push_back(std::move(call));
}

}  // namespace viremo::toolkit
