#pragma once
// The pieces of a nine-patch picture: the corners keep their size, the edges
// stretch along one axis and the centre along both. Pure geometry, so that
// the slicing is tested without drawing.
#include <vector>

#include "toolkit/geometry.h"

namespace viremo::toolkit::qt {

struct Slice {
    Rect source;  // in picture pixels
    Rect target;  // in window pixels
};

// corner = widths of the left, top, right and bottom bands in picture
// pixels; scale turns them into window pixels. Corners that do not fit the
// target shrink in proportion. With hole the centre piece is left out.
// Empty pieces are dropped.
std::vector<Slice> NineSlice(const Rect& source, const Rect& target, const Rect& corner, double scale,
                             bool hole);

}  // namespace viremo::toolkit::qt
