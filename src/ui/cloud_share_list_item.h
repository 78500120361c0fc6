#pragma once
// A list row with a hover frame ("CloudShareListItemUI"): while the pointer
// is over a row that is not selected, a 1 px frame in the list's hot colour
// goes round it.
#include "toolkit/list_container_element.h"

namespace viremo::ui {

class CCloudShareListItemUI : public toolkit::CListContainerElementUI {
public:
    static constexpr std::string_view kClassName = "CloudShareListItemUI";
    std::string_view GetClass() const override { return kClassName; }

    void DoEvent(toolkit::TEventUI& event) override;
    void DrawItemBk(toolkit::IRenderer& renderer) override;
};

}  // namespace viremo::ui
