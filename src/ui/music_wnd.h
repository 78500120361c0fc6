#pragma once
// The audio styles window ("MusicWnd", layout "music.xml", 369 x 276): four
// named colour styles for the audio companion. The style tabs
// "audio_select_tab1" ... "audio_select_tab4" choose the style, the sliders
// "audio_r_slider", "audio_g_slider", "audio_b_slider" (0-9) set its
// colour, the edits "audio_edit_name1" ... "audio_edit_name4" its name.
// "okbtn" ends with kResultOk, "closebtn" without; the opener then keeps
// Styles() (file and companion). Opened modally, one at a time.
#include <optional>
#include <string_view>

#include "lighting/audio_styles.h"
#include "toolkit/window.h"

namespace viremo::toolkit {
class CSliderUI;
}

namespace viremo::ui {

class CMusicWnd : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    static constexpr std::string_view kClassName = "MusicWnd";
    static constexpr std::string_view kLayout = "music.xml";
    static constexpr int kResultOk = 1;

    explicit CMusicWnd(AudioStyles styles) : styles_(std::move(styles)) {}

    // Builds the layout (with the skin's defaults) into a window owned by
    // `owner` and shows the styles. False when the layout cannot be built.
    bool Build(toolkit::CWindowWnd* owner);
    const AudioStyles& Styles() const { return styles_; }

    void Notify(toolkit::TNotifyUI& msg) override;
    std::intptr_t HandleMessage(toolkit::Message& msg) override;

private:
    void ShowStyles();
    void ShowSelectedColour();
    void TakeSlider(const toolkit::CSliderUI& slider);
    toolkit::CSliderUI* Slider(int component) const;

    AudioStyles styles_;
};

}  // namespace viremo::ui
