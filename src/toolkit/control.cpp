#include "toolkit/control.h"

#include <cstdlib>
#include <unordered_map>

#include "toolkit/image_description.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"
#include "toolkit/text_util.h"

namespace viremo::toolkit {

namespace {

using Setter = void (*)(CControlUI&, std::string_view);

// float="true"/"false", or four anchors as fractions of the container's
// width and height that move the edges of "pos": float="0.5,0,0.5,0".
void SetFloatAttribute(CControlUI& c, std::string_view value) {
    if (value.find(',') == std::string_view::npos) {
        c.SetFloat(ParseBool(value));
        return;
    }
    CControlUI::Anchors anchors;
    double* fields[4] = {&anchors.left, &anchors.top, &anchors.right, &anchors.bottom};
    std::size_t at = 0;
    for (double* field : fields) {
        std::size_t comma = value.find(',', at);
        *field = std::strtod(std::string(value.substr(at, comma - at)).c_str(), nullptr);
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
    c.SetFloat(true);
    c.SetFloatAnchors(anchors);
}

const std::unordered_map<std::string_view, Setter>& ControlAttributes() {
    static const std::unordered_map<std::string_view, Setter> table = {
        {"name", [](CControlUI& c, std::string_view v) { c.SetName(std::string(v)); }},
        {"text", [](CControlUI& c, std::string_view v) { c.SetText(std::string(v)); c.SetTextId(false); }},
        {"textid", [](CControlUI& c, std::string_view v) { c.SetText(std::string(v)); c.SetTextId(true); }},
        {"tooltip", [](CControlUI& c, std::string_view v) { c.SetToolTip(std::string(v)); }},
        {"visible", [](CControlUI& c, std::string_view v) { c.SetVisible(ParseBool(v)); }},
        {"enabled", [](CControlUI& c, std::string_view v) { c.SetEnabled(ParseBool(v)); }},
        {"mouse", [](CControlUI& c, std::string_view v) { c.SetMouseEnabled(ParseBool(v)); }},
        {"keyboard", [](CControlUI& c, std::string_view v) { c.SetKeyboardEnabled(ParseBool(v)); }},
        {"userdata", [](CControlUI& c, std::string_view v) { c.SetUserData(std::string(v)); }},
        {"tag", [](CControlUI& c, std::string_view v) { c.SetTag(ParseInt(v)); }},
        {"bkcolor", [](CControlUI& c, std::string_view v) { c.SetBkColor(ParseColor(v)); }},
        {"forecolor", [](CControlUI& c, std::string_view v) { c.SetForeColor(ParseColor(v)); }},
        {"bordercolor", [](CControlUI& c, std::string_view v) { c.SetBorderColor(ParseColor(v)); }},
        {"focusbordercolor", [](CControlUI& c, std::string_view v) { c.SetFocusBorderColor(ParseColor(v)); }},
        {"bordersize", [](CControlUI& c, std::string_view v) { c.SetBorderSize(ParseInt(v)); }},
        {"borderround", [](CControlUI& c, std::string_view v) { c.SetBorderRound(ParseSize(v)); }},
        {"bkimage", [](CControlUI& c, std::string_view v) { c.SetBkImage(std::string(v)); }},
        {"foreimage", [](CControlUI& c, std::string_view v) { c.SetForeImage(std::string(v)); }},
        {"cursor", [](CControlUI& c, std::string_view v) { c.SetCursor(std::string(v)); }},
        {"padding", [](CControlUI& c, std::string_view v) { c.SetPadding(ParseRect(v)); }},
        {"width", [](CControlUI& c, std::string_view v) { c.SetFixedWidth(ParseInt(v)); }},
        {"height", [](CControlUI& c, std::string_view v) { c.SetFixedHeight(ParseInt(v)); }},
        {"minwidth", [](CControlUI& c, std::string_view v) { c.SetMinWidth(ParseInt(v)); }},
        {"maxwidth", [](CControlUI& c, std::string_view v) { c.SetMaxWidth(ParseInt(v)); }},
        {"minheight", [](CControlUI& c, std::string_view v) { c.SetMinHeight(ParseInt(v)); }},
        {"maxheight", [](CControlUI& c, std::string_view v) { c.SetMaxHeight(ParseInt(v)); }},
        {"float", SetFloatAttribute},
        {"pos",
         [](CControlUI& c, std::string_view v) {
             Rect pos = ParseRect(v);
             c.SetFloatPos(pos);
             c.SetFixedWidth(pos.Width());
             c.SetFixedHeight(pos.Height());
         }},
    };
    return table;
}

}  // namespace

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (m_pManager) m_pManager->ReapControl(this);
}

void CControlUI::SetName(std::string name) {
    if (name == m_sName) return;
    std::string old = std::move(m_sName);
    m_sName = std::move(name);
    if (m_pManager) m_pManager->RenameControl(this, old);
}

std::string_view CControlUI::GetClass() const { return "Control"; }

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    if (m_pManager && m_pManager != manager) m_pManager->ReapControl(this);
    bool joining = manager && manager != m_pManager;
    m_pManager = manager;
    m_pParent = parent;
    if (joining) manager->InitControl(this);
    if (init && manager) Init();
}

