#pragma once
// The about window: the program's version line over the skin "AboutWnd.xml"
// ("software_ver_label", and the hidden "text_test" that looks the version
// text up in the current language).
#include <string>

#include "toolkit/notify.h"
#include "toolkit/window.h"

namespace viremo::ui {

class CAboutWnd : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    static constexpr std::string_view kSkin = "AboutWnd.xml";

    // False when the skin cannot be built.
    bool Build(toolkit::CWindowWnd* owner, int dpi);
    // The version line as composed when the window opened.
    std::string VersionLine();

    void Notify(toolkit::TNotifyUI& msg) override;
    std::intptr_t HandleMessage(toolkit::Message& msg) override;
};

}  // namespace viremo::ui
