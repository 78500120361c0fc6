#pragma once
// The drop-down list of a combo: a popup window below the combo (above it
// when the screen ends) with one row per visible item. Picking a row selects
// that item in the combo ("itemselect") and closes the popup; so does losing
// activation, without a selection. The window deletes itself when it ends.
#include "toolkit/list_owner.h"
#include "toolkit/window.h"

namespace viremo::toolkit {

class CComboUI;
class CListUI;

class CComboWnd : public CWindowWnd, public IListOwnerUI {
public:
    // Null when the combo is not in a window or has no visible item.
    static CComboWnd* Open(CComboUI& combo);

    // The combo is being destroyed: close without touching it again.
    void OwnerGone();
    CListUI* GetList() const { return m_pList; }

    const TListInfoUI& GetListInfo() const override;
    int GetCurSel() const override;
    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    void HandleItemEvent(TEventUI& event) override;

    std::intptr_t HandleMessage(Message& msg) override;

protected:
    void OnFinalMessage() override;

private:
    explicit CComboWnd(CComboUI& combo);
    void Build();

    CComboUI* m_pCombo;
    CListUI* m_pList = nullptr;
    std::vector<int> m_itemOfRow;  // combo item index of each row
    bool m_bClosing = false;
};

}  // namespace viremo::toolkit