bool CControlUI::IsAncestorOf(const CControlUI* control) const {
    for (; control; control = control->m_pParent) {
        if (control == this) return true;
    }
    return false;
}

void CControlUI::SetText(std::string text) {
    if (text == m_sText) return;
    m_sText = std::move(text);
    Invalidate();
}

void CControlUI::SetTextId(bool textId) {
    if (textId == m_bTextId) return;
    m_bTextId = textId;
    Invalidate();
}

std::string CControlUI::GetDisplayText() const {
    return m_bTextId ? Language().Translate(m_sText) : m_sText;
}

std::string CControlUI::GetDisplayToolTip() const {
    // Tool tips are identifiers whenever the text is.
    return m_bTextId ? Language().Translate(m_sToolTip) : m_sToolTip;
}

void CControlUI::OnLanguageChanged() {
    if (m_bTextId) {
        NeedParentUpdate();
        Invalidate();
    }
}

void CControlUI::SetVisible(bool visible) {
    if (visible == m_bVisible) return;
    bool wasVisible = IsVisible();
    m_bVisible = visible;
    if (wasVisible && !IsVisible() && m_pManager && IsAncestorOf(m_pManager->GetFocus()))
        m_pManager->SetFocus(nullptr);
    NeedParentUpdate();
}

void CControlUI::SetInternVisible(bool visible) {
    if (visible == m_bInternVisible) return;
    m_bInternVisible = visible;
    if (!visible && m_pManager && m_pManager->GetFocus() == this) m_pManager->SetFocus(nullptr);
}

bool CControlUI::IsEnabled() const {
    for (const CControlUI* c = this; c; c = c->m_pParent) {
        if (!c->m_bEnabled) return false;
    }
    return true;
}

void CControlUI::SetEnabled(bool enabled) {
    if (enabled == m_bEnabled) return;
    m_bEnabled = enabled;
    if (!enabled) {
        m_uButtonState &= ~(kStateHot | kStatePushed | kStateCaptured);
        if (m_pManager && IsAncestorOf(m_pManager->GetFocus())) m_pManager->SetFocus(nullptr);
    }
    Invalidate();
}

bool CControlUI::IsFocused() const {
    return m_pManager && m_pManager->GetFocus() == this;
}

void CControlUI::SetFocus() {
    if (m_pManager) m_pManager->SetFocus(this);
}

