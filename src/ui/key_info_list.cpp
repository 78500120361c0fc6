#include "ui/key_info_list.h"

#include <memory>

#include "toolkit/label.h"
#include "toolkit/list_container_element.h"

namespace viremo::ui {
namespace {

constexpr int kRowHeight = 25;
constexpr int kLabelWidth = 200;
constexpr int kAssignmentWidth = 180;
constexpr toolkit::Color kLabelColour = 0xFFFFFFFF;
constexpr toolkit::Color kAssignmentColour = 0xFF0099FF;

std::unique_ptr<toolkit::CLabelUI> RowLabel(int width, toolkit::Color colour) {
    auto label = std::make_unique<toolkit::CLabelUI>();
    label->SetFixedWidth(width);
    label->SetTextColor(colour);
    label->SetAttribute("endellipsis", "true");
    return label;
}

std::unique_ptr<toolkit::CListContainerElementUI> HiddenRow() {
    auto row = std::make_unique<toolkit::CListContainerElementUI>();
    row->SetFixedHeight(kRowHeight);
    row->Add(RowLabel(kLabelWidth, kLabelColour));
    row->Add(RowLabel(kAssignmentWidth, kAssignmentColour));
    row->SetVisible(false);
    row->SetEnabled(false);
    return row;
}

}  // namespace

void ShowKeyInformation(toolkit::CListUI& list, int row, const std::string& label, const std::string& assignment,
                        bool visible) {
    if (row < 0) return;
    while (list.GetCount() <= row) list.Add(HiddenRow());
    auto* element = dynamic_cast<toolkit::CListContainerElementUI*>(list.GetItemAt(row));
    if (!element || element->GetCount() < 2) return;
    element->GetItemAt(0)->SetText(label);
    element->GetItemAt(1)->SetText(assignment);
    element->SetVisible(visible);
}

}  // namespace viremo::ui
