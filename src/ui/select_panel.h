#pragma once
// The container of a device picture ("SelectPanel"): dragging over its
// background spans a rubber band; when the button is released, every key
// button directly inside the panel is marked selected when the band touched
// it and cleared otherwise, and the panel sends "click_select_end". The band
// itself is not drawn: the keys show the selection.
#include "toolkit/vertical_layout.h"

namespace viremo::ui {

class CSelectPanelUI : public toolkit::CVerticalLayoutUI {
public:
    static constexpr std::string_view kClassName = "SelectPanel";
    std::string_view GetClass() const override { return kClassName; }

    const toolkit::Rect& GetSelectionRect() const { return m_selection; }

    void DoEvent(toolkit::TEventUI& event) override;

private:
    void Track(toolkit::Point point);
    void MarkKeys();

    bool m_pressed = false;
    bool m_selecting = false;
    toolkit::Point m_start;
    toolkit::Point m_current;
    toolkit::Rect m_selection;
};

}  // namespace viremo::ui
