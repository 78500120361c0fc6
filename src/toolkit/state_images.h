#pragma once
// The images a pressable control (a button, a combo box) shows for its
// state. The most specific image the state has wins: disabled, then pushed,
// hot and focused; normal is the fallback.
#include <string>
#include <string_view>

#include "toolkit/control.h"

namespace viremo::toolkit {

struct StateImages {
    std::string normal;
    std::string hot;
    std::string pushed;
    std::string focused;
    std::string disabled;
};

// Takes "normalimage", "hotimage", "pushedimage", "focusedimage" and
// "disabledimage"; false for other names.
bool SetStateImageAttribute(StateImages& images, std::string_view name, std::string_view value);
void PaintStateImage(const CControlUI& control, IRenderer& renderer, const StateImages& images);

}  // namespace viremo::toolkit
