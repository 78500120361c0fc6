#include "ui/skin_window.h"

#include "toolkit/dialog_builder.h"
#include "toolkit/window.h"
#include "ui/skin_defaults.h"

namespace viremo::ui {

bool BuildSkinWindow(toolkit::CWindowWnd& window, std::string_view layout, toolkit::CWindowWnd* owner,
                     std::string title, toolkit::INotifyUI& notifier) {
    toolkit::CPaintManagerUI& manager = window.GetPaintManager();
    ApplySkinDefaults(manager, toolkit::CPaintManagerUI::GetResourcePath());
    toolkit::CDialogBuilder builder;
    auto root = builder.Create(layout, nullptr, &manager);
    if (!root) return false;
    window.Create({toolkit::WindowKind::Normal, owner, std::move(title), {}});
    manager.AttachDialog(std::move(root));
    manager.AddNotifier(&notifier);
    return true;
}

}  // namespace viremo::ui
