#pragma once
// A button with a selected state. Options sharing a group name are
// exclusive: selecting one clears the others. An option bound to a tab
// layout (bindtab, bindtabindex) shows that page when it is selected.
// Selection changes send "selectchanged" unless asked not to.
#include "toolkit/button.h"

namespace viremo::toolkit {

class COptionUI : public CButtonUI {
public:
    std::string_view GetClass() const override;

    const std::string& GetGroup() const { return m_sGroupName; }
    void SetGroup(std::string group);
    bool IsSelected() const { return m_bSelected; }
    virtual void Selected(bool selected, bool notify = true);
    void SetBindTab(std::string tabName, int index);
    const std::string& GetBindTabName() const { return m_sBindTabName; }
    int GetBindTabIndex() const { return m_iBindTabIndex; }

    void SetSelectedImage(std::string image) { m_sSelectedImage = std::move(image); Invalidate(); }
    void SetSelectedHotImage(std::string image) { m_sSelectedHotImage = std::move(image); Invalidate(); }
    void SetSelectedTextColor(Color color) { m_dwSelectedTextColor = color; Invalidate(); }
    void SetSelectedBkColor(Color color) { m_dwSelectedBkColor = color; Invalidate(); }

    bool Activate() override;
    void Init() override;
    void PaintBkColor(IRenderer& renderer) override;
    void PaintStatusImage(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    Color CurrentTextColor() const override;

private:
    void ClearGroupExcept(bool notify);
    void ShowBoundPage(bool notify);

    bool m_bSelected = false;
    std::string m_sGroupName;
    std::string m_sBindTabName;
    int m_iBindTabIndex = -1;
    std::string m_sSelectedImage;
    std::string m_sSelectedHotImage;
    Color m_dwSelectedTextColor = 0;
    Color m_dwSelectedBkColor = 0;
};

}  // namespace viremo::toolkit
