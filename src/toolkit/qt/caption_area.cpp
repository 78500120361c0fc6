#include "toolkit/qt/caption_area.h"

#include "toolkit/button.h"
#include "toolkit/color_palette.h"
#include "toolkit/combo.h"
#include "toolkit/edit.h"
#include "toolkit/list.h"
#include "toolkit/list_container_element.h"
#include "toolkit/list_label_element.h"
#include "toolkit/paint_manager.h"
#include "toolkit/scroll_bar.h"
#include "toolkit/slider.h"

namespace viremo::toolkit::qt {

namespace {

bool IsInteractive(CControlUI* control) {
    return dynamic_cast<CButtonUI*>(control) || dynamic_cast<CEditUI*>(control) ||
           dynamic_cast<CComboUI*>(control) || dynamic_cast<CSliderUI*>(control) ||
           dynamic_cast<CListUI*>(control) || dynamic_cast<CListLabelElementUI*>(control) ||
           dynamic_cast<CListContainerElementUI*>(control) || dynamic_cast<CColorPaletteUI*>(control) ||
           dynamic_cast<CScrollBarUI*>(control);
}

}  // namespace

Rect CaptionBand(const CPaintManagerUI& manager) {
    const Rect& caption = manager.GetCaptionRect();
    if (caption.bottom <= 0) return {};
    const Size client = manager.GetClientSize();
    Rect band{manager.ScaleValue(caption.left), manager.ScaleValue(caption.top),
              client.cx - manager.ScaleValue(caption.right), manager.ScaleValue(caption.bottom)};
    return band.IsEmpty() ? Rect{} : band;
}

bool IsCaptionDragPoint(const CPaintManagerUI& manager, Point point) {
    if (!CaptionBand(manager).Contains(point)) return false;
    for (CControlUI* c = manager.FindControl(point); c; c = c->GetParent()) {
        if (IsInteractive(c)) return false;
    }
    return true;
}

}  // namespace viremo::toolkit::qt
