#include "toolkit/list_row.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {

namespace {

void DrawRowImage(const CControlUI& row, IRenderer& renderer, const std::string& description) {
    if (!description.empty()) row.DrawImage(renderer, description);
}

}  // namespace

bool SetListInfoAttribute(TListInfoUI& info, std::string_view name, std::string_view value) {
    if (name == "itemfont") info.font = ParseInt(value);
    else if (name == "itemalign") {
        info.textStyle &= ~(kTextLeft | kTextCenter | kTextRight);
        info.textStyle |= value == "center" ? kTextCenter : value == "right" ? kTextRight : kTextLeft;
    } else if (name == "itemtextpadding") info.textPadding = ParseRect(value);
    else if (name == "itemtextcolor") info.textColor = ParseColor(value);
    else if (name == "itembkcolor") info.bkColor = ParseColor(value);
    else if (name == "itemselectedtextcolor") info.selectedTextColor = ParseColor(value);
    else if (name == "itemselectedbkcolor") info.selectedBkColor = ParseColor(value);
    else if (name == "itemhottextcolor") info.hotTextColor = ParseColor(value);
    else if (name == "itemhotbkcolor") info.hotBkColor = ParseColor(value);
    else if (name == "itemhotbordercolor") info.hotBorderColor = ParseColor(value);
    else if (name == "itemdisabledtextcolor") info.disabledTextColor = ParseColor(value);
    else if (name == "itembkimage") info.bkImage = std::string(value);
    else if (name == "itemselectedimage") info.selectedImage = std::string(value);
    else if (name == "itemhotimage") info.hotImage = std::string(value);
    else if (name == "itemheight") info.itemHeight = ParseInt(value);
    else return false;
    return true;
}

const TListInfoUI& ListRowInfo(const ListRowState& state) {
    static const TListInfoUI fallback;
    return state.owner ? state.owner->GetListInfo() : fallback;
}

bool SelectListRow(CControlUI& row, ListRowState& state, bool select, bool notify) {
    if (!row.IsEnabled()) return false;
    if (select == state.selected) return true;
    state.selected = select;
    if (select && state.owner) state.owner->SelectItem(state.index, false, notify);
    row.Invalidate();
    return true;
}

bool SetListRowAttribute(IListItemUI& item, ListRowState& state, std::string_view name, std::string_view value) {
    if (name == "selected") item.Select(ParseBool(value), false);
    else if (name == "menu") state.menu = ParseBool(value);
    else return false;
    return true;
}

bool HandleListRowEvent(CControlUI& row, ListRowState& state, IListItemUI& item, TEventUI& event) {
    switch (event.Type) {
    case EventType::ButtonDown:
    case EventType::RightButtonDown:
        if (row.IsEnabled()) {
            if (CPaintManagerUI* manager = row.GetManager()) manager->SendNotify(&row, "itemclick");
            item.Select(true);
            row.Invalidate();
        }
        return true;
    case EventType::DoubleClick:
        if (row.IsEnabled()) row.Activate();
        return true;
    case EventType::ButtonUp:
    case EventType::MouseMove:
        return true;
    case EventType::KeyDown:
        if (event.chKey == kKeyReturn && row.IsEnabled()) {
            row.Activate();
            return true;
        }
        if (state.owner) state.owner->HandleItemEvent(event);
        return true;
    case EventType::ScrollWheel:
        if (state.owner) state.owner->HandleItemEvent(event);
        return true;
    case EventType::MouseEnter:
        if (row.IsEnabled()) row.SetState(row.GetState() | kStateHot);
        row.Invalidate();
        return true;
    case EventType::MouseLeave:
        row.SetState(row.GetState() & ~kStateHot);
        row.Invalidate();
        return true;
    case EventType::ContextMenu:
        if (state.menu && row.GetManager())
            row.GetManager()->SendNotify(&row, "menu", event.wParam, event.lParam);
        return true;
    default:
        return false;
    }
}

void PaintListRowBackground(const CControlUI& row, const ListRowState& state, IRenderer& renderer) {
    const TListInfoUI& info = ListRowInfo(state);
    const Rect& rect = row.GetPos();
    bool hot = row.IsHot() && row.IsEnabled();
    Color color = state.selected ? info.selectedBkColor : hot ? info.hotBkColor : info.bkColor;
    if (row.GetBkColor() != 0 && !state.selected && !hot) color = row.GetBkColor();
    if (color != 0) renderer.FillRect(rect, color);
    DrawRowImage(row, renderer, state.selected ? info.selectedImage : hot ? info.hotImage : info.bkImage);
    if (hot && !state.selected && info.hotBorderColor != 0) renderer.DrawRect(rect, 1, info.hotBorderColor);
}

Color ListRowTextColor(const CControlUI& row, const ListRowState& state) {
    const TListInfoUI& info = ListRowInfo(state);
    if (!row.IsEnabled()) return info.disabledTextColor;
    if (state.selected) return info.selectedTextColor;
    if (row.IsHot()) return info.hotTextColor;
    return info.textColor;
}

}  // namespace viremo::toolkit
