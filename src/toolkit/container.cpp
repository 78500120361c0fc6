#include "toolkit/container.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"
#include "toolkit/scroll_bar.h"

namespace viremo::toolkit {

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    // Children go first, while this container is still whole.
    m_items.clear();
    m_pVerticalScrollBar.reset();
    m_pHorizontalScrollBar.reset();
}

std::string_view CContainerUI::GetClass() const { return "Container"; }

CControlUI* CContainerUI::Add(std::unique_ptr<CControlUI> control) {
    return AddAt(std::move(control), GetCount());
}

CControlUI* CContainerUI::AddAt(std::unique_ptr<CControlUI> control, int index) {
    if (!control || index < 0 || index > GetCount()) return nullptr;
    CControlUI* raw = control.get();
    m_items.insert(m_items.begin() + index, std::move(control));
    raw->SetManager(m_pManager, this, m_pManager != nullptr);
    raw->SetInternVisible(IsVisible());
    OnItemsChanged();
    NeedUpdate();
    return raw;
}

std::unique_ptr<CControlUI> CContainerUI::Remove(CControlUI* control) {
    int index = GetItemIndex(control);
    return index < 0 ? nullptr : RemoveAt(index);
}

std::unique_ptr<CControlUI> CContainerUI::RemoveAt(int index) {
    if (index < 0 || index >= GetCount()) return nullptr;
    std::unique_ptr<CControlUI> control = std::move(m_items[index]);
    m_items.erase(m_items.begin() + index);
    control->SetManager(nullptr, nullptr, false);
    OnItemsChanged();
    NeedUpdate();
    return control;
}

void CContainerUI::RemoveAll() {
    m_items.clear();
    OnItemsChanged();
    NeedUpdate();
}

CControlUI* CContainerUI::GetItemAt(int index) const {
    return index >= 0 && index < GetCount() ? m_items[index].get() : nullptr;
}

int CContainerUI::GetItemIndex(const CControlUI* control) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_items[i].get() == control) return i;
    }
    return -1;
}

bool CContainerUI::SetItemIndex(CControlUI* control, int index) {
    int from = GetItemIndex(control);
    if (from < 0 || index < 0 || index >= GetCount()) return false;
    std::unique_ptr<CControlUI> moving = std::move(m_items[from]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + index, std::move(moving));
    OnItemsChanged();
    NeedUpdate();
    return true;
}

CControlUI* CContainerUI::FindSubControl(std::string_view name) const {
    for (const auto& item : m_items) {
        if (item->GetName() == name) return item.get();
        if (auto* container = dynamic_cast<CContainerUI*>(item.get())) {
            if (CControlUI* found = container->FindSubControl(name)) return found;
        }
    }
    return nullptr;
}

std::vector<CControlUI*> CContainerUI::FindSubControlsByClass(std::string_view className, bool directOnly) const {
    std::vector<CControlUI*> found;
    for (const auto& item : m_items) {
        if (item->GetClass() == className) found.push_back(item.get());
        if (directOnly) continue;
        if (auto* container = dynamic_cast<CContainerUI*>(item.get())) {
            auto below = container->FindSubControlsByClass(className, false);
            found.insert(found.end(), below.begin(), below.end());
        }
    }
    return found;
}

void CContainerUI::SetInset(const Rect& inset) { m_rcInset = inset; NeedUpdate(); }
void CContainerUI::SetChildPadding(int padding) { m_iChildPadding = std::max(0, padding); NeedUpdate(); }
void CContainerUI::SetChildAlign(ChildAlign align) { m_childAlign = align; NeedUpdate(); }

int CContainerUI::AlignOffset(int space, int size) const {
    switch (m_childAlign) {
    case ChildAlign::Center: return (space - size) / 2;
    case ChildAlign::End: return space - size;
    case ChildAlign::Start: break;
    }
    return 0;
}

void CContainerUI::EnableScrollBar(bool vertical, bool horizontal) {
    auto make = [this](bool wanted, std::unique_ptr<CScrollBarUI>& bar, bool isHorizontal) {
        if (wanted && !bar) {
            bar = std::make_unique<CScrollBarUI>();
            bar->SetOwner(this);
            bar->SetHorizontal(isHorizontal);
            bar->SetVisible(false);
            bar->SetManager(m_pManager, this, m_pManager != nullptr);
        } else if (!wanted) {
            bar.reset();
        }
    };
    make(vertical, m_pVerticalScrollBar, false);
    make(horizontal, m_pHorizontalScrollBar, true);
    NeedUpdate();
}

