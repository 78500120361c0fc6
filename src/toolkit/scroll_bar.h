#pragma once
// The scroll bar of a container or list: a track with a thumb whose length
// shows the visible share of the content. Dragging the thumb scrolls; a
// press on the track pages; the wheel goes to the owner.
#include "toolkit/control.h"

namespace viremo::toolkit {

class CContainerUI;

class CScrollBarUI : public CControlUI {
public:
    std::string_view GetClass() const override;

    void SetOwner(CContainerUI* owner) { m_pOwner = owner; }
    CContainerUI* GetOwner() const { return m_pOwner; }
    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool horizontal) { m_bHorizontal = horizontal; }
    int GetScrollRange() const { return m_nRange; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int pos);
    int GetLineSize() const { return m_nLineSize; }
    void SetLineSize(int size) { m_nLineSize = std::max(1, size); }
    // Breadth of the bar in skin pixels.
    int GetThickness() const;
    Rect GetThumbRect() const;

    void DoEvent(TEventUI& event) override;
    void DoPaint(IRenderer& renderer, const Rect& paint) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

private:
    int TrackLength() const;
    int ThumbLength() const;
    int Along(Point p) const { return m_bHorizontal ? p.x : p.y; }
    void ScrollOwnerTo(int pos);

    CContainerUI* m_pOwner = nullptr;
    bool m_bHorizontal = false;
    int m_nRange = 0;
    int m_nScrollPos = 0;
    int m_nLineSize = 8;
    Color m_dwThumbColor = 0xFFB4B4B4;
    Color m_dwThumbHotColor = 0xFF8C8C8C;
    std::string m_sThumbImage;
    std::string m_sThumbHotImage;
    std::string m_sThumbPushedImage;
    bool m_bThumbHot = false;
    int m_nDragStart = 0;
    int m_nDragStartPos = 0;
};

}  // namespace viremo::toolkit
