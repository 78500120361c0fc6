#pragma once
// Builds one of the program's windows from its skin layout: the skin's
// shared defaults, the layout, the native window (hidden) and the window as
// the notifier of its controls.
#include <string>
#include <string_view>

namespace viremo::toolkit {
class CWindowWnd;
class INotifyUI;
}

namespace viremo::ui {

// False when the layout cannot be built (the builder logged why).
bool BuildSkinWindow(toolkit::CWindowWnd& window, std::string_view layout, toolkit::CWindowWnd* owner,
                     std::string title, toolkit::INotifyUI& notifier);

}  // namespace viremo::ui
