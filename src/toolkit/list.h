#pragma once
// A scrolling column of rows (list label elements or list container
// elements). One row is selected at a time: a press selects ("itemclick",
// then "itemselect"), a double click or Return activates ("itemactivate"),
// the context menu of a row that uses menus sends "menu". The arrow keys,
// Home and End move the selection; the wheel scrolls.
#include "toolkit/list_owner.h"
#include "toolkit/vertical_layout.h"

namespace viremo::toolkit {

class CListUI : public CVerticalLayoutUI, public IListOwnerUI {
public:
    CListUI();
    std::string_view GetClass() const override;

    const TListInfoUI& GetListInfo() const override { return m_info; }
    TListInfoUI& GetListInfo() { return m_info; }
    int GetCurSel() const override { return m_iCurSel; }
    // -1 clears the selection. "itemselect" carries the new index in wParam
    // and the old one in lParam.
    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    void HandleItemEvent(TEventUI& event) override;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    void OnItemsChanged() override;

private:
    IListItemUI* RowAt(int index) const;
    // The next selectable row from index in the direction (+1 or -1), or -1.
    int Selectable(int index, int direction) const;
    bool MoveSelection(unsigned key);

    TListInfoUI m_info;
    int m_iCurSel = -1;
};

}  // namespace viremo::toolkit
