#pragma once
// A list row that holds controls side by side (a horizontal layout), drawn
// over the owner's row background.
#include "toolkit/horizontal_layout.h"
#include "toolkit/list_row.h"

namespace viremo::toolkit {

class CListContainerElementUI : public CHorizontalLayoutUI, public IListItemUI {
public:
    std::string_view GetClass() const override;

    int GetIndex() const override { return m_row.index; }
    void SetIndex(int index) override { m_row.index = index; }
    IListOwnerUI* GetOwner() const override { return m_row.owner; }
    void SetOwner(IListOwnerUI* owner) override { m_row.owner = owner; }
    bool IsSelected() const override { return m_row.selected; }
    bool Select(bool select = true, bool notify = true) override;
    bool IsMenuUsed() const { return m_row.menu; }
    void SetMenuUsed(bool used) { m_row.menu = used; }

    bool Activate() override;
    Size EstimateSize(Size available) override;
    void DoEvent(TEventUI& event) override;
    void DoPaint(IRenderer& renderer, const Rect& paint) override;
    virtual void DrawItemBk(IRenderer& renderer);
    // The row's own background colour is part of DrawItemBk.
    void PaintBkColor(IRenderer&) override {}
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    ListRowState m_row;
};

}  // namespace viremo::toolkit
