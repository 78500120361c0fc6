#pragma once
// The base of every control: name, class, text, state, geometry, images and
// the virtual operations that derived controls override (GetClass, DoEvent,
// SetAttribute, the Paint* steps, DoPaint, SetPos, SetVisible,
// SetInternVisible, Activate, EstimateSize).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "toolkit/event.h"
#include "toolkit/geometry.h"
#include "toolkit/render.h"

namespace viremo::toolkit {

class CPaintManagerUI;

// Flags of FindControl.
enum FindFlags : unsigned {
    kFindAll = 0,
    kFindVisible = 1,
    kFindEnabled = 2,
    kFindHitTest = 4,      // only controls whose rectangle holds the point
    kFindTopFirst = 8,     // children later in the list (drawn on top) first
    kFindMeFirst = 0x100,  // test a container before its children
};

// Control state bits.
enum ControlState : unsigned {
    kStateFocused = 1,
    kStateSelected = 2,
    kStateHot = 8,
    kStatePushed = 16,
    kStateReadOnly = 32,
    kStateCaptured = 64,
};

using FindPredicate = std::function<bool(CControlUI*)>;

class CControlUI {
public:
    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    // Identity.
    const std::string& GetName() const { return m_sName; }
    virtual void SetName(std::string name);
    virtual std::string_view GetClass() const;

    // Place in the tree. SetManager attaches the control (and a container's
    // children) to a window and indexes its name; Init runs when the control
    // joins a window, after the whole tree it comes with is attached.
    CPaintManagerUI* GetManager() const { return m_pManager; }
    CControlUI* GetParent() const { return m_pParent; }
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);
    virtual void Init() {}
    bool IsAncestorOf(const CControlUI* control) const;

    // Text. In text-id mode the text is an identifier the language layer
    // translates; GetDisplayText gives what is drawn.
    const std::string& GetText() const { return m_sText; }
    virtual void SetText(std::string text);
    bool IsTextId() const { return m_bTextId; }
    void SetTextId(bool textId);
    std::string GetDisplayText() const;
    const std::string& GetToolTip() const { return m_sToolTip; }
    void SetToolTip(std::string toolTip) { m_sToolTip = std::move(toolTip); }
    std::string GetDisplayToolTip() const;
    // The language changed: redraw, and re-lay out what sizes itself by text.
    virtual void OnLanguageChanged();

    // User data.
    const std::string& GetUserData() const { return m_sUserData; }
    void SetUserData(std::string data) { m_sUserData = std::move(data); }
    std::intptr_t GetTag() const { return m_iTag; }
    void SetTag(std::intptr_t tag) { m_iTag = tag; }

    // Visibility, enabling, focus. A control is enabled when it and all its
    // ancestors are; it is visible when its own flag and the flag its
    // container gives it (SetInternVisible) are set.
    bool IsVisible() const { return m_bVisible && m_bInternVisible; }
    bool IsOwnVisible() const { return m_bVisible; }
    virtual void SetVisible(bool visible = true);
    virtual void SetInternVisible(bool visible = true);
    bool IsEnabled() const;
    virtual void SetEnabled(bool enabled = true);
    bool IsMouseEnabled() const { return m_bMouseEnabled; }
    void SetMouseEnabled(bool enabled) { m_bMouseEnabled = enabled; }
    bool IsKeyboardEnabled() const { return m_bKeyboardEnabled; }
    void SetKeyboardEnabled(bool enabled) { m_bKeyboardEnabled = enabled; }
    bool IsFocused() const;
    virtual void SetFocus();
    unsigned GetState() const { return m_uButtonState; }
    void SetState(unsigned state) { m_uButtonState = state; }
    bool IsHot() const { return (m_uButtonState & kStateHot) != 0; }
    bool IsPushed() const { return (m_uButtonState & kStatePushed) != 0; }
    bool IsCaptured() const { return (m_uButtonState & kStateCaptured) != 0; }

    // Appearance.
    Color GetBkColor() const { return m_dwBackColor; }
    void SetBkColor(Color color);
    Color GetForeColor() const { return m_dwForeColor; }
    void SetForeColor(Color color);
    const std::string& GetBkImage() const { return m_sBkImage; }
    void SetBkImage(std::string image);
    const std::string& GetForeImage() const { return m_sForeImage; }
    void SetForeImage(std::string image);
    Color GetBorderColor() const { return m_dwBorderColor; }
    void SetBorderColor(Color color);
    Color GetFocusBorderColor() const { return m_dwFocusBorderColor; }
    void SetFocusBorderColor(Color color);
    int GetBorderSize() const { return m_nBorderSize; }
    void SetBorderSize(int size);
    Size GetBorderRound() const { return m_cxyBorderRound; }
    void SetBorderRound(Size round);
    // Name of the pointer shape over the control ("hand", "ibeam", ...);
    // empty takes the container's.
    const std::string& GetCursor() const { return m_sCursor; }
    void SetCursor(std::string cursor) { m_sCursor = std::move(cursor); }

