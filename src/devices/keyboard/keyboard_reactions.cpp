// Reactions of single lights to keys, and the spread buffers they seed.
#include <algorithm>

#include "devices/keyboard/keyboard_effects.h"
#include "devices/lighting/effect_tables.h"

namespace viremo::devices::keyboard {
namespace {

// The cells around a pressed key in mode 25: how much a press raises their
// level and how much a release takes off.
struct Neighbour {
    int columns;
    int rows;
    uint8_t rise;
    uint8_t fall;
};
constexpr Neighbour kNeighbours[] = {
    {0, -1, 150, 15}, {0, 1, 150, 15}, {-1, 0, 150, 15}, {1, 0, 150, 15},  // near
    {0, -2, 90, 90},  {0, 2, 90, 90},  {-1, -1, 90, 90}, {1, -1, 90, 90},  // far
    {-1, 1, 90, 90},  {1, 1, 90, 90},  {-2, 0, 60, 90},  {2, 0, 60, 90},
};

}  // namespace

void KeyboardEffects::seedColumns() {
    for (int column = 0; column < kGridColumns; ++column) {
        const uint8_t marked = state_.spread.column(column);
        for (int row = 0; row < kGridRows; ++row) {
            const uint8_t light = gridLight(column, row);
            if (!(marked & (1u << row)) || light >= kNoLight) continue;
            state_.level[light] = 255;
            if (inputs_.lighting.multiColor) state_.colourStep[light] = uint8_t(random_.next() % kSpectrumLength);
        }
    }
}

void KeyboardEffects::reactMode8(int light, uint8_t kind) {
    if (kind != kKeyPress) return;
    if (const auto cell = gridCellOf(light)) state_.spread.mark(cell->column, cell->row);
}

void KeyboardEffects::reactMode7(int light, uint8_t kind) {
    state_.reaction[size_t(light)] = kind;
    state_.level[size_t(light)] = 255;
    state_.colourStep[size_t(light)] = uint8_t(random_.next() % kSpectrumLength);
}

void KeyboardEffects::reactMode25(int light, uint8_t kind) {
    const auto cell = gridCellOf(light);
    if (!cell) return;
    const auto self = size_t(light);
    if (kind == kKeyPress) {
        state_.held[self] = 1;
        state_.reaction[self] = kRisingLight;
        state_.level[self] = 255;
    }
    for (const Neighbour& near : kNeighbours) {
        const int column = cell->column + near.columns;
        const int row = cell->row + near.rows;
        const uint8_t other = gridLight(column, row);
        if (other >= kNoLight) continue;
        uint8_t& level = state_.level[other];
        if (kind == kKeyPress) {
            level = uint8_t(std::min(255, level + near.rise));
            state_.reaction[other] = kRisingLight;
        } else if (!isNeighbourLit(column, row, light)) {
            level = uint8_t(std::max(0, level - near.fall));
            state_.reaction[other] = kFallingLight;
        }
    }
    if (kind == kKeyRelease) {
        if (!isNeighbourLit(cell->column, cell->row, light)) state_.reaction[self] = kFallingLight;
        state_.held[self] = 0;
    }
}

// Whether a light other than `light` is held in the cell or within its
// near and far cells.
bool KeyboardEffects::isNeighbourLit(int column, int row, int light) const {
    const auto heldOther = [&](int c, int r) {
        const uint8_t other = gridLight(c, r);
        return other < kNoLight && other != light && state_.held[other];
    };
    if (heldOther(column, row)) return true;
    return std::any_of(std::begin(kNeighbours), std::end(kNeighbours),
                       [&](const Neighbour& near) { return heldOther(column + near.columns, row + near.rows); });
}

}  // namespace viremo::devices::keyboard
