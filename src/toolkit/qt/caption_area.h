#pragma once
// Where a frameless window is dragged by: the skin's caption band, except
// over controls the user works with (buttons, options, edits, combos,
// sliders, lists, palettes, scroll bars).
#include "toolkit/geometry.h"

namespace viremo::toolkit {
class CPaintManagerUI;
}

namespace viremo::toolkit::qt {

// The caption band in client pixels: left and right are insets from the
// window's sides, top and bottom distances from its top. Empty when the skin
// has none.
Rect CaptionBand(const CPaintManagerUI& manager);

bool IsCaptionDragPoint(const CPaintManagerUI& manager, Point point);

}  // namespace viremo::toolkit::qt