void CControlUI::SetBkColor(Color color) { m_dwBackColor = color; Invalidate(); }
void CControlUI::SetForeColor(Color color) { m_dwForeColor = color; Invalidate(); }
void CControlUI::SetBkImage(std::string image) { m_sBkImage = std::move(image); Invalidate(); }
void CControlUI::SetForeImage(std::string image) { m_sForeImage = std::move(image); Invalidate(); }
void CControlUI::SetBorderColor(Color color) { m_dwBorderColor = color; Invalidate(); }
void CControlUI::SetFocusBorderColor(Color color) { m_dwFocusBorderColor = color; Invalidate(); }
void CControlUI::SetBorderSize(int size) { m_nBorderSize = std::max(0, size); Invalidate(); }
void CControlUI::SetBorderRound(Size round) { m_cxyBorderRound = round; Invalidate(); }

void CControlUI::SetPos(const Rect& rect, bool needInvalidate) {
    Rect normal = rect;
    if (normal.right < normal.left) normal.right = normal.left;
    if (normal.bottom < normal.top) normal.bottom = normal.top;
    if (needInvalidate && normal != m_rcItem) Invalidate();
    m_rcItem = normal;
    m_bUpdateNeeded = false;
    if (needInvalidate) Invalidate();
}

void CControlUI::SetPadding(const Rect& padding) { m_rcPadding = padding; NeedParentUpdate(); }
void CControlUI::SetFixedWidth(int cx) { m_cxyFixed.cx = std::max(0, cx); NeedParentUpdate(); }
void CControlUI::SetFixedHeight(int cy) { m_cxyFixed.cy = std::max(0, cy); NeedParentUpdate(); }
void CControlUI::SetMinWidth(int cx) { m_cxyMin.cx = std::max(0, cx); NeedParentUpdate(); }
void CControlUI::SetMaxWidth(int cx) { m_cxyMax.cx = std::max(0, cx); NeedParentUpdate(); }
void CControlUI::SetMinHeight(int cy) { m_cxyMin.cy = std::max(0, cy); NeedParentUpdate(); }
void CControlUI::SetMaxHeight(int cy) { m_cxyMax.cy = std::max(0, cy); NeedParentUpdate(); }
void CControlUI::SetFloat(bool isFloat) { m_bFloat = isFloat; NeedParentUpdate(); }
void CControlUI::SetFloatPos(const Rect& pos) { m_rcFloat = pos; NeedParentUpdate(); }
void CControlUI::SetFloatAnchors(const Anchors& anchors) { m_anchors = anchors; NeedParentUpdate(); }

Size CControlUI::EstimateSize(Size) {
    return {Scale(m_cxyFixed.cx), Scale(m_cxyFixed.cy)};
}

void CControlUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
    case EventType::SetFocus:
        m_uButtonState |= kStateFocused;
        Invalidate();
        return;
    case EventType::KillFocus:
        m_uButtonState &= ~kStateFocused;
        Invalidate();
        return;
    case EventType::Timer:
        NotifyManager("timer", event.wParam, event.lParam);
        return;
    default:
        break;
    }
    // What a control does not handle goes to its container (wheel scrolling,
    // keys of list rows).
    if (m_pParent) m_pParent->DoEvent(event);
}

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

void CControlUI::DoPaint(IRenderer& renderer, const Rect& paint) {
    if (!paint.Intersects(m_rcItem)) return;
    PaintBkColor(renderer);
    PaintBkImage(renderer);
    PaintStatusImage(renderer);
    PaintForeColor(renderer);
    PaintForeImage(renderer);
    PaintText(renderer);
    PaintBorder(renderer);
}

void CControlUI::PaintBkColor(IRenderer& renderer) {
    if (m_dwBackColor == 0) return;
    if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0)
        renderer.FillRoundRect(m_rcItem, m_cxyBorderRound, m_dwBackColor);
    else
        renderer.FillRect(m_rcItem, m_dwBackColor);
}

void CControlUI::PaintBkImage(IRenderer& renderer) { DrawImage(renderer, m_sBkImage); }
void CControlUI::PaintStatusImage(IRenderer&) {}
void CControlUI::PaintForeColor(IRenderer& renderer) {
    if (m_dwForeColor != 0) renderer.FillRect(m_rcItem, m_dwForeColor);
}
void CControlUI::PaintForeImage(IRenderer& renderer) { DrawImage(renderer, m_sForeImage); }
void CControlUI::PaintText(IRenderer&) {}

