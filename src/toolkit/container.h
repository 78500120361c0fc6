#pragma once
// A control that holds children. It owns them: Remove hands a child back to
// the caller, who may keep or drop it. A plain container gives every child
// in the flow its whole inner rectangle; the layouts derive from it.
#include <memory>
#include <string_view>
#include <vector>

#include "toolkit/control.h"

namespace viremo::toolkit {

class CScrollBarUI;

class CContainerUI : public CControlUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    std::string_view GetClass() const override;

    // Children. Add and AddAt return the added control (null when index is
    // out of range or the control is null).
    CControlUI* Add(std::unique_ptr<CControlUI> control);
    CControlUI* AddAt(std::unique_ptr<CControlUI> control, int index);
    template <class T>
    T* Add(std::unique_ptr<T> control) {
        T* raw = control.get();
        return Add(std::unique_ptr<CControlUI>(std::move(control))) ? raw : nullptr;
    }
    std::unique_ptr<CControlUI> Remove(CControlUI* control);
    std::unique_ptr<CControlUI> RemoveAt(int index);
    void RemoveAll();
    int GetCount() const { return static_cast<int>(m_items.size()); }
    CControlUI* GetItemAt(int index) const;
    int GetItemIndex(const CControlUI* control) const;
    bool SetItemIndex(CControlUI* control, int index);

    // The first control named so anywhere below this one.
    CControlUI* FindSubControl(std::string_view name) const;
    // Every control of the class anywhere below this one, in tree order;
    // directOnly keeps to the children.
    std::vector<CControlUI*> FindSubControlsByClass(std::string_view className,
                                                    bool directOnly = false) const;

    // Inner spacing.
    const Rect& GetInset() const { return m_rcInset; }
    void SetInset(const Rect& inset);
    int GetChildPadding() const { return m_iChildPadding; }
    void SetChildPadding(int padding);
    // Where children narrower (or lower) than the layout's cross axis sit.
    enum class ChildAlign { Start, Center, End };
    ChildAlign GetChildAlign() const { return m_childAlign; }
    void SetChildAlign(ChildAlign align);

    // Scrolling. The scroll position is how far the content is moved up and
    // left; the range is how far it can be.
    void EnableScrollBar(bool vertical = true, bool horizontal = false);
    CScrollBarUI* GetVerticalScrollBar() const { return m_pVerticalScrollBar.get(); }
    CScrollBarUI* GetHorizontalScrollBar() const { return m_pHorizontalScrollBar.get(); }
    Size GetScrollPos() const;
    Size GetScrollRange() const;
    virtual void SetScrollPos(Size pos);
    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    void HomeUp();
    void EndDown();
    void LineLeft();
    void LineRight();
    // Scrolls so that the child lies inside the visible part.
    void EnsureVisible(const CControlUI* child);

    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetVisible(bool visible = true) override;
    void SetInternVisible(bool visible = true) override;
    void SetPos(const Rect& rect, bool needInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    void DoPaint(IRenderer& renderer, const Rect& paint) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    CControlUI* FindControl(const FindPredicate& match, unsigned flags, Point point = {}) override;
    void OnLanguageChanged() override;

protected:
    // The rectangle children are laid out in: the item rectangle less the
    // inset and the scroll bars.
    Rect GetInnerRect() const;
    // Lays the children out in a row (horizontal) or a column: fixed sizes
    // first, the rest shared by the children without one.
    void LayOutLinear(bool horizontal);
    // Places a floating child relative to the container's top-left corner.
    void SetFloatPos(CControlUI* child);
    // Sizes the scroll bars for the content's extent (cx, cy) and keeps the
    // scroll position in range.
    void ProcessScrollBar(const Rect& inner, int cxRequired, int cyRequired);
    // After children were added, removed or moved.
    virtual void OnItemsChanged() {}
    // Offset of a child of the given cross size in a space of the given size.
    int AlignOffset(int space, int size) const;

    std::vector<std::unique_ptr<CControlUI>> m_items;
    Rect m_rcInset;
    int m_iChildPadding = 0;
    ChildAlign m_childAlign = ChildAlign::Start;
    bool m_bInScrollRelayout = false;
    std::unique_ptr<CScrollBarUI> m_pVerticalScrollBar;
    std::unique_ptr<CScrollBarUI> m_pHorizontalScrollBar;
};

}  // namespace viremo::toolkit
