#include "gallery_window.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "platform/log.h"
#include "toolkit/color_palette.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/edit.h"
#include "toolkit/event.h"
#include "toolkit/menu.h"
#include "toolkit/option.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/slider.h"
#include "toolkit/tab_layout.h"

namespace viremo::gallery {

using namespace viremo::toolkit;

bool CGalleryWindow::Build(CWindowWnd* owner) {
    CDialogBuilder builder;
    auto root = builder.Create("gallery", nullptr, &m_pm);
    if (!root) return false;
    m_isMain = owner == nullptr;
    Create({WindowKind::Normal, owner, owner ? "Toolkit gallery (modal)" : "Toolkit gallery", {}});
    m_pm.AttachDialog(std::move(root));
    m_pm.AddNotifier(this);
    return true;
}

void CGalleryWindow::SelectPage(int index) {
    static const char* const kTabs[] = {"tab_controls", "tab_lists", "tab_colour"};
    if (index < 0 || index > 2) return;
    if (auto* option = dynamic_cast<COptionUI*>(m_pm.FindControl(kTabs[index]))) option->Selected(true, false);
}

void CGalleryWindow::Notify(TNotifyUI& msg) {
    const std::string& name = msg.pSender ? msg.pSender->GetName() : std::string();
    if (msg.sType == "click" && name == "close_btn") {
        Close(0);
    } else if (msg.sType == "click" && name == "min_btn") {
        if (auto* host = toolkit::qt::QtHostOf(*this)) host->Minimize();
    } else if (msg.sType == "click" && name == "apply") {
        if (IsModal()) {
            Close(1);
            return;
        }
        CGalleryWindow child;
        if (!child.Build(this)) return;
        if (auto* host = GetHost()) {
            Rect bounds = host->GetBounds();
            child.SetBounds(bounds.Offset(40, 40));
        }
        log::linef("gallery: the modal window returned %d", child.ShowModal());
    } else if (msg.sType == "click" && name == "profile_menu") {
        const Rect& pos = msg.pSender->GetPos();
        ShowMenu({pos.left, pos.bottom});
    } else if (msg.sType == "menu") {
        ShowMenu({static_cast<int>(msg.wParam), static_cast<int>(msg.lParam)});
    } else if ((msg.sType == "valuechanged" || msg.sType == "movevaluechanged") && name == "dpi_slider") {
        if (m_syncing) return;
        m_syncing = true;
        if (auto* edit = dynamic_cast<CEditUI*>(m_pm.FindControl("dpi_edit")))
            edit->SetText(std::to_string(static_cast<CSliderUI*>(msg.pSender)->GetValue()));
        m_syncing = false;
    } else if (msg.sType == "killfocus" && name == "dpi_edit") {
        auto* slider = dynamic_cast<CSliderUI*>(m_pm.FindControl("dpi_slider"));
        if (slider && !msg.pSender->GetText().empty()) slider->SetValue(static_cast<int>(std::strtol(msg.pSender->GetText().c_str(), nullptr, 10)), false);
    } else if (msg.sType == "colorchanged" && name == "palette") {
        Color color = static_cast<CColorPaletteUI*>(msg.pSender)->GetSelectColor();
        char text[16];
        std::snprintf(text, sizeof text, "#%08X", color);
        if (CControlUI* swatch = m_pm.FindControl("swatch")) swatch->SetBkColor(color);
        if (CControlUI* label = m_pm.FindControl("colour_text")) label->SetText(text);
    } else if (msg.sType == "itemselect" || msg.sType == "textchanged" || msg.sType == "selectchanged") {
        log::linef("gallery: %s on %s", msg.sType.c_str(), name.c_str());
    }
}

void CGalleryWindow::ShowMenu(Point clientPoint) {
    if (!GetHost()) return;
    Point screen = GetHost()->ClientToScreen(clientPoint);
    CMenuWnd::Show(*this, "context_menu", screen, kMenuAlignLeft | kMenuAlignTop, [](const MenuCommand& command) {
        log::linef("gallery: menu %s (%s)%s", command.name.c_str(), command.text.c_str(),
                   command.checked ? " checked" : "");
    });
}

void CGalleryWindow::OnFinalMessage() {
    if (m_isMain) QCoreApplication::quit();
}

std::intptr_t CGalleryWindow::HandleMessage(Message& msg) {
    if (msg.id == kMsgClose) {
        Close(0);
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

}  // namespace viremo::gallery
