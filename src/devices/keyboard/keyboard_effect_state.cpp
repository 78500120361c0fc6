#include "devices/keyboard/keyboard_effect_state.h"

namespace viremo::devices::keyboard {
namespace {

uint8_t at(const SpreadBuffer& buffer, int column) {
    return column >= 0 && column < kGridColumns ? buffer[size_t(column)] : 0;
}

}  // namespace

uint8_t SpreadBuffers::column(int column) const {
    return uint8_t(at(a, column) | at(b, column) | at(c, column) | at(d, column));
}

void SpreadBuffers::mark(int column, int row) {
    if (column < 0 || column >= kGridColumns || row < 0 || row > 7) return;
    const auto bit = uint8_t(1u << row);
    for (SpreadBuffer* buffer : {&a, &b, &c, &d}) (*buffer)[size_t(column)] |= bit;
}

void SpreadBuffers::shift() {
    const SpreadBuffers old = *this;
    for (int i = 0; i < kGridColumns; ++i) {
        const auto column = size_t(i);
        a[column] = uint8_t((old.a[column] >> 1) | at(old.a, i + 1));
        b[column] = uint8_t((old.b[column] >> 1) | at(old.b, i - 1));
        c[column] = uint8_t((old.c[column] << 1) | at(old.c, i - 1));
        d[column] = uint8_t((old.d[column] << 1) | at(old.d, i + 1));
    }
}

void SpreadBuffers::spreadAlongRows() {
    const SpreadBuffers old = *this;
    a.fill(0);
    c.fill(0);
    for (int i = 0; i < kGridColumns; ++i) {
        b[size_t(i)] = at(old.b, i - 1);
        d[size_t(i)] = at(old.d, i + 1);
    }
}

void KeyboardEffectState::Reset() {
    phase = 0;
    stage = 0;
    sweepPosition = 0;
    level.fill(0);
    colourStep.fill(0);
    reaction.fill(0);
    spread = {};
    shared = {};
}

}  // namespace viremo::devices::keyboard
