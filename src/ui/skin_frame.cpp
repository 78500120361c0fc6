#include "ui/skin_frame.h"

#include "platform/log.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/tab_layout.h"
#include "toolkit/text_util.h"
#include "toolkit/window_host.h"
#include "ui/skin_change.h"
#include "ui/skin_choice_file.h"
#include "ui/skin_defaults.h"

namespace viremo::ui {

CSkinFrame* CSkinFrame::Open(toolkit::CWindowWnd& owner, const toolkit::CControlUI* anchor,
                             PictureChooser choosePicture, std::filesystem::path dataFolder,
                             std::function<void()> onGone) {
    auto* frame = new CSkinFrame;
    frame->m_choosePicture = std::move(choosePicture);
    frame->m_dataFolder = std::move(dataFolder);
    frame->m_onGone = std::move(onGone);
    toolkit::CPaintManagerUI& manager = frame->GetPaintManager();
    ApplySkinDefaults(manager, toolkit::CPaintManagerUI::GetResourcePath());
    manager.SetDPIScale(owner.GetPaintManager().GetDPIScale());
    toolkit::CDialogBuilder builder;
    auto root = builder.Create(kSkin, nullptr, &manager);
    if (!root) {
        log::linef("skin frame: %s cannot be built", std::string(kSkin).c_str());
        delete frame;
        return nullptr;
    }
    // Under the anchor, right edges aligned.
    const toolkit::Size size{manager.ScaleValue(manager.GetInitSize().cx), manager.ScaleValue(manager.GetInitSize().cy)};
    toolkit::Rect bounds;
    if (anchor && owner.GetHost()) {
        const toolkit::Point corner =
            owner.GetHost()->ClientToScreen({anchor->GetPos().right - size.cx, anchor->GetPos().bottom});
        bounds = {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
    }
    frame->Create({toolkit::WindowKind::Popup, &owner, "skinframe", bounds});
    manager.AttachDialog(std::move(root));
    manager.AddNotifier(frame);
    frame->ShowWindow(true);
    return frame;
}

void CSkinFrame::Notify(toolkit::TNotifyUI& msg) {
    if (msg.sType != "click" || !msg.pSender) return;
    const std::string& name = msg.pSender->GetName();
    auto is = [&name](std::string_view other) { return toolkit::EqualsNoCase(name, other); };
    auto* pages = dynamic_cast<toolkit::CTabLayoutUI*>(m_pm.FindControl("skin_tab"));
    if (is("skin_image") && pages) {
        pages->SelectItem(0);
    } else if (is("skin_color") && pages) {
        pages->SelectItem(1);
    } else if (is("skin_image_btn")) {
        const std::string image = msg.pSender->GetBkImage();
        SkinChangeObserver().Publish({false, 0, image});
        WriteSkinChoice(m_dataFolder, true, image);
    } else if (is("skin_color_btn")) {
        SkinChangeObserver().Publish({true, msg.pSender->GetBkColor(), {}});
    } else if (is("skin_reset")) {
        SkinChangeObserver().Publish({false, 0, std::string(kDefaultImage)});
        WriteSkinChoice(m_dataFolder, false, kDefaultImage);
    } else if (is("skin_Custom") && m_choosePicture) {
        const std::string file = m_choosePicture();
        if (!file.empty()) SkinChangeObserver().Publish({false, 0, file});
    }
}

void CSkinFrame::OnFinalMessage() {
    if (m_onGone) m_onGone();
    delete this;
}

}  // namespace viremo::ui
