#include "toolkit/combo.h"

#include "toolkit/combo_wnd.h"
#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {

CComboUI::CComboUI() = default;

CComboUI::~CComboUI() {
    if (m_pDropWindow) m_pDropWindow->OwnerGone();
}

std::string_view CComboUI::GetClass() const { return "Combo"; }

IListItemUI* CComboUI::ItemAt(int index) const {
    return dynamic_cast<IListItemUI*>(GetItemAt(index));
}

void CComboUI::OnItemsChanged() {
    int selected = -1;
    for (int i = 0; i < GetCount(); ++i) {
        if (IListItemUI* item = ItemAt(i)) {
            item->SetOwner(this);
            item->SetIndex(i);
            if (item->IsSelected() && selected < 0) selected = i;
        }
    }
    m_iCurSel = selected;
    Invalidate();
}

bool CComboUI::SelectItem(int index, bool takeFocus, bool notify) {
    if (index == m_iCurSel) return true;
    int old = m_iCurSel;
    if (index < 0) {
        if (IListItemUI* item = ItemAt(old)) item->Select(false, false);
        m_iCurSel = -1;
        Invalidate();
        return true;
    }
    IListItemUI* item = ItemAt(index);
    if (!item) return false;
    if (IListItemUI* previous = ItemAt(old)) previous->Select(false, false);
    m_iCurSel = index;
    item->Select(true, false);
    Invalidate();
    if (takeFocus) SetFocus();
    if (notify) NotifyManager("itemselect", static_cast<std::uintptr_t>(index), old);
    return true;
}

std::string CComboUI::GetCurItemText() const {
    CControlUI* item = GetItemAt(m_iCurSel);
    return item ? item->GetDisplayText() : std::string();
}

int CComboUI::Selectable(int index, int direction) const {
    for (int i = index; i >= 0 && i < GetCount(); i += direction) {
        CControlUI* item = GetItemAt(i);
        if (ItemAt(i) && item->IsOwnVisible() && item->IsEnabled()) return i;
    }
    return -1;
}

void CComboUI::HandleItemEvent(TEventUI& event) {
    DoEvent(event);
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (!m_pDropWindow) m_pDropWindow = CComboWnd::Open(*this);
    NotifyManager("dropdown");
    return true;
}

void CComboUI::SetPos(const Rect& rect, bool needInvalidate) {
    // The items live in the drop-down, not in the combo's own rectangle.
    CControlUI::SetPos(rect, needInvalidate);
}

void CComboUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (IsEnabled() && m_rcItem.Contains(event.ptMouse)) {
            m_uButtonState |= kStatePushed | kStateCaptured;
            Invalidate();
        }
        return;
    case EventType::MouseMove:
        if (IsCaptured()) {
            bool inside = m_rcItem.Contains(event.ptMouse);
            m_uButtonState = inside ? m_uButtonState | kStatePushed : m_uButtonState & ~kStatePushed;
            Invalidate();
        }
        return;
    case EventType::ButtonUp:
        if (IsCaptured()) {
            m_uButtonState &= ~(kStatePushed | kStateCaptured);
            Invalidate();
            if (m_rcItem.Contains(event.ptMouse)) Activate();
        }
        return;
    case EventType::KeyDown:
        if (!IsEnabled()) return;
        if (event.chKey == kKeyUp || event.chKey == kKeyDown) {
            int target = event.chKey == kKeyUp ? Selectable(m_iCurSel - 1, -1) : Selectable(m_iCurSel + 1, 1);
            if (target >= 0) SelectItem(target, false, true);
            return;
        }
        if (event.chKey == kKeyReturn || event.chKey == ' ') {
            Activate();
            return;
        }
        return;
    case EventType::ScrollWheel:
        if (IsEnabled()) {
            int target = event.wParam == 0 ? Selectable(m_iCurSel - 1, -1) : Selectable(m_iCurSel + 1, 1);
            if (target >= 0) SelectItem(target, false, true);
        }
        return;
    case EventType::MouseEnter:
        if (IsEnabled()) m_uButtonState |= kStateHot;
        Invalidate();
        return;
    case EventType::MouseLeave:
        m_uButtonState &= ~kStateHot;
        Invalidate();
        return;
    default:
        CControlUI::DoEvent(event);
    }
}

void CComboUI::DoPaint(IRenderer& renderer, const Rect& paint) {
    CControlUI::DoPaint(renderer, paint);
}

void CComboUI::PaintStatusImage(IRenderer& renderer) {
    PaintStateImage(*this, renderer, m_images);
}

void CComboUI::PaintText(IRenderer& renderer) {
    std::string text = GetCurItemText();
    if (text.empty()) return;
    TextStyle style;
    style.font = CPaintManagerUI::GetFont(m_iFont);
    style.font.size = Scale(style.font.size);
    style.color = IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor;
    style.format = kTextLeft | kTextVCenter | kTextSingleLine | kTextEndEllipsis;
    Rect area = m_rcItem.Deflated(Scale(m_rcTextPadding));
    renderer.DrawText(area, text, style);
}

void CComboUI::SetAttribute(std::string_view name, std::string_view value) {
    if (SetListInfoAttribute(m_info, name, value)) return;
    if (name == "dropboxsize") SetDropBoxSize(ParseSize(value));
    else if (name == "textpadding") m_rcTextPadding = ParseRect(value);
    else if (name == "textcolor") m_dwTextColor = ParseColor(value);
    else if (name == "disabledtextcolor") m_dwDisabledTextColor = ParseColor(value);
    else if (name == "font") m_iFont = ParseInt(value);
    else if (!SetStateImageAttribute(m_images, name, value)) CContainerUI::SetAttribute(name, value);
}

CControlUI* CComboUI::FindControl(const FindPredicate& match, unsigned flags, Point point) {
    // Items have no place in the window: a hit lands on the combo itself.
    if (flags & kFindHitTest) return CControlUI::FindControl(match, flags, point);
    return CContainerUI::FindControl(match, flags, point);
}

}  // namespace viremo::toolkit