void CControlUI::PaintBorder(IRenderer& renderer) {
    if (m_nBorderSize <= 0) return;
    Color color = IsFocused() && m_dwFocusBorderColor != 0 ? m_dwFocusBorderColor : m_dwBorderColor;
    if (color == 0) return;
    if (m_cxyBorderRound.cx > 0 || m_cxyBorderRound.cy > 0)
        renderer.DrawRoundRect(m_rcItem, Scale(m_nBorderSize), m_cxyBorderRound, color);
    else
        renderer.DrawRect(m_rcItem, Scale(m_nBorderSize), color);
}

bool CControlUI::DrawImage(IRenderer& renderer, std::string_view description) const {
    return DrawImage(renderer, description, 0, -1);
}

bool CControlUI::DrawImage(IRenderer& renderer, std::string_view description, Color tint, int level) const {
    if (description.empty()) return false;
    ImageDraw draw;
    draw.image = ParseImageDescription(description);
    if (draw.image.IsEmpty()) return false;
    draw.path = ResolveImagePath(draw.image.file);
    draw.target = m_rcItem;
    const Rect& dest = draw.image.dest;
    if (dest != Rect{}) {
        draw.target = Rect{m_rcItem.left + Scale(dest.left), m_rcItem.top + Scale(dest.top),
                           m_rcItem.left + Scale(dest.right), m_rcItem.top + Scale(dest.bottom)}
                          .Intersection(m_rcItem);
        if (draw.target.IsEmpty()) return false;
    }
    if (level >= 0) {
        draw.tinted = true;
        draw.tint = tint;
        draw.level = std::clamp(level, 0, 255);
    }
    renderer.DrawImage(draw);
    return true;
}

void CControlUI::Invalidate() {
    if (m_pManager && IsVisible()) m_pManager->Invalidate(m_rcItem);
}

void CControlUI::NeedUpdate() {
    m_bUpdateNeeded = true;
    if (m_pManager) m_pManager->NeedUpdate();
}

void CControlUI::NeedParentUpdate() {
    if (m_pParent) m_pParent->NeedUpdate();
    else NeedUpdate();
}

void CControlUI::SetAttribute(std::string_view name, std::string_view value) {
    const auto& table = ControlAttributes();
    auto found = table.find(name);
    if (found != table.end()) found->second(*this, value);
}

void CControlUI::ApplyAttributeList(std::string_view list) {
    for (const auto& [name, value] : ParseAttributeList(list)) SetAttribute(name, value);
}

CControlUI* CControlUI::FindControl(const FindPredicate& match, unsigned flags, Point point) {
    if ((flags & kFindVisible) && !IsVisible()) return nullptr;
    if ((flags & kFindEnabled) && !IsEnabled()) return nullptr;
    if ((flags & kFindHitTest) && !m_rcItem.Contains(point)) return nullptr;
    return match(this) ? this : nullptr;
}

CControlUI* CControlUI::FindControlAt(Point point) {
    return FindControl([](CControlUI* c) { return c->IsMouseEnabled(); },
                       kFindVisible | kFindHitTest | kFindTopFirst, point);
}

std::string CControlUI::ResolveImagePath(const std::string& file) const {
    std::filesystem::path path(file);
    if (path.is_absolute()) return file;
    return (CPaintManagerUI::GetResourcePath() / path).string();
}

void CControlUI::NotifyManager(std::string_view type, std::uintptr_t wParam, std::intptr_t lParam) {
    if (m_pManager) m_pManager->SendNotify(this, type, wParam, lParam);
}

int CControlUI::Scale(int value) const {
    return m_pManager ? m_pManager->ScaleValue(value) : value;
}

Rect CControlUI::Scale(const Rect& edges) const {
    return {Scale(edges.left), Scale(edges.top), Scale(edges.right), Scale(edges.bottom)};
}

}  // namespace viremo::toolkit
