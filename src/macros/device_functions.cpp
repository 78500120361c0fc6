#include "macros/device_functions.h"

#include <algorithm>
#include <array>
#include <span>

namespace viremo {
namespace {

struct MissingFunction {
    uint8_t category;
    FunctionPage page;
    std::string_view reason;
};

// The keyboard, by cable (model 1) or through its receiver (model 9).
constexpr std::array<int, 2> kKeyboardModels{1, 9};

constexpr std::array<MissingFunction, 2> kKeyboardLacks{{
    {category::kDpi, FunctionPage::Dpi, "a keyboard has no DPI functions"},
    {category::kGunKey, FunctionPage::GunKey, "a keyboard has no gun keys"},
}};

std::span<const MissingFunction> missingFunctions(int modelId) {
    if (std::ranges::find(kKeyboardModels, modelId) != kKeyboardModels.end()) return kKeyboardLacks;
    return {};
}

}  // namespace

bool offersPage(int modelId, FunctionPage page) {
    return std::ranges::none_of(missingFunctions(modelId),
                                [page](const MissingFunction& missing) { return missing.page == page; });
}

std::string_view refusalOf(int modelId, const AssignmentCode& code) {
    for (const auto& missing : missingFunctions(modelId))
        if (missing.category == code.category) return missing.reason;
    return {};
}

}  // namespace viremo
