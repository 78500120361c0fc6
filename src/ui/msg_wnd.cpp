#include "ui/msg_wnd.h"

#include <algorithm>
#include <array>

#include "platform/log.h"
#include "toolkit/text_util.h"
#include "ui/skin_window.h"

namespace viremo::ui {

namespace {

constexpr std::array<int, 7> kDpiValues = {48, 72, 96, 120, 144, 168, 192};

}  // namespace

bool CMsgWnd::Build(toolkit::CWindowWnd* owner) { return BuildSkinWindow(*this, kSkin, owner, "msgwnd", *this); }

void CMsgWnd::SetDPI(int dpi) {
    if (dpi == m_dpi) return;
    if (std::find(kDpiValues.begin(), kDpiValues.end(), dpi) == kDpiValues.end()) {
        log::line("MSG_WND DPI SET ERROR");
        dpi = 96;
    }
    m_dpi = dpi;
    m_pm.SetDPIScale(dpi / 96.0);
}

void CMsgWnd::Notify(toolkit::TNotifyUI& msg) {
    if (msg.sType != "click" || !msg.pSender) return;
    const std::string& name = msg.pSender->GetName();
    if (name == "closebtn" || name == "cancel_btn") Close(0);
    else if (toolkit::EqualsNoCase(name, "confirm_btn")) Close(1);
}

std::intptr_t CMsgWnd::HandleMessage(toolkit::Message& msg) {
    if (msg.id == toolkit::kMsgClose) {
        Close(0);
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

int ShowMessageBox(toolkit::CWindowWnd* owner, const std::string& title, const std::string& text, int dpi,
                   bool textIsId, MessageButtons buttons) {
    CMsgWnd box;
    if (!box.Build(owner)) return 0;
    toolkit::CPaintManagerUI& pm = box.GetPaintManager();
    if (auto* label = pm.FindControl("MessageTitle"); label && !title.empty()) label->SetText(title);
    if (auto* label = pm.FindControl("MessageText"); label && !text.empty()) {
        label->SetTextId(textIsId);
        label->SetText(text);
    }
    box.SetDPI(dpi);
    const bool withCancel = buttons == MessageButtons::OkCancel;
    if (auto* cancel = pm.FindControl("cancel_btn")) cancel->SetVisible(withCancel);
    if (auto* confirm = pm.FindControl("confirm_btn")) confirm->SetVisible(true);
    box.CenterWindow();
    return box.ShowModal();
}

}  // namespace viremo::ui
