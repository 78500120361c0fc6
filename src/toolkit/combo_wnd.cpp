#include "toolkit/combo_wnd.h"

#include "toolkit/combo.h"
#include "toolkit/list.h"
#include "toolkit/list_label_element.h"

namespace viremo::toolkit {

namespace {
constexpr int kFrame = 1;
}  // namespace

CComboWnd* CComboWnd::Open(CComboUI& combo) {
    CPaintManagerUI* manager = combo.GetManager();
    CWindowWnd* owner = manager ? manager->GetOwnerWindow() : nullptr;
    if (!owner || !owner->GetHost()) return nullptr;
    auto* window = new CComboWnd(combo);
    window->Build();
    if (window->m_itemOfRow.empty()) {
        delete window;
        return nullptr;
    }
    // Height: the rows, up to the drop box's height.
    int rowsHeight = 2 * kFrame;
    for (int index : window->m_itemOfRow) {
        CControlUI* item = combo.GetItemAt(index);
        int height = item->GetFixedHeight() > 0 ? item->GetFixedHeight() : combo.GetListInfo().itemHeight;
        rowsHeight += manager->ScaleValue(height);
    }
    Size box = combo.GetDropBoxSize();
    int width = box.cx > 0 ? manager->ScaleValue(box.cx) : combo.GetWidth();
    int height = box.cy > 0 ? std::min(rowsHeight, manager->ScaleValue(box.cy)) : rowsHeight;

    const Rect& pos = combo.GetPos();
    Point below = owner->GetHost()->ClientToScreen({pos.left, pos.bottom});
    Rect bounds{below.x, below.y, below.x + width, below.y + height};
    Rect work = GetWindowSystem().WorkArea();
    if (bounds.bottom > work.bottom) {
        Point above = owner->GetHost()->ClientToScreen({pos.left, pos.top});
        bounds = {above.x, above.y - height, above.x + width, above.y};
    }
    window->Create({WindowKind::Popup, owner, "", bounds});
    window->GetPaintManager().OnSize({width, height});
    window->ShowWindow(true, true);
    return window;
}

CComboWnd::CComboWnd(CComboUI& combo) : CWindowWnd(combo.GetManager()->GetOwnerWindow()->GetQueue(),
                                                   combo.GetManager()->GetClock()),
                                        m_pCombo(&combo) {
    m_pm.SetDPIScale(combo.GetManager()->GetDPIScale());
}

void CComboWnd::Build() {
    auto list = std::make_unique<CListUI>();
    list->SetBkColor(0xFFFFFFFF);
    list->SetBorderColor(0xFF808080);
    list->SetBorderSize(kFrame);
    list->SetInset({kFrame, kFrame, kFrame, kFrame});
    for (int i = 0; i < m_pCombo->GetCount(); ++i) {
        CControlUI* item = m_pCombo->GetItemAt(i);
        if (!item->IsOwnVisible() || !dynamic_cast<IListItemUI*>(item)) continue;
        auto row = std::make_unique<CListLabelElementUI>();
        row->SetText(item->GetText());
        row->SetTextId(item->IsTextId());
        row->SetUserData(item->GetUserData());
        row->SetEnabled(item->IsEnabled());
        if (item->GetFixedHeight() > 0) row->SetFixedHeight(item->GetFixedHeight());
        if (i == m_pCombo->GetCurSel()) row->Select(true, false);
        list->Add(std::move(row));
        m_itemOfRow.push_back(i);
    }
    m_pList = list.get();
    // Rows report to this window, which maps them to the combo's items.
    for (int i = 0; i < m_pList->GetCount(); ++i) dynamic_cast<IListItemUI*>(m_pList->GetItemAt(i))->SetOwner(this);
    m_pm.AttachDialog(std::move(list));
}

const TListInfoUI& CComboWnd::GetListInfo() const {
    static const TListInfoUI fallback;
    return m_pCombo ? m_pCombo->GetListInfo() : fallback;
}

int CComboWnd::GetCurSel() const {
    return m_pList ? m_pList->GetCurSel() : -1;
}

bool CComboWnd::SelectItem(int index, bool, bool notify) {
    if (index < 0 || index >= static_cast<int>(m_itemOfRow.size()) || m_bClosing) return false;
    m_bClosing = true;
    if (m_pCombo) m_pCombo->SelectItem(m_itemOfRow[index], true, notify);
    Close();
    return true;
}

void CComboWnd::HandleItemEvent(TEventUI& event) {
    // Rows select on a press only; the wheel scrolls.
    if (event.Type == EventType::ScrollWheel && m_pList) m_pList->CVerticalLayoutUI::DoEvent(event);
}

void CComboWnd::OwnerGone() {
    m_pCombo = nullptr;
    Close();
}

std::intptr_t CComboWnd::HandleMessage(Message& msg) {
    if (msg.id == kMsgActivate && msg.wParam == 0 && !m_bClosing) {
        m_bClosing = true;
        Close();
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

void CComboWnd::OnFinalMessage() {
    if (m_pCombo) m_pCombo->OnDropWindowGone();
    delete this;
}

}  // namespace viremo::toolkit
