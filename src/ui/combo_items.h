#pragma once
// Fills a panel's combo with one list item per name, 30 px high, the name
// also its tooltip; an item whose flag in `visible` is false is hidden
// (names without a flag are shown).
#include <string>
#include <vector>

namespace viremo::toolkit {
class CComboUI;
}

namespace viremo::ui {

void FillCombo(toolkit::CComboUI& combo, const std::vector<std::string>& names, const std::vector<bool>& visible = {});

}  // namespace viremo::ui
