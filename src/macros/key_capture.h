#pragma once
// Key capture of the key assignment panel: a keystroke taken while the key
// edit has the focus (capture mode 1) becomes the keyboard function's code.
#include "macros/key_assignment_model.h"
#include "platform/input_capture.h"

namespace viremo {

// True when the current code was replaced; the panel then runs its save flow.
bool captureHookKey(KeyAssignmentModel& model, int wParam, const KeyboardHookRecord& record);

}  // namespace viremo
