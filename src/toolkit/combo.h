#pragma once
// A drop-down choice. Its children are the items (list label elements, or
// list container elements), each with its text, user data, height and
// visibility; the combo shows the current item's text. Activating it opens
// the drop-down list in a popup window ("dropdown"); picking an item there,
// the arrow keys and the wheel select ("itemselect", wParam new index,
// lParam old index).
#include "toolkit/container.h"
#include "toolkit/list_owner.h"
#include "toolkit/state_images.h"

namespace viremo::toolkit {

class CComboWnd;

class CComboUI : public CContainerUI, public IListOwnerUI {
public:
    CComboUI();
    ~CComboUI() override;
    std::string_view GetClass() const override;

    const TListInfoUI& GetListInfo() const override { return m_info; }
    TListInfoUI& GetListInfo() { return m_info; }
    int GetCurSel() const override { return m_iCurSel; }
    // -1 clears the selection without a notification.
    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    void HandleItemEvent(TEventUI& event) override;
    // Display text of the current item ("" without one).
    std::string GetCurItemText() const;

    // The drop-down: its size (0 width = the combo's width) and the open
    // popup, if any.
    Size GetDropBoxSize() const { return m_szDropBox; }
    void SetDropBoxSize(Size size) { m_szDropBox = size; }
    CComboWnd* GetDropWindow() const { return m_pDropWindow; }
    void OnDropWindowGone() { m_pDropWindow = nullptr; }

    bool Activate() override;
    void SetPos(const Rect& rect, bool needInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    void DoPaint(IRenderer& renderer, const Rect& paint) override;
    void PaintStatusImage(IRenderer& renderer) override;
    void PaintText(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    CControlUI* FindControl(const FindPredicate& match, unsigned flags, Point point = {}) override;

protected:
    void OnItemsChanged() override;

private:
    IListItemUI* ItemAt(int index) const;
    int Selectable(int index, int direction) const;

    TListInfoUI m_info;
    int m_iCurSel = -1;
    Size m_szDropBox{0, 150};
    Rect m_rcTextPadding{4, 0, 4, 0};
    Color m_dwTextColor = 0xFF000000;
    Color m_dwDisabledTextColor = 0xFFA7A6AA;
    int m_iFont = -1;
    StateImages m_images;
    CComboWnd* m_pDropWindow = nullptr;
};

}  // namespace viremo::toolkit
