#pragma once
// The mouse page's key information list ("device_setkeyinfo_list"): per key
// position a row of two labels, the key's name and what the key does now.
#include <string>

#include "toolkit/list.h"

namespace viremo::ui {

// Shows `label` and `assignment` in row `row`, adding rows (hidden and
// disabled until shown) until the list has it.
void ShowKeyInformation(toolkit::CListUI& list, int row, const std::string& label, const std::string& assignment,
                        bool visible);

}  // namespace viremo::ui
