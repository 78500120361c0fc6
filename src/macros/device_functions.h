#pragma once
// Functions a kind of device does not have. A keyboard has no DPI stages and
// no gun presets: its key panel hides those pages, and no assignment of
// those categories is stored for its keys.
#include <cstdint>
#include <string_view>

#include "macros/assignment_code.h"
#include "macros/function_page.h"

namespace viremo {

bool offersPage(int modelId, FunctionPage page);

// Why a device of this model cannot take `code`, as one line; empty when it can.
std::string_view refusalOf(int modelId, const AssignmentCode& code);

}  // namespace viremo
