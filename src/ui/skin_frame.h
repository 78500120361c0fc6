#pragma once
// The skin frame: a small pop-up under the main window's skin button
// ("skin.xml") to choose the window's background: a stock image, a stock
// colour, a PNG of the user's or the default. It publishes the choice to
// the skin-change observer and records stock images in "main.ini". It
// closes when it loses the focus and deletes itself when its window is gone.
#include <functional>
#include <string>

#include "toolkit/notify.h"
#include "toolkit/window.h"

namespace viremo::ui {

class CSkinFrame : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    static constexpr std::string_view kSkin = "skin.xml";
    // The default background the reset brings back.
    static constexpr std::string_view kDefaultImage = "image/controls/background.svg";
    // Asks for the user's picture: "" when cancelled.
    using PictureChooser = std::function<std::string()>;

    // Opens a frame under `anchor` (a control of `owner`); null when the
    // skin cannot be built. `onGone` runs when the frame's window is gone.
    static CSkinFrame* Open(toolkit::CWindowWnd& owner, const toolkit::CControlUI* anchor, PictureChooser choosePicture,
                            std::filesystem::path dataFolder, std::function<void()> onGone);

    void Notify(toolkit::TNotifyUI& msg) override;

protected:
    void OnFinalMessage() override;

private:
    CSkinFrame() = default;

    PictureChooser m_choosePicture;
    std::filesystem::path m_dataFolder;
    std::function<void()> m_onGone;
};

}  // namespace viremo::ui