Size CContainerUI::GetScrollPos() const {
    return {m_pHorizontalScrollBar ? m_pHorizontalScrollBar->GetScrollPos() : 0,
            m_pVerticalScrollBar ? m_pVerticalScrollBar->GetScrollPos() : 0};
}

Size CContainerUI::GetScrollRange() const {
    return {m_pHorizontalScrollBar ? m_pHorizontalScrollBar->GetScrollRange() : 0,
            m_pVerticalScrollBar ? m_pVerticalScrollBar->GetScrollRange() : 0};
}

void CContainerUI::SetScrollPos(Size pos) {
    Size before = GetScrollPos();
    if (m_pHorizontalScrollBar) m_pHorizontalScrollBar->SetScrollPos(pos.cx);
    if (m_pVerticalScrollBar) m_pVerticalScrollBar->SetScrollPos(pos.cy);
    if (GetScrollPos() == before) return;
    SetPos(m_rcItem, true);
    NotifyManager("scroll");
}

namespace {
int LineOf(const CScrollBarUI* bar) { return bar ? bar->GetLineSize() : 0; }
}  // namespace

void CContainerUI::LineUp() { SetScrollPos({GetScrollPos().cx, GetScrollPos().cy - Scale(LineOf(m_pVerticalScrollBar.get()))}); }
void CContainerUI::LineDown() { SetScrollPos({GetScrollPos().cx, GetScrollPos().cy + Scale(LineOf(m_pVerticalScrollBar.get()))}); }
void CContainerUI::PageUp() { SetScrollPos({GetScrollPos().cx, GetScrollPos().cy - GetInnerRect().Height()}); }
void CContainerUI::PageDown() { SetScrollPos({GetScrollPos().cx, GetScrollPos().cy + GetInnerRect().Height()}); }
void CContainerUI::HomeUp() { SetScrollPos({GetScrollPos().cx, 0}); }
void CContainerUI::EndDown() { SetScrollPos({GetScrollPos().cx, GetScrollRange().cy}); }
void CContainerUI::LineLeft() { SetScrollPos({GetScrollPos().cx - Scale(LineOf(m_pHorizontalScrollBar.get())), GetScrollPos().cy}); }
void CContainerUI::LineRight() { SetScrollPos({GetScrollPos().cx + Scale(LineOf(m_pHorizontalScrollBar.get())), GetScrollPos().cy}); }

void CContainerUI::EnsureVisible(const CControlUI* child) {
    if (GetItemIndex(child) < 0) return;
    Rect inner = GetInnerRect();
    Rect pos = child->GetPos();
    Size scroll = GetScrollPos();
    if (pos.top < inner.top) scroll.cy -= inner.top - pos.top;
    else if (pos.bottom > inner.bottom) scroll.cy += std::min(pos.bottom - inner.bottom, pos.top - inner.top);
    if (pos.left < inner.left) scroll.cx -= inner.left - pos.left;
    else if (pos.right > inner.right) scroll.cx += std::min(pos.right - inner.right, pos.left - inner.left);
    SetScrollPos(scroll);
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    if (m_pManager && m_pManager != manager) m_pManager->ReapControl(this);
    bool joining = manager && manager != m_pManager;
    m_pManager = manager;
    m_pParent = parent;
    if (joining) manager->InitControl(this);
    for (auto& item : m_items) item->SetManager(manager, this, init);
    if (m_pVerticalScrollBar) m_pVerticalScrollBar->SetManager(manager, this, init);
    if (m_pHorizontalScrollBar) m_pHorizontalScrollBar->SetManager(manager, this, init);
    if (init && manager) Init();
}

void CContainerUI::SetVisible(bool visible) {
    if (visible == m_bVisible) return;
    CControlUI::SetVisible(visible);
    for (auto& item : m_items) item->SetInternVisible(IsVisible());
}

void CContainerUI::SetInternVisible(bool visible) {
    CControlUI::SetInternVisible(visible);
    for (auto& item : m_items) item->SetInternVisible(IsVisible());
}

