#pragma once
// The message box: one localised message with OK, or OK and Cancel, shown
// modally over its owner. Skin "XML_MSG" with "MessageTitle", "MessageText",
// "confirm_btn", "cancel_btn" and "closebtn".
#include <string>

#include "toolkit/notify.h"
#include "toolkit/window.h"

namespace viremo::ui {

enum class MessageButtons { Ok = 0, OkCancel = 1 };

class CMsgWnd : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    static constexpr std::string_view kSkin = "XML_MSG";

    // False when the skin cannot be built.
    bool Build(toolkit::CWindowWnd* owner);
    // 48, 72, 96, 120, 144, 168 or 192; anything else is logged and taken
    // as 96.
    void SetDPI(int dpi);
    int GetDPI() const { return m_dpi; }

    void Notify(toolkit::TNotifyUI& msg) override;
    std::intptr_t HandleMessage(toolkit::Message& msg) override;

private:
    int m_dpi = 0;  // none set yet
};

// 1 when the user pressed OK, 0 when the box was closed any other way.
// An empty title or text leaves the skin's. With textIsId the text is an
// identifier of the language layer; otherwise it is shown as it is.
int ShowMessageBox(toolkit::CWindowWnd* owner, const std::string& title, const std::string& text, int dpi,
                   bool textIsId, MessageButtons buttons);

}  // namespace viremo::ui
