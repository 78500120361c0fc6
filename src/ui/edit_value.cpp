#include "ui/edit_value.h"

#include <algorithm>

#include "toolkit/image_description.h"

namespace viremo::ui {

int EditValue(std::string_view text, int low, int high) { return std::clamp(toolkit::ParseInt(text), low, high); }

}  // namespace viremo::ui
