#include "ui/dpi_stage_colour.h"

namespace viremo::ui {

bool SetDpiStageColour(std::vector<DpiStage>& stages, int stage, toolkit::Color colour) {
    if (stage < 0 || stage >= kDpiStageCount) return false;
    if (stages.size() <= size_t(stage)) stages.resize(size_t(stage) + 1);
    DpiStage& record = stages[size_t(stage)];
    record.red = uint8_t(colour >> 16);
    record.green = uint8_t(colour >> 8);
    record.blue = uint8_t(colour);
    return true;
}

}  // namespace viremo::ui
