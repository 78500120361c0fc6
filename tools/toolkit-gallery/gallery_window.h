#pragma once
// The gallery's one window: the sample skin, with the controls wired to
// each other so that everything can be tried (slider and edit follow each
// other, the palette colours the swatch, menus pop on "More..." and on the
// list's rows, "Apply" opens a modal copy of the window, whose own "Apply"
// closes it with 1). The caption's own buttons minimise and close; closing
// the first window ends the program.
#include "toolkit/notify.h"
#include "toolkit/window.h"

namespace viremo::gallery {

class CGalleryWindow : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    // False when the skin cannot be built (the builder logged why).
    bool Build(toolkit::CWindowWnd* owner = nullptr);
    // The page of the tab layout to show (0..2).
    void SelectPage(int index);

    void Notify(toolkit::TNotifyUI& msg) override;
    std::intptr_t HandleMessage(toolkit::Message& msg) override;

protected:
    void OnFinalMessage() override;

private:
    void ShowMenu(toolkit::Point clientPoint);

    bool m_syncing = false;
    bool m_isMain = true;
};

}  // namespace viremo::gallery
