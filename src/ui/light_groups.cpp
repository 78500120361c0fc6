#include "ui/light_groups.h"

#include <initializer_list>
#include <span>

namespace viremo::ui {
namespace {

// The six usable flags and the all-devices offer of a row of modes.
struct Row {
    std::initializer_list<int> modes;
    bool multi, colour, palette, brightness, speed, direction, allDevices;
};

LightGroups fromRow(const Row& row) {
    LightGroups groups;
    groups.multiColour = row.multi;
    groups.colour = row.colour;
    groups.palette = row.palette;
    groups.brightness = row.brightness;
    groups.speed = row.speed;
    groups.direction = row.direction;
    groups.allDevices = row.allDevices;
    return groups;
}

LightGroups lookUp(std::span<const Row> rows, int mode) {
    for (const Row& row : rows)
        for (int m : row.modes)
            if (m == mode) return fromRow(row);
    return {};
}

// Keyboard, before the extras of single modes.
constexpr bool Y = true, N = false;
const Row kKeyboardRows[] = {
    {{1, 2, 3, 21, 24}, Y, Y, Y, Y, Y, Y, N},
    {{4}, N, N, N, Y, Y, N, Y},
    {{5, 23}, Y, Y, Y, Y, Y, N, Y},
    {{6}, Y, Y, Y, Y, N, N, Y},
    {{7, 8, 9, 10, 13, 14, 15, 22, 25}, Y, Y, Y, Y, Y, N, N},
    {{16}, Y, Y, Y, Y, N, N, N},
    {{11, 26, 27}, N, N, N, Y, Y, N, N},
    {{12}, N, N, N, Y, Y, Y, N},
    {{17}, N, N, N, Y, Y, N, N},
    {{18}, N, N, N, Y, N, Y, N},
    {{20}, N, Y, Y, Y, N, N, N},
    {{28}, N, N, N, N, N, N, Y},
    {{29}, Y, Y, Y, Y, N, Y, N},
    {{30}, N, N, N, Y, N, N, N},
};

const Row kMouseRows[] = {
    {{0, 5}, Y, Y, Y, Y, Y, Y, N},
    {{1}, N, N, N, Y, Y, N, Y},
    {{2, 4, 6}, Y, Y, Y, Y, Y, N, Y},
    {{3}, N, Y, Y, Y, N, N, Y},
    {{7, 8}, N, N, N, Y, Y, N, N},
    {{9}, N, N, N, N, N, N, Y},
};

const Row kPadRows[] = {
    {{0}, Y, Y, Y, Y, Y, Y, N},
    {{1}, N, N, N, Y, Y, N, Y},
    {{2, 4}, Y, Y, Y, Y, Y, N, Y},
    {{3}, N, Y, Y, Y, N, N, Y},
    {{8}, N, N, N, N, N, N, Y},
};

LightGroups keyboardGroups(int mode) {
    LightGroups groups = lookUp(kKeyboardRows, mode);
    switch (mode) {
    case 3: case 24: groups.captions = DirectionCaptions::Clockwise; break;
    case 4: case 11: case 26: case 30: groups.colourArea = false; break;
    case 12: groups.captions = DirectionCaptions::DownUp; break;
    case 17: groups.speedShown = false, groups.specialMode = true, groups.colourArea = false; break;
    case 18: groups.colourArea = false, groups.captions = DirectionCaptions::OutsideInside; break;
    case 20: groups.customGroup = true, groups.speedShown = false; break;
    case 21: groups.captions = DirectionCaptions::UpDown; break;
    case 29: groups.speedShown = false, groups.audioMode = true, groups.colourPage = 1; break;
    default: break;
    }
    return groups;
}

}  // namespace

LightGroups LightGroupsFor(int panelType, int mode) {
    switch (panelType) {
    case kPanelKeyboard: return keyboardGroups(mode);
    case kPanelMouse: return lookUp(kMouseRows, mode);
    case kPanelPad:
    case kPanelHeadset: return lookUp(kPadRows, mode);
    default: return {};
    }
}

}  // namespace viremo::ui
