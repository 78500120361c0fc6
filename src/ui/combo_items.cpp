#include "ui/combo_items.h"

#include "toolkit/combo.h"
#include "toolkit/list_label_element.h"

namespace viremo::ui {

void FillCombo(toolkit::CComboUI& combo, const std::vector<std::string>& names, const std::vector<bool>& visible) {
    constexpr int kItemHeight = 30;
    combo.RemoveAll();
    for (size_t i = 0; i < names.size(); ++i) {
        auto item = std::make_unique<toolkit::CListLabelElementUI>();
        item->SetText(names[i]);
        item->SetToolTip(names[i]);
        item->SetFixedHeight(kItemHeight);
        item->SetVisible(i < visible.size() ? visible[i] : true);
        combo.Add(std::move(item));
    }
}

}  // namespace viremo::ui
