#pragma once
// Pages on top of each other; only the selected one is visible. Selecting
// sends "tabselect" (wParam new index, lParam old index).
#include "toolkit/container.h"

namespace viremo::toolkit {

class CTabLayoutUI : public CContainerUI {
public:
    std::string_view GetClass() const override;

    int GetCurSel() const { return m_iCurSel; }
    bool SelectItem(int index, bool notify = true);
    bool SelectItem(CControlUI* page, bool notify = true);

    void SetPos(const Rect& rect, bool needInvalidate = true) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void Init() override;

private:
    void ShowOnly(int index);

    int m_iCurSel = -1;
    int m_iInitialSel = 0;
};

}  // namespace viremo::toolkit