Rect CContainerUI::GetInnerRect() const {
    Rect inner = m_rcItem.Deflated(Scale(m_rcInset));
    if (m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible())
        inner.right -= Scale(m_pVerticalScrollBar->GetThickness());
    if (m_pHorizontalScrollBar && m_pHorizontalScrollBar->IsVisible())
        inner.bottom -= Scale(m_pHorizontalScrollBar->GetThickness());
    if (inner.right < inner.left) inner.right = inner.left;
    if (inner.bottom < inner.top) inner.bottom = inner.top;
    return inner;
}

void CContainerUI::SetFloatPos(CControlUI* child) {
    const Rect& pos = child->GetFloatPos();
    const Anchors& anchors = child->GetFloatAnchors();
    int width = m_rcItem.Width();
    int height = m_rcItem.Height();
    Size scroll = GetScrollPos();
    int originX = m_rcItem.left - scroll.cx;
    int originY = m_rcItem.top - scroll.cy;
    Rect placed{originX + Scale(pos.left) + static_cast<int>(anchors.left * width),
                originY + Scale(pos.top) + static_cast<int>(anchors.top * height),
                originX + Scale(pos.right) + static_cast<int>(anchors.right * width),
                originY + Scale(pos.bottom) + static_cast<int>(anchors.bottom * height)};
    child->SetPos(placed, false);
}

void CContainerUI::ProcessScrollBar(const Rect& inner, int cxRequired, int cyRequired) {
    // inner already lacks the bars shown now; the bars' own room is added
    // back to judge whether each is needed.
    bool changed = false;
    Rect outer = m_rcItem.Deflated(Scale(m_rcInset));
    auto update = [&](CScrollBarUI* bar, int required, int available) {
        if (!bar) return;
        int range = std::max(0, required - available);
        bool show = range > 0;
        bar->SetScrollRange(range);
        if (show != bar->IsVisible()) {
            bar->SetVisible(show);
            changed = true;
        }
    };
    update(m_pVerticalScrollBar.get(), cyRequired, inner.Height());
    update(m_pHorizontalScrollBar.get(), cxRequired, inner.Width());
    bool bothShown = m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible() && m_pHorizontalScrollBar &&
                     m_pHorizontalScrollBar->IsVisible();
    if (m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible()) {
        int thickness = Scale(m_pVerticalScrollBar->GetThickness());
        int bottom = bothShown ? outer.bottom - Scale(m_pHorizontalScrollBar->GetThickness()) : outer.bottom;
        m_pVerticalScrollBar->SetPos({outer.right - thickness, outer.top, outer.right, bottom}, false);
    }
    if (m_pHorizontalScrollBar && m_pHorizontalScrollBar->IsVisible()) {
        int thickness = Scale(m_pHorizontalScrollBar->GetThickness());
        int right = bothShown ? outer.right - Scale(m_pVerticalScrollBar->GetThickness()) : outer.right;
        m_pHorizontalScrollBar->SetPos({outer.left, outer.bottom - thickness, right, outer.bottom}, false);
    }
    // A bar that appeared or went changes the room children have: lay them
    // out once more.
    if (changed && !m_bInScrollRelayout) {
        m_bInScrollRelayout = true;
        SetPos(m_rcItem, false);
        m_bInScrollRelayout = false;
    }
}

void CContainerUI::SetPos(const Rect& rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    Rect inner = GetInnerRect();
    Size scroll = GetScrollPos();
    int cxRequired = 0;
    int cyRequired = 0;
    for (auto& item : m_items) {
        CControlUI* child = item.get();
        if (!child->IsVisible()) continue;
        if (child->IsFloat()) {
            SetFloatPos(child);
            continue;
        }
        Rect padding = Scale(child->GetPadding());
        Rect room = inner.Deflated(padding);
        Size size = child->EstimateSize({room.Width(), room.Height()});
        if (size.cx == 0) size.cx = room.Width();
        if (size.cy == 0) size.cy = room.Height();
        size.cx = std::clamp(size.cx, Scale(child->GetMinWidth()), std::max(Scale(child->GetMinWidth()), Scale(child->GetMaxWidth())));
        size.cy = std::clamp(size.cy, Scale(child->GetMinHeight()), std::max(Scale(child->GetMinHeight()), Scale(child->GetMaxHeight())));
        Rect placed{room.left - scroll.cx, room.top - scroll.cy, room.left - scroll.cx + size.cx,
                    room.top - scroll.cy + size.cy};
        child->SetPos(placed, false);
        cxRequired = std::max(cxRequired, size.cx + padding.left + padding.right);
        cyRequired = std::max(cyRequired, size.cy + padding.top + padding.bottom);
    }
    ProcessScrollBar(inner, cxRequired, cyRequired);
}