    // Geometry. Sizes are in skin pixels; the manager's DPI scale applies
    // when the layout runs.
    const Rect& GetPos() const { return m_rcItem; }
    virtual void SetPos(const Rect& rect, bool needInvalidate = true);
    int GetWidth() const { return m_rcItem.Width(); }
    int GetHeight() const { return m_rcItem.Height(); }
    const Rect& GetPadding() const { return m_rcPadding; }
    void SetPadding(const Rect& padding);
    int GetFixedWidth() const { return m_cxyFixed.cx; }
    void SetFixedWidth(int cx);
    int GetFixedHeight() const { return m_cxyFixed.cy; }
    void SetFixedHeight(int cy);
    int GetMinWidth() const { return m_cxyMin.cx; }
    void SetMinWidth(int cx);
    int GetMaxWidth() const { return m_cxyMax.cx; }
    void SetMaxWidth(int cx);
    int GetMinHeight() const { return m_cxyMin.cy; }
    void SetMinHeight(int cy);
    int GetMaxHeight() const { return m_cxyMax.cy; }
    void SetMaxHeight(int cy);
    // A floating control leaves the flow and is placed at GetFloatPos
    // relative to its container's inner top-left corner. The anchors (0..1)
    // move the position with the container's width and height.
    bool IsFloat() const { return m_bFloat; }
    void SetFloat(bool isFloat);
    const Rect& GetFloatPos() const { return m_rcFloat; }
    void SetFloatPos(const Rect& pos);
    struct Anchors {
        double left = 0, top = 0, right = 0, bottom = 0;
    };
    const Anchors& GetFloatAnchors() const { return m_anchors; }
    void SetFloatAnchors(const Anchors& anchors);
    // The size the control wants in the available space (0 = take what the
    // layout gives).
    virtual Size EstimateSize(Size available);

    // Events and painting.
    virtual void DoEvent(TEventUI& event);
    virtual bool Activate();
    virtual void DoPaint(IRenderer& renderer, const Rect& paint);
    virtual void PaintBkColor(IRenderer& renderer);
    virtual void PaintBkImage(IRenderer& renderer);
    virtual void PaintStatusImage(IRenderer& renderer);
    virtual void PaintForeColor(IRenderer& renderer);
    virtual void PaintForeImage(IRenderer& renderer);
    virtual void PaintText(IRenderer& renderer);
    virtual void PaintBorder(IRenderer& renderer);
    // Draws an image description in the control's rectangle; false when it
    // is empty. The tinted form draws a key's light.
    bool DrawImage(IRenderer& renderer, std::string_view description) const;
    bool DrawImage(IRenderer& renderer, std::string_view description, Color tint, int level) const;
    void Invalidate();
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }
    void NeedUpdate();
    void NeedParentUpdate();

    // Attributes as the layout builder passes them; unknown names are ignored.
    virtual void SetAttribute(std::string_view name, std::string_view value);
    // A list of name="value" pairs (the skin's default attributes, styles).
    void ApplyAttributeList(std::string_view list);

    // Depth-first search of this control (and a container's children); the
    // point is used with kFindHitTest.
    virtual CControlUI* FindControl(const FindPredicate& match, unsigned flags, Point point = {});
    // The topmost visible control at the point that takes mouse input.
    CControlUI* FindControlAt(Point point);

protected:
    std::string ResolveImagePath(const std::string& file) const;
    void NotifyManager(std::string_view type, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    int Scale(int value) const;
    // Each edge of a padding or inset scaled.
    Rect Scale(const Rect& edges) const;

    CPaintManagerUI* m_pManager = nullptr;
    CControlUI* m_pParent = nullptr;
    std::string m_sName;
    std::string m_sText;
    bool m_bTextId = false;
    std::string m_sToolTip;
    std::string m_sUserData;
    std::intptr_t m_iTag = 0;
    bool m_bVisible = true;
    bool m_bInternVisible = true;
    bool m_bEnabled = true;
    bool m_bMouseEnabled = true;
    bool m_bKeyboardEnabled = true;
    bool m_bUpdateNeeded = true;
    unsigned m_uButtonState = 0;
    Color m_dwBackColor = 0;
    Color m_dwForeColor = 0;
    Color m_dwBorderColor = 0;
    Color m_dwFocusBorderColor = 0;
    std::string m_sBkImage;
    std::string m_sForeImage;
    int m_nBorderSize = 0;
    Size m_cxyBorderRound;
    std::string m_sCursor;
    Rect m_rcItem;
    Rect m_rcPadding;
    Size m_cxyFixed;
    Size m_cxyMin;
    Size m_cxyMax{9999, 9999};
    bool m_bFloat = false;
    Rect m_rcFloat;
    Anchors m_anchors;
};

}  // namespace viremo::toolkit
