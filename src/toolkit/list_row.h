#pragma once
// The behaviour list rows share, whatever control they are built on: the
// row's state and its handling of presses, double clicks, keys, hover and
// the context menu, and the painting of its background.
#include <cstdint>
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/list_owner.h"

namespace viremo::toolkit {

struct ListRowState {
    int index = -1;
    IListOwnerUI* owner = nullptr;
    bool selected = false;
    bool menu = false;  // the row sends "menu" on a context-menu event
};

// Selects or clears the row; selecting tells the owner, which clears the
// previous row. False when the row is disabled.
bool SelectListRow(CControlUI& row, ListRowState& state, bool select, bool notify);
// The attributes every row takes ("selected", "menu"); false for others.
bool SetListRowAttribute(IListItemUI& item, ListRowState& state, std::string_view name, std::string_view value);
// Handles what rows do alike; false for events the row's own base handles.
// A press sends "itemclick" and selects the row; a double click or Return
// activates it ("itemactivate" comes from the row's Activate).
bool HandleListRowEvent(CControlUI& row, ListRowState& state, IListItemUI& item, TEventUI& event);
// The owner's row style, or the defaults for a row without an owner.
const TListInfoUI& ListRowInfo(const ListRowState& state);
// Background colour and image for the row's state, and the hover frame.
void PaintListRowBackground(const CControlUI& row, const ListRowState& state, IRenderer& renderer);
// The text colour for the row's state.
Color ListRowTextColor(const CControlUI& row, const ListRowState& state);

}  // namespace viremo::toolkit
