#pragma once
// "AudioRecord": the level trace of the sound the companion measures. It
// keeps up to 500 sample values and draws one 1-pixel bar every 2 pixels,
// left to right as far as they fit, each from the height its value reaches
// (8192 fills the control) down to the bottom.
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/control.h"

namespace viremo::ui {

class CAudioRecordUI : public toolkit::CControlUI {
public:
    static constexpr std::string_view kClassName = "AudioRecord";
    static constexpr size_t kMaxSamples = 500;
    static constexpr int kFullScale = 8192;

    std::string_view GetClass() const override { return kClassName; }

    // The first 500 values are kept.
    void SetSamples(std::span<const int32_t> samples);

    void DoPaint(toolkit::IRenderer& renderer, const toolkit::Rect& paint) override;

private:
    std::vector<int32_t> m_samples;
};

}  // namespace viremo::ui
