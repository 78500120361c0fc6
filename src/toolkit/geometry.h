#pragma once
// Points, sizes, rectangles and colours of the control tree. Rectangles are
// half-open: right and bottom lie just outside.
#include <algorithm>
#include <cstdint>

namespace viremo::toolkit {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool Intersects(const Rect& o) const {
        return std::max(left, o.left) < std::min(right, o.right) &&
               std::max(top, o.top) < std::min(bottom, o.bottom);
    }
    Rect Intersection(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    Rect Union(const Rect& o) const {
        if (IsEmpty()) return o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    Rect Deflated(const Rect& inset) const {
        return {left + inset.left, top + inset.top, right - inset.right, bottom - inset.bottom};
    }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0xAARRGGBB. Zero means "no colour set": nothing is drawn.
using Color = std::uint32_t;

}  // namespace viremo::toolkit
