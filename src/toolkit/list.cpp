#include "toolkit/list.h"

#include "toolkit/scroll_bar.h"

namespace viremo::toolkit {

CListUI::CListUI() {
    EnableScrollBar(true, false);
}

std::string_view CListUI::GetClass() const { return "List"; }

IListItemUI* CListUI::RowAt(int index) const {
    return dynamic_cast<IListItemUI*>(GetItemAt(index));
}

void CListUI::OnItemsChanged() {
    int selected = -1;
    for (int i = 0; i < GetCount(); ++i) {
        if (IListItemUI* row = RowAt(i)) {
            row->SetOwner(this);
            row->SetIndex(i);
            if (row->IsSelected() && selected < 0) selected = i;
        }
    }
    m_iCurSel = selected;
}

bool CListUI::SelectItem(int index, bool takeFocus, bool notify) {
    if (index == m_iCurSel) return true;
    int old = m_iCurSel;
    if (index < 0) {
        if (IListItemUI* row = RowAt(old)) row->Select(false, false);
        m_iCurSel = -1;
        return true;
    }
    IListItemUI* row = RowAt(index);
    CControlUI* control = GetItemAt(index);
    if (!row || !control->IsVisible() || !control->IsEnabled()) return false;
    if (IListItemUI* previous = RowAt(old)) previous->Select(false, false);
    m_iCurSel = index;
    row->Select(true, false);
    EnsureVisible(control);
    if (takeFocus) control->SetFocus();
    if (notify) NotifyManager("itemselect", static_cast<std::uintptr_t>(index), old);
    return true;
}

int CListUI::Selectable(int index, int direction) const {
    for (int i = index; i >= 0 && i < GetCount(); i += direction) {
        CControlUI* control = GetItemAt(i);
        if (RowAt(i) && control->IsVisible() && control->IsEnabled()) return i;
    }
    return -1;
}

bool CListUI::MoveSelection(unsigned key) {
    int target = -1;
    switch (key) {
    case kKeyUp: target = Selectable(m_iCurSel - 1, -1); break;
    case kKeyDown: target = Selectable(m_iCurSel + 1, 1); break;
    case kKeyHome: target = Selectable(0, 1); break;
    case kKeyEnd: target = Selectable(GetCount() - 1, -1); break;
    default: return false;
    }
    if (target >= 0) SelectItem(target, true, true);
    return true;
}

void CListUI::HandleItemEvent(TEventUI& event) {
    DoEvent(event);
}

void CListUI::DoEvent(TEventUI& event) {
    if (event.Type == EventType::KeyDown && IsEnabled() && MoveSelection(event.chKey)) return;
    CVerticalLayoutUI::DoEvent(event);
}

void CListUI::SetAttribute(std::string_view name, std::string_view value) {
    if (!SetListInfoAttribute(m_info, name, value)) CVerticalLayoutUI::SetAttribute(name, value);
    else Invalidate();
}

}  // namespace viremo::toolkit
