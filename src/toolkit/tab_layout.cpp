#include "toolkit/tab_layout.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {

std::string_view CTabLayoutUI::GetClass() const { return "TabLayout"; }

void CTabLayoutUI::Init() {
    if (m_iCurSel < 0 && GetCount() > 0) {
        m_iCurSel = std::clamp(m_iInitialSel, 0, GetCount() - 1);
    }
    ShowOnly(m_iCurSel);
}

bool CTabLayoutUI::SelectItem(int index, bool notify) {
    if (index < 0 || index >= GetCount()) return false;
    if (index == m_iCurSel) return true;
    int old = m_iCurSel;
    m_iCurSel = index;
    ShowOnly(index);
    NeedUpdate();
    if (notify) NotifyManager("tabselect", static_cast<std::uintptr_t>(index), old);
    return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* page, bool notify) {
    return SelectItem(GetItemIndex(page), notify);
}

void CTabLayoutUI::ShowOnly(int index) {
    for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetVisible(i == index);
}

void CTabLayoutUI::SetPos(const Rect& rect, bool needInvalidate) {
    // Pages added after the first selection start hidden.
    if (m_iCurSel >= GetCount()) m_iCurSel = GetCount() - 1;
    if (m_iCurSel < 0 && GetCount() > 0) m_iCurSel = 0;
    ShowOnly(m_iCurSel);
    CContainerUI::SetPos(rect, needInvalidate);
}

void CTabLayoutUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "selectedid") {
        m_iInitialSel = ParseInt(value);
        if (m_pManager) SelectItem(m_iInitialSel, false);
    } else {
        CContainerUI::SetAttribute(name, value);
    }
}

}  // namespace viremo::toolkit
