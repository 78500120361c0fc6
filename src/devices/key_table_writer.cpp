#include "devices/key_table_writer.h"

#include "macros/used_macros.h"

namespace viremo::devices {
namespace {

AssignmentCode codeOf(const KeyAssignment& assignment) {
    return {assignment.category, assignment.first, assignment.second};
}

template <typename Visit>
void forEachPlacedKey(const std::vector<KeyListEntry>& keys, std::span<const uint8_t> keyPositions, uint8_t absent,
                      Visit visit) {
    for (size_t key = 0; key < keyPositions.size() && key < keys.size(); ++key)
        if (keyPositions[key] != absent) visit(keys[key], keyPositions[key]);
}

}  // namespace

std::vector<int> usedMacrosOfKeys(const std::vector<KeyListEntry>& keys, std::span<const uint8_t> keyPositions,
                                  uint8_t absent, int macroCount) {
    std::vector<AssignmentCode> currents;
    forEachPlacedKey(keys, keyPositions, absent,
                     [&](const KeyListEntry& key, uint8_t) { currents.push_back(codeOf(key.current)); });
    return usedMacros(currents, macroCount);
}

void placeKeyAssignments(std::span<uint8_t> table, const std::vector<KeyListEntry>& keys,
                         std::span<const uint8_t> keyPositions, uint8_t absent, int macroCount) {
    const std::vector<int> used = usedMacrosOfKeys(keys, keyPositions, absent, macroCount);
    forEachPlacedKey(keys, keyPositions, absent, [&](const KeyListEntry& key, uint8_t position) {
        const size_t at = size_t(position) * 3;
        if (at + 3 > table.size()) return;
        const AssignmentCode code = deviceKeyCode(codeOf(key.current), codeOf(key.factory), used, macroCount);
        table[at] = code.category;
        table[at + 1] = code.first;
        table[at + 2] = code.second;
    });
}

bool resetUnknownMacros(std::vector<KeyListEntry>& keys, int macroCount) {
    bool changed = false;
    for (KeyListEntry& key : keys) {
        if (!codeOf(key.current).isMacro() || key.current.first < macroCount) continue;
        key.current = key.factory;
        changed = true;
    }
    return changed;
}

}  // namespace viremo::devices
