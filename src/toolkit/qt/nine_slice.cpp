#include "toolkit/qt/nine_slice.h"

#include <algorithm>
#include <cmath>

namespace viremo::toolkit::qt {

namespace {

// Band sizes on one axis: the two ends in window pixels, shrunk together
// when they do not fit the span.
void FitBands(int first, int second, int span, int& outFirst, int& outSecond) {
    if (first + second <= span || first + second == 0) {
        outFirst = first;
        outSecond = second;
        return;
    }
    outFirst = span * first / (first + second);
    outSecond = span - outFirst;
}

int Scaled(int value, double scale) { return static_cast<int>(std::lround(value * scale)); }

}  // namespace

std::vector<Slice> NineSlice(const Rect& source, const Rect& target, const Rect& corner, double scale,
                             bool hole) {
    Rect c{std::clamp(corner.left, 0, source.Width()), std::clamp(corner.top, 0, source.Height()),
           std::clamp(corner.right, 0, source.Width()), std::clamp(corner.bottom, 0, source.Height())};
    int left = 0, right = 0, top = 0, bottom = 0;
    FitBands(Scaled(c.left, scale), Scaled(c.right, scale), target.Width(), left, right);
    FitBands(Scaled(c.top, scale), Scaled(c.bottom, scale), target.Height(), top, bottom);

    const int sx[4] = {source.left, source.left + c.left, source.right - c.right, source.right};
    const int sy[4] = {source.top, source.top + c.top, source.bottom - c.bottom, source.bottom};
    const int tx[4] = {target.left, target.left + left, target.right - right, target.right};
    const int ty[4] = {target.top, target.top + top, target.bottom - bottom, target.bottom};

    std::vector<Slice> slices;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (hole && row == 1 && column == 1) continue;
            Slice slice{{sx[column], sy[row], sx[column + 1], sy[row + 1]},
                        {tx[column], ty[row], tx[column + 1], ty[row + 1]}};
            if (slice.source.IsEmpty() || slice.target.IsEmpty()) continue;
            slices.push_back(slice);
        }
    }
    return slices;
}

}  // namespace viremo::toolkit::qt
