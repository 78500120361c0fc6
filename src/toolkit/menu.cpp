#include "toolkit/menu.h"

#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {

namespace {
constexpr int kCheckColumn = 20;  // room on the left for the check mark
constexpr int kMinWidth = 80;
}  // namespace

CMenuElementUI::CMenuElementUI() {
    SetFixedHeight(24);
}

std::string_view CMenuElementUI::GetClass() const { return "MenuElement"; }

void CMenuElementUI::SetChecked(bool checked) {
    m_bChecked = checked;
    Invalidate();
}

void CMenuElementUI::DrawItemText(IRenderer& renderer) {
    if (m_bChecked) {
        int size = Scale(6);
        int cx = m_rcItem.left + Scale(kCheckColumn) / 2;
        int cy = (m_rcItem.top + m_rcItem.bottom) / 2;
        renderer.FillEllipse({cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2},
                             ListRowTextColor(*this, {GetIndex(), GetOwner(), IsSelected(), IsMenuUsed()}));
    }
    Rect whole = m_rcItem;
    m_rcItem.left += Scale(kCheckColumn);
    CListLabelElementUI::DrawItemText(renderer);
    m_rcItem = whole;
}

void CMenuElementUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "checkable") SetCheckable(ParseBool(value));
    else if (name == "checked") SetChecked(ParseBool(value));
    else CListLabelElementUI::SetAttribute(name, value);
}

CMenuUI::CMenuUI() {
    SetBkColor(0xFFFFFFFF);
    SetBorderColor(0xFF808080);
    SetBorderSize(1);
    SetInset({1, 1, 1, 1});
}

std::string_view CMenuUI::GetClass() const { return "Menu"; }

CMenuWnd::CMenuWnd(CWindowWnd& owner, Callback onChoose)
    : CWindowWnd(owner.GetQueue(), owner.GetPaintManager().GetClock()), m_onChoose(std::move(onChoose)) {
    m_pm.SetDPIScale(owner.GetPaintManager().GetDPIScale());
    m_pm.SetTextMeasurer(&owner.GetPaintManager().GetTextMeasurer());
}

CMenuWnd* CMenuWnd::Show(CWindowWnd& owner, std::string_view layout, Point screenPoint, unsigned align,
                         Callback onChoose, IDialogBuilderCallback* callback) {
    auto* window = new CMenuWnd(owner, std::move(onChoose));
    CDialogBuilder builder;
    std::unique_ptr<CControlUI> root = builder.Create(layout, callback, &window->m_pm);
    window->m_pMenu = dynamic_cast<CMenuUI*>(root.get());
    if (!window->m_pMenu) {
        delete window;
        return nullptr;
    }
    window->m_pm.AttachDialog(std::move(root));
    window->m_pm.AddNotifier(window);
    Size size = window->MeasureMenu();
    int left = (align & kMenuAlignRight) ? screenPoint.x - size.cx : screenPoint.x;
    int top = (align & kMenuAlignBottom) ? screenPoint.y - size.cy : screenPoint.y;
    // Keep the menu on the screen.
    Rect work = GetWindowSystem().WorkArea();
    left = std::clamp(left, work.left, std::max(work.left, work.right - size.cx));
    top = std::clamp(top, work.top, std::max(work.top, work.bottom - size.cy));
    window->Create({WindowKind::Popup, &owner, "", {left, top, left + size.cx, top + size.cy}});
    window->m_pm.OnSize(size);
    window->ShowWindow(true, true);
    return window;
}

Size CMenuWnd::MeasureMenu() {
    ITextMeasurer& measurer = m_pm.GetTextMeasurer();
    const TListInfoUI& info = m_pMenu->GetListInfo();
    FontInfo font = CPaintManagerUI::GetFont(info.font);
    font.size = m_pm.ScaleValue(font.size);
    int width = m_pm.ScaleValue(m_pMenu->GetFixedWidth());
    int height = m_pm.ScaleValue(m_pMenu->GetInset().top + m_pMenu->GetInset().bottom);
    int textWidth = 0;
    for (int i = 0; i < m_pMenu->GetCount(); ++i) {
        CControlUI* item = m_pMenu->GetItemAt(i);
        if (!item->IsOwnVisible()) continue;
        Size text = measurer.MeasureText(item->GetDisplayText(), font, info.textStyle, 0);
        textWidth = std::max(textWidth, text.cx);
        int itemHeight = item->GetFixedHeight() > 0 ? item->GetFixedHeight() : info.itemHeight;
        height += m_pm.ScaleValue(itemHeight);
    }
    if (width == 0) {
        width = textWidth + m_pm.ScaleValue(kCheckColumn + info.textPadding.left + info.textPadding.right +
                                            m_pMenu->GetInset().left + m_pMenu->GetInset().right);
        width = std::max(width, m_pm.ScaleValue(kMinWidth));
    }
    return {width, height};
}

void CMenuWnd::Notify(TNotifyUI& msg) {
    if (msg.sType != "itemclick" || m_bClosing) return;
    auto* element = dynamic_cast<CMenuElementUI*>(msg.pSender);
    if (!element || !element->IsEnabled()) return;
    if (element->IsCheckable()) element->SetChecked(!element->IsChecked());
    MenuCommand command{element->GetName(), element->GetUserData(), element->GetDisplayText(), element->IsChecked()};
    Callback onChoose = std::move(m_onChoose);
    Finish();
    if (onChoose) onChoose(command);
}

std::intptr_t CMenuWnd::HandleMessage(Message& msg) {
    if (msg.id == kMsgActivate && msg.wParam == 0) Finish();
    return CWindowWnd::HandleMessage(msg);
}

void CMenuWnd::Finish() {
    if (m_bClosing) return;
    m_bClosing = true;
    Close();
}

void CMenuWnd::OnFinalMessage() {
    delete this;
}

}  // namespace viremo::toolkit
