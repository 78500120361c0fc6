#include "toolkit/state_images.h"

namespace viremo::toolkit {

bool SetStateImageAttribute(StateImages& images, std::string_view name, std::string_view value) {
    if (name == "normalimage") images.normal = std::string(value);
    else if (name == "hotimage") images.hot = std::string(value);
    else if (name == "pushedimage") images.pushed = std::string(value);
    else if (name == "focusedimage") images.focused = std::string(value);
    else if (name == "disabledimage") images.disabled = std::string(value);
    else return false;
    return true;
}

void PaintStateImage(const CControlUI& control, IRenderer& renderer, const StateImages& images) {
    const bool enabled = control.IsEnabled();
    if (!enabled && control.DrawImage(renderer, images.disabled)) return;
    if (enabled && control.IsPushed() && control.DrawImage(renderer, images.pushed)) return;
    if (enabled && control.IsHot() && control.DrawImage(renderer, images.hot)) return;
    if (control.IsFocused() && control.DrawImage(renderer, images.focused)) return;
    control.DrawImage(renderer, images.normal);
}

}  // namespace viremo::toolkit
