#include "ui/music_wnd.h"

#include <array>
#include <string>

#include "platform/log.h"
#include "toolkit/option.h"
#include "toolkit/slider.h"
#include "ui/program_messages.h"
#include "ui/skin_window.h"

namespace viremo::ui {
namespace {

constexpr std::string_view kTabPrefix = "audio_select_tab";
constexpr std::string_view kNamePrefix = "audio_edit_name";
// Red, green, blue.
constexpr std::array<std::string_view, 3> kSliders = {"audio_r_slider", "audio_g_slider", "audio_b_slider"};

// The style of a numbered control ("audio_select_tab3" is style 2).
std::optional<int> styleOf(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix) || name.size() != prefix.size() + 1) return std::nullopt;
    const int number = name.back() - '0';
    if (number < 1 || number > kAudioStyleCount) return std::nullopt;
    return number - 1;
}

std::string numbered(std::string_view prefix, int style) { return std::string(prefix) + std::to_string(style + 1); }

int& component(AudioStyle& style, int which) {
    if (which == 0) return style.red;
    if (which == 1) return style.green;
    return style.blue;
}

}  // namespace

bool CMusicWnd::Build(toolkit::CWindowWnd* owner) {
    if (!BuildSkinWindow(*this, kLayout, owner, std::string(kClassName), *this)) return false;
    ShowStyles();
    return true;
}

void CMusicWnd::ShowStyles() {
    for (int which = 0; which < 3; ++which) {
        if (toolkit::CSliderUI* slider = Slider(which)) {
            slider->SetMinValue(0);
            slider->SetMaxValue(kAudioStyleComponentMax);
        }
    }
    if (auto* tab = dynamic_cast<toolkit::COptionUI*>(m_pm.FindControl(numbered(kTabPrefix, styles_.selected))))
        tab->Selected(true, false);
    for (int style = 0; style < kAudioStyleCount; ++style)
        if (auto* edit = m_pm.FindControl(numbered(kNamePrefix, style))) edit->SetText(styles_.styles[style].name);
    ShowSelectedColour();
}

void CMusicWnd::ShowSelectedColour() {
    AudioStyle& style = styles_.styles[static_cast<size_t>(styles_.selected)];
    for (int which = 0; which < 3; ++which) {
        toolkit::CSliderUI* slider = Slider(which);
        if (!slider) {
            log::line("GetAudioLightInfo control is NULL");
            return;
        }
        slider->SetValue(component(style, which), false);
    }
}

void CMusicWnd::TakeSlider(const toolkit::CSliderUI& slider) {
    for (int which = 0; which < 3; ++which)
        if (Slider(which) == &slider)
            component(styles_.styles[static_cast<size_t>(styles_.selected)], which) = slider.GetValue();
}

toolkit::CSliderUI* CMusicWnd::Slider(int which) const {
    return dynamic_cast<toolkit::CSliderUI*>(m_pm.FindControl(kSliders[static_cast<size_t>(which)]));
}

void CMusicWnd::Notify(toolkit::TNotifyUI& msg) {
    if (!msg.pSender) return;
    const std::string& name = msg.pSender->GetName();
    if (msg.sType == toolkit::notify::kSelectChanged) {
        const auto style = styleOf(name, kTabPrefix);
        if (!style || !static_cast<toolkit::COptionUI*>(msg.pSender)->IsSelected()) return;
        styles_.selected = *style;
        ShowSelectedColour();
    } else if (msg.sType == toolkit::notify::kValueChanged) {
        if (auto* slider = dynamic_cast<toolkit::CSliderUI*>(msg.pSender)) TakeSlider(*slider);
    } else if (msg.sType == toolkit::notify::kKillFocus) {
        if (const auto style = styleOf(name, kNamePrefix))
            styles_.styles[static_cast<size_t>(*style)].name = msg.pSender->GetText();
    } else if (msg.sType == toolkit::notify::kClick) {
        if (name == "okbtn") Close(kResultOk);
        else if (name == "closebtn") Close(0);
    }
}

std::intptr_t CMusicWnd::HandleMessage(toolkit::Message& msg) {
    if (msg.id == toolkit::kMsgClose) {
        Close(0);
        return 0;
    }
    if (msg.id == kMsgLanguageChanged) {
        m_pm.NeedUpdate();
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

}  // namespace viremo::ui
