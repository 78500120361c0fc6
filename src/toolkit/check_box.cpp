#include "toolkit/check_box.h"

namespace viremo::toolkit {

std::string_view CCheckBoxUI::GetClass() const { return "CheckBox"; }

}  // namespace viremo::toolkit
