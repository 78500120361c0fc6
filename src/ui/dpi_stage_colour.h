#pragma once
// The colour chosen for one of a mouse's DPI stages, put into its stage
// list: a list shorter than the stage grows to it with empty stages. A mouse
// has five stages (0-4); a stage beyond them is refused, so the list never
// holds more than five records.
#include <vector>

#include "profiles/profile_records.h"
#include "toolkit/geometry.h"

namespace viremo::ui {

inline constexpr int kDpiStageCount = 5;

// False (and the list unchanged) for a stage outside 0-4.
bool SetDpiStageColour(std::vector<DpiStage>& stages, int stage, toolkit::Color colour);

}  // namespace viremo::ui
