#include "toolkit/option.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"
#include "toolkit/tab_layout.h"

namespace viremo::toolkit {

std::string_view COptionUI::GetClass() const { return "Option"; }

void COptionUI::SetGroup(std::string group) {
    m_sGroupName = std::move(group);
    if (m_bSelected && m_pManager) ClearGroupExcept(false);
}

void COptionUI::SetBindTab(std::string tabName, int index) {
    m_sBindTabName = std::move(tabName);
    m_iBindTabIndex = index;
}

void COptionUI::Init() {
    // An option selected in the layout file shows its page from the start
    // and wins over earlier options of its group.
    if (!m_bSelected) return;
    ClearGroupExcept(false);
    ShowBoundPage(false);
}

void COptionUI::Selected(bool selected, bool notify) {
    if (selected == m_bSelected) return;
    m_bSelected = selected;
    if (selected) m_uButtonState |= kStateSelected;
    else m_uButtonState &= ~kStateSelected;
    Invalidate();
    if (!m_pManager) return;
    if (selected) {
        ClearGroupExcept(notify);
        ShowBoundPage(notify);
    }
    if (notify) NotifyManager("selectchanged");
}

void COptionUI::ClearGroupExcept(bool notify) {
    if (m_sGroupName.empty() || !m_pManager || !m_pManager->GetRoot()) return;
    std::vector<COptionUI*> others;
    m_pManager->GetRoot()->FindControl(
        [&](CControlUI* c) {
            auto* option = dynamic_cast<COptionUI*>(c);
            if (option && option != this && option->m_bSelected && option->m_sGroupName == m_sGroupName)
                others.push_back(option);
            return false;
        },
        kFindAll | kFindMeFirst);
    for (COptionUI* other : others) other->Selected(false, notify);
}

void COptionUI::ShowBoundPage(bool notify) {
    if (m_sBindTabName.empty() || !m_pManager) return;
    if (auto* tab = dynamic_cast<CTabLayoutUI*>(m_pManager->FindControl(m_sBindTabName)))
        tab->SelectItem(m_iBindTabIndex, notify);
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) return false;
    Selected(m_sGroupName.empty() ? !m_bSelected : true);
    return true;
}

void COptionUI::PaintBkColor(IRenderer& renderer) {
    if (m_bSelected && m_dwSelectedBkColor != 0) {
        renderer.FillRect(m_rcItem, m_dwSelectedBkColor);
        return;
    }
    CButtonUI::PaintBkColor(renderer);
}

void COptionUI::PaintStatusImage(IRenderer& renderer) {
    if (m_bSelected && IsEnabled()) {
        if (IsHot() && DrawImage(renderer, m_sSelectedHotImage)) return;
        if (DrawImage(renderer, m_sSelectedImage)) return;
    }
    CButtonUI::PaintStatusImage(renderer);
}

Color COptionUI::CurrentTextColor() const {
    if (m_bSelected && IsEnabled() && m_dwSelectedTextColor != 0) return m_dwSelectedTextColor;
    return CButtonUI::CurrentTextColor();
}

void COptionUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "group") SetGroup(std::string(value));
    else if (name == "selected") Selected(ParseBool(value), false);
    else if (name == "selectedimage") SetSelectedImage(std::string(value));
    else if (name == "selectedhotimage") SetSelectedHotImage(std::string(value));
    else if (name == "selectedtextcolor") SetSelectedTextColor(ParseColor(value));
    else if (name == "selectedbkcolor") SetSelectedBkColor(ParseColor(value));
    else if (name == "bindtab") m_sBindTabName = std::string(value);
    else if (name == "bindtabindex") m_iBindTabIndex = ParseInt(value);
    else CButtonUI::SetAttribute(name, value);
}

}  // namespace viremo::toolkit
