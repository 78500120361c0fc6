#pragma once
// Numbered control families: "key_" + 12, "bullet_op_" + 29.
#include <optional>
#include <string>
#include <string_view>

namespace viremo::ui {

// The number of a control of the family `prefix`: the name split at its last
// underscore must give exactly that prefix and a decimal number.
std::optional<int> familyNumber(std::string_view name, std::string_view prefix);
// The name of member `number` of the family `prefix`.
std::string familyName(std::string_view prefix, int number);

}  // namespace viremo::ui
