#include "macros/key_capture.h"

namespace viremo {

bool captureHookKey(KeyAssignmentModel& model, int wParam, const KeyboardHookRecord& record) {
    if (record.scanCode > 0xFF) return false;
    return model.captureScanCode(static_cast<uint8_t>(record.scanCode), record.extended(), isKeyDownMessage(wParam));
}

}  // namespace viremo
