#include "macros/used_macros.h"

#include <algorithm>

namespace viremo {

std::vector<int> usedMacros(std::span<const AssignmentCode> currents, int macroCount) {
    std::vector<int> used;
    for (const auto& code : currents) {
        if (!code.isMacro() || code.first >= macroCount) continue;
        if (std::find(used.begin(), used.end(), code.first) == used.end()) used.push_back(code.first);
    }
    return used;
}

AssignmentCode deviceKeyCode(const AssignmentCode& current, const AssignmentCode& factory,
                             const std::vector<int>& used, int macroCount) {
    if (!current.isMacro()) return current;
    if (current.first >= macroCount) return factory;
    const auto found = std::find(used.begin(), used.end(), current.first);
    if (found == used.end() || found - used.begin() > 0xFF) return factory;
    AssignmentCode compact = current;
    compact.first = static_cast<uint8_t>(found - used.begin());
    return compact;
}

bool resetMissingMacroBindings(std::vector<KeyListEntry>& keys, int macroCount) {
    bool changed = false;
    for (auto& key : keys) {
        const AssignmentCode current{key.current.category, key.current.first, key.current.second};
        if (!current.isMacro() || current.first < macroCount) continue;
        key.current.category = key.factory.category;
        key.current.first = key.factory.first;
        key.current.second = key.factory.second;
        changed = true;
    }
    return changed;
}

}  // namespace viremo
