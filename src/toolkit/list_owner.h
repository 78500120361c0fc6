#pragma once
// What list rows share with the list or combo that holds them: the look of
// the rows (TListInfoUI), the selection, and the events rows pass up (keys,
// wheel).
#include <string>

#include "toolkit/event.h"
#include "toolkit/render.h"

namespace viremo::toolkit {

struct TListInfoUI {
    int font = -1;
    unsigned textStyle = kTextLeft | kTextVCenter | kTextSingleLine;
    Rect textPadding{4, 0, 4, 0};
    Color textColor = 0xFF000000;
    Color bkColor = 0;
    Color selectedTextColor = 0xFF000000;
    Color selectedBkColor = 0xFFC1E3FF;
    Color hotTextColor = 0xFF000000;
    Color hotBkColor = 0xFFE9F5FF;
    Color hotBorderColor = 0;
    Color disabledTextColor = 0xFFA7A6AA;
    std::string bkImage;
    std::string selectedImage;
    std::string hotImage;
    int itemHeight = 22;  // rows without a height of their own
};

// Applies an item* attribute (itemfont, itemtextcolor, ...) to the info;
// false when the name is not one.
bool SetListInfoAttribute(TListInfoUI& info, std::string_view name, std::string_view value);

class IListOwnerUI {
public:
    virtual ~IListOwnerUI() = default;
    virtual const TListInfoUI& GetListInfo() const = 0;
    virtual int GetCurSel() const = 0;
    virtual bool SelectItem(int index, bool takeFocus = false, bool notify = true) = 0;
    // Keys and wheel turns a row does not use itself.
    virtual void HandleItemEvent(TEventUI& event) = 0;
};

class IListItemUI {
public:
    virtual ~IListItemUI() = default;
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int index) = 0;
    virtual IListOwnerUI* GetOwner() const = 0;
    virtual void SetOwner(IListOwnerUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    // Selecting a row makes it its owner's selection.
    virtual bool Select(bool select = true, bool notify = true) = 0;
};

}  // namespace viremo::toolkit
