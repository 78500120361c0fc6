#pragma once
// Menus: a list of menu elements in a popup window, built from XML like any
// layout:
//   <Menu><MenuElement name="copy" text="Copy" userdata="1"/>
//         <MenuElement name="sync" textid="menu_sync" checkable="true" checked="true"/></Menu>
// CMenuWnd::Show pops one at a screen point with an alignment and hands the
// chosen element to a callback as a MenuCommand; a checkable element flips
// its check first. Clicking elsewhere (the popup losing activation) closes
// the menu without a choice.
#include <functional>
#include <string>
#include <string_view>

#include "toolkit/dialog_builder.h"
#include "toolkit/list.h"
#include "toolkit/list_label_element.h"
#include "toolkit/window.h"

namespace viremo::toolkit {

struct MenuCommand {
    std::string name;
    std::string userData;
    std::string text;  // as shown (translated)
    bool checked = false;
};

// Where the point lies on the menu: its left or right edge, its top or
// bottom edge.
enum MenuAlign : unsigned {
    kMenuAlignLeft = 0,
    kMenuAlignRight = 1,
    kMenuAlignTop = 0,
    kMenuAlignBottom = 2,
};

class CMenuElementUI : public CListLabelElementUI {
public:
    CMenuElementUI();
    std::string_view GetClass() const override;
    bool IsCheckable() const { return m_bCheckable; }
    void SetCheckable(bool checkable) { m_bCheckable = checkable; }
    bool IsChecked() const { return m_bChecked; }
    void SetChecked(bool checked);
    void DrawItemText(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

private:
    bool m_bCheckable = false;
    bool m_bChecked = false;
};

class CMenuUI : public CListUI {
public:
    CMenuUI();
    std::string_view GetClass() const override;
};

class CMenuWnd : public CWindowWnd, public INotifyUI {
public:
    using Callback = std::function<void(const MenuCommand&)>;

    // Null when the layout cannot be built (the builder logged why) or its
    // root is not a Menu. The window deletes itself when it ends.
    static CMenuWnd* Show(CWindowWnd& owner, std::string_view layout, Point screenPoint, unsigned align,
                          Callback onChoose, IDialogBuilderCallback* callback = nullptr);

    CMenuUI* GetMenu() const { return m_pMenu; }

    void Notify(TNotifyUI& msg) override;
    std::intptr_t HandleMessage(Message& msg) override;

protected:
    void OnFinalMessage() override;

private:
    CMenuWnd(CWindowWnd& owner, Callback onChoose);
    Size MeasureMenu();
    void Finish();

    Callback m_onChoose;
    CMenuUI* m_pMenu = nullptr;
    bool m_bClosing = false;
};

}  // namespace viremo::toolkit
