#include "ui/about_wnd.h"

#include "devices/device_tables.h"
#include "ui/program_messages.h"
#include "ui/skin_window.h"
#include "ui/window_chrome.h"

namespace viremo::ui {

bool CAboutWnd::Build(toolkit::CWindowWnd* owner, int dpi) {
    if (!BuildSkinWindow(*this, kSkin, owner, "  ", *this)) return false;
    m_pm.SetDPIScale(dpi / 96.0);
    auto* probe = m_pm.FindControl("text_test");
    auto* line = m_pm.FindControl("software_ver_label");
    if (probe && line) {
        // The label translates the identifier; its text read back is the
        // localised one.
        probe->SetTextId(true);
        probe->SetText("software_rev_text");
        // Language files lose trailing blanks, so the label is set apart here.
        std::string text = probe->GetDisplayText();
        if (!text.empty() && text.back() != ' ') text += ' ';
        line->SetTextId(false);
        line->SetText(text + std::string(devices::kModelTable.back().versionLabel));
    }
    return true;
}

std::string CAboutWnd::VersionLine() {
    auto* line = m_pm.FindControl("software_ver_label");
    return line ? line->GetText() : std::string();
}

void CAboutWnd::Notify(toolkit::TNotifyUI& msg) {
    if (msg.sType != "click" || !msg.pSender) return;
    const std::string& name = msg.pSender->GetName();
    if (name == "closebtn") Close(0);
    else if (name == "minbtn") WindowChrome().Minimize(*this);
    else if (name == "restorebtn") WindowChrome().Restore(*this);
}

std::intptr_t CAboutWnd::HandleMessage(toolkit::Message& msg) {
    if (msg.id == toolkit::kMsgClose) {
        Close(0);
        return 0;
    }
    if (msg.id == kMsgLanguageChanged) {
        if (auto* root = m_pm.GetRoot()) root->NeedUpdate();
        m_pm.Invalidate();
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

}  // namespace viremo::ui
