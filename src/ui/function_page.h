#pragma once
// Which pages of a device page's two switches show a function tab. The
// function switch holds the device picture (page 0) and the other function
// pages; the key function switch, on page 0 of the function switch, holds
// the panels shown beside the picture.
namespace viremo::ui {

// Function tabs, in the order of the main window's tab buttons.
enum class FunctionTab {
    Lighting = 1,
    Keys = 2,
    Macros = 3,
    System = 4,
    Cursor = 5,
    Voice = 6,
    VoiceChanger = 7,
    Surround = 8,
};

struct FunctionPages {
    int functionPage = 0;
    int keyPage = -1;  // -1: the key function switch stays as it is
};

FunctionPages functionPagesFor(int pageType, int modelId);

}  // namespace viremo::ui
