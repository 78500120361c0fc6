#pragma once
// The light tables of the keyboard's software effects. Light numbers are
// 0-169; kNoLight (and 255 in the column-row, sequence and pair tables)
// marks a place without a light.
#include <array>
#include <cstdint>
#include <optional>

namespace viremo::devices::keyboard {

inline constexpr uint8_t kNoLight = 170;
inline constexpr int kGridColumns = 23;
inline constexpr int kGridRows = 6;

// The grid of the column and row effects, row 0 at the top.
using LightGrid = std::array<std::array<uint8_t, kGridRows>, kGridColumns>;
const LightGrid& lightGrid();

struct GridCell {
    int column = 0;
    int row = 0;
};
// The first cell (column by column) that holds the light.
std::optional<GridCell> gridCellOf(int light);
// The light of a cell; kNoLight outside the grid.
uint8_t gridLight(int column, int row);

// Rises to 255 at entry 24 and falls back to 0 by entry 88; 0 up to 191.
inline constexpr int kFlashLength = 192;
const std::array<uint8_t, kFlashLength>& flashCurve();

// The keys in the order the key effects walk them.
inline constexpr int kKeyOrderLength = 126;
const std::array<uint8_t, kKeyOrderLength>& keyOrder();
bool inKeyOrder(int light);

// Mode 21: the light at each sweep position 0-170.
inline constexpr int kSweepPositions = 171;
const std::array<uint8_t, kSweepPositions>& sweepTable();

// Rings around light 49, innermost first. The effects skip ring lights
// that are not in the key order table.
inline constexpr int kRingCount = 12;
const std::array<std::array<uint8_t, 12>, kRingCount>& rings();

// Modes 15 and 22: 23 columns of 7 rows.
inline constexpr int kColumnRowRows = 7;
const std::array<std::array<uint8_t, kColumnRowRows>, kGridColumns>& columnRowTable();
// Mode 15: the starting level of column c, row r at entry 6c + r.
inline constexpr int kLevelTableLength = 139;
const std::array<uint8_t, kLevelTableLength>& levelTable();

// Mode 10: indexes into the key order table.
inline constexpr int kRandomKeyCount = 104;
const std::array<uint8_t, kRandomKeyCount>& randomKeyList();

// Mode 24: 52 groups of lights.
inline constexpr int kGroupCount = 52;
const std::array<std::array<uint8_t, 11>, kGroupCount>& groupTable();

// Mode 14: the rows of the opening sequence and the pairs that follow.
inline constexpr int kSequenceRows = 20;
const std::array<std::array<uint8_t, 6>, kSequenceRows>& sequenceTable();
inline constexpr int kPairCount = 16;
const std::array<std::array<uint8_t, 2>, kPairCount>& pairTable();

}  // namespace viremo::devices::keyboard
