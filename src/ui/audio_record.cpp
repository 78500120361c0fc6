#include "ui/audio_record.h"

#include <algorithm>

namespace viremo::ui {
namespace {

constexpr toolkit::Color kBarColour = 0xFF000000;
constexpr int kBarPitch = 2;

}  // namespace

void CAudioRecordUI::SetSamples(std::span<const int32_t> samples) {
    m_samples.assign(samples.begin(), samples.begin() + std::min(samples.size(), kMaxSamples));
    Invalidate();
}

void CAudioRecordUI::DoPaint(toolkit::IRenderer& renderer, const toolkit::Rect&) {
    PaintBkColor(renderer);
    const toolkit::Rect& box = GetPos();
    const int64_t height = box.Height();
    for (size_t i = 0; i < m_samples.size(); ++i) {
        const int x = box.left + kBarPitch * static_cast<int>(i);
        if (x + 1 > box.right) break;
        // Values beyond full scale (or below zero) stay within the control.
        const int64_t reach = std::clamp<int64_t>(m_samples[i] * height / kFullScale, 0, height);
        if (reach > 0) renderer.FillRect({x, box.top + static_cast<int>(height - reach), x + 1, box.bottom}, kBarColour);
    }
}

}  // namespace viremo::ui
