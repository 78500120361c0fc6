#include "ui/function_page.h"

#include "devices/interface_record.h"

namespace viremo::ui {
namespace {

FunctionPages keyPage(int page) { return {0, page}; }
FunctionPages functionPage(int page) { return {page, -1}; }

}  // namespace

FunctionPages functionPagesFor(int pageType, int modelId) {
    switch (static_cast<FunctionTab>(pageType)) {
    case FunctionTab::Keys:
    case FunctionTab::Voice: return keyPage(1);
    case FunctionTab::Macros:
    case FunctionTab::Surround: return functionPage(1);
    case FunctionTab::System:
        return modelId == devices::kModelWiredKeyboard || modelId == devices::kModelWiredMouse ? functionPage(3)
                                                                                              : keyPage(2);
    case FunctionTab::Cursor: return functionPage(2);
    case FunctionTab::VoiceChanger: return keyPage(2);
    case FunctionTab::Lighting: break;
    }
    return keyPage(0);
}

}  // namespace viremo::ui