void CContainerUI::DoEvent(TEventUI& event) {
    if (event.Type == EventType::ScrollWheel && m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible() &&
        IsEnabled()) {
        if (event.wParam == 0) LineUp();
        else LineDown();
        return;
    }
    CControlUI::DoEvent(event);
}

void CContainerUI::DoPaint(IRenderer& renderer, const Rect& paint) {
    if (!paint.Intersects(m_rcItem)) return;
    CControlUI::DoPaint(renderer, paint);
    Rect flowClip = GetInnerRect().Intersection(paint);
    Rect floatClip = m_rcItem.Intersection(paint);
    for (auto& item : m_items) {
        CControlUI* child = item.get();
        if (!child->IsVisible()) continue;
        const Rect& clip = child->IsFloat() ? floatClip : flowClip;
        if (!clip.Intersects(child->GetPos())) continue;
        renderer.PushClip(clip);
        child->DoPaint(renderer, clip);
        renderer.PopClip();
    }
    for (CScrollBarUI* bar : {m_pVerticalScrollBar.get(), m_pHorizontalScrollBar.get()}) {
        if (bar && bar->IsVisible()) bar->DoPaint(renderer, paint);
    }
}

void CContainerUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "inset") SetInset(ParseRect(value));
    else if (name == "childpadding") SetChildPadding(ParseInt(value));
    else if (name == "childalign" || name == "childvalign") {
        if (value == "center" || value == "vcenter") SetChildAlign(ChildAlign::Center);
        else if (value == "right" || value == "bottom") SetChildAlign(ChildAlign::End);
        else SetChildAlign(ChildAlign::Start);
    } else if (name == "vscrollbar") EnableScrollBar(ParseBool(value), m_pHorizontalScrollBar != nullptr);
    else if (name == "hscrollbar") EnableScrollBar(m_pVerticalScrollBar != nullptr, ParseBool(value));
    else if (name == "scrollbarstyle") {
        // name="value" pairs for both bars: scrollbarstyle="thumbcolor=&quot;#FF808080&quot;"
        for (CScrollBarUI* bar : {m_pVerticalScrollBar.get(), m_pHorizontalScrollBar.get()}) {
            if (bar) bar->ApplyAttributeList(value);
        }
    } else CControlUI::SetAttribute(name, value);
}

CControlUI* CContainerUI::FindControl(const FindPredicate& match, unsigned flags, Point point) {
    if ((flags & kFindVisible) && !IsVisible()) return nullptr;
    if ((flags & kFindEnabled) && !IsEnabled()) return nullptr;
    if ((flags & kFindHitTest) && !m_rcItem.Contains(point)) return nullptr;
    if ((flags & kFindMeFirst) && match(this)) return this;
    if (flags & kFindHitTest) {
        for (CScrollBarUI* bar : {m_pVerticalScrollBar.get(), m_pHorizontalScrollBar.get()}) {
            if (!bar) continue;
            if (CControlUI* found = bar->FindControl(match, flags, point)) return found;
        }
    }
    Rect inner = GetInnerRect();
    auto visit = [&](CControlUI* child) -> CControlUI* {
        if ((flags & kFindHitTest) && !child->IsFloat() && !inner.Contains(point)) return nullptr;
        return child->FindControl(match, flags, point);
    };
    if (flags & kFindTopFirst) {
        for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
            if (CControlUI* found = visit(it->get())) return found;
        }
    } else {
        for (auto& item : m_items) {
            if (CControlUI* found = visit(item.get())) return found;
        }
    }
    if (flags & kFindMeFirst) return nullptr;
    return match(this) ? this : nullptr;
}

void CContainerUI::OnLanguageChanged() {
    CControlUI::OnLanguageChanged();
    for (auto& item : m_items) item->OnLanguageChanged();
}

}  // namespace viremo::toolkit
