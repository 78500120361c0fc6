#include "macros/key_assignment_model.h"

#include "macros/code_tables.h"
#include "macros/device_functions.h"
#include "macros/key_table.h"

namespace viremo {
namespace {

using namespace category;

constexpr uint8_t kSecondDirection = 0x80;

uint8_t lowByte(int64_t value) { return static_cast<uint8_t>(value & 0xFF); }

int rowOf(std::span<const NamedCode> table, const AssignmentCode& code) {
    return findCodeRow(table, code).value_or(-1);
}

// Move and wheel share the first parameter: delay step high, speed step low.
void showSteps(MotionControls& controls, uint8_t first) {
    controls.delay = first >> 4;
    controls.speed = first & 0x0F;
}

uint8_t stepsByte(const MotionControls& controls) {
    return static_cast<uint8_t>((controls.delay & 0x0F) << 4 | (controls.speed & 0x0F));
}

// The code of the selected row of a table page; nullopt when no row is
// selected or the row does not exist.
std::optional<AssignmentCode> selectedRow(std::span<const NamedCode> table, int row) {
    if (row < 0 || static_cast<size_t>(row) >= table.size()) return std::nullopt;
    return table[static_cast<size_t>(row)].code;
}

}  // namespace

void KeyAssignmentModel::setAssignment(const AssignmentCode& current, const AssignmentCode& factory) {
    current_ = current;
    factory_ = factory;
    show(current_);
}

void KeyAssignmentModel::show(const AssignmentCode& code) {
    auto& c = controls_;
    std::optional<FunctionPage> page;
    if (code == factory_) {
        page = FunctionPage::Factory;
    } else {
        switch (code.category) {
        case kMouseButton:
            c.mouseButtonRow = rowOf(mouseButtonCodes(), code);
            page = FunctionPage::MouseButton;
            break;
        case kMouseMove:
            showSteps(c.move, code.first);
            c.move.directionItem = (code.second & kSecondDirection) ? 1 : 0;
            c.move.count = code.second & 0x7F;
            page = FunctionPage::MouseMove;
            break;
        case kWheel:
            showSteps(c.wheel, code.first);
            c.wheel.directionItem = (code.second & kSecondDirection) ? 1 : 0;
            c.wheel.count = c.wheel.directionItem ? 128 - (code.second & 0x7F) : code.second;
            page = FunctionPage::Wheel;
            break;
        case kDpi:
            c.dpiRow = rowOf(dpiCodes(), code);
            page = FunctionPage::Dpi;
            break;
        case kRapidFire:
            c.fireInterval = code.first;
            c.fireCount = code.second;
            page = FunctionPage::RapidFire;
            break;
        case kKeyboard:
            page = showKeyboard(code);
            break;
        case kConsumer:
            c.mediaRow = rowOf(mediaCodes(), code);
            page = FunctionPage::Media;
            break;
        case kSystem:
            c.systemRow = rowOf(systemCodes(), code);
            page = FunctionPage::System;
            break;
        case kMacro:
        case kMacroRepeated:
            showMacro(code);
            page = FunctionPage::Macro;
            break;
        case kGunKey:
            c.gunItem = code.first;
            page = FunctionPage::GunKey;
            break;
        case kShortcutPage:
            page = FunctionPage::Shortcut;
            break;
        default:
            break;  // the device's own codes have no page
        }
    }
    // A function the device lacks has no item in the combo box either.
    c.page = page && offers(*page) ? page : std::nullopt;
}

bool KeyAssignmentModel::offers(FunctionPage page) const { return offersPage(modelId_, page); }

FunctionPage KeyAssignmentModel::showKeyboard(const AssignmentCode& code) {
    auto& c = controls_;
    // A shortcut is known by its row: the rows are Ctrl plus a key, which the
    // keyboard page could show too, but the user saved it from its own page.
    if (const auto row = findCodeRow(shortcutCodes(), code)) {
        c.shortcutRow = *row;
        return FunctionPage::Shortcut;
    }
    if (code.first == 0) {
        if (const auto row = ordinaryKeyRowByUsage(code.second)) {
            c.modifierOption = 0;
            c.keyNameId = keyTable()[*row].nameId;
            c.keyUsage = code.second;
        } else {
            // Nothing the panel can show: the key becomes "nothing assigned".
            c.modifierOption = -1;
            c.keyNameId = {};
            c.keyUsage = 0;
            current_.first = 0;
            current_.second = 0;
        }
        return FunctionPage::Keyboard;
    }
    // Left and right modifiers keep their own options, so that reading the
    // page back gives the same bit.
    const auto modifier = modifierRowByBit(code.first);
    c.modifierOption = modifier ? static_cast<int>(*modifier) + 1 : 0;
    const auto key = ordinaryKeyRowByUsage(code.second);
    c.keyNameId = key ? keyTable()[*key].nameId : std::string_view{};
    c.keyUsage = key ? code.second : 0;
    return FunctionPage::Keyboard;
}

void KeyAssignmentModel::showMacro(const AssignmentCode& code) {
    auto& c = controls_;
    if (code.first >= macroCount_) {
        c.macroRow = -1;
        c.macroPlayItem = -1;
        c.macroRepeatVisible = false;
        return;
    }
    c.macroRow = code.first;
    if (code.category == kMacroRepeated) {
        c.macroRepeatVisible = true;
        c.macroRepeat = code.second;
        c.macroPlayItem = kRepeatItem;
    } else {
        c.macroRepeatVisible = false;
        c.macroPlayItem = code.second < kRepeatItem ? code.second : -1;
    }
}

AssignmentCode KeyAssignmentModel::read() {
    const auto& c = controls_;
    const FunctionPage page = c.page.value_or(FunctionPage::Factory);
    if (!offers(page)) return current_;
    std::optional<AssignmentCode> code;
    switch (page) {
    case FunctionPage::Factory:
        code = factory_;
        break;
    case FunctionPage::MouseButton:
        code = selectedRow(mouseButtonCodes(), c.mouseButtonRow);
        break;
    case FunctionPage::MouseMove:
        code = AssignmentCode{kMouseMove, stepsByte(c.move),
                              static_cast<uint8_t>((c.move.count & 0x7F) | (c.move.directionItem == 1 ? kSecondDirection : 0))};
        break;
    case FunctionPage::Wheel: {
        // The second direction is stored as a negative count in a signed byte.
        const int64_t count = c.wheel.count & 0x7F;
        code = AssignmentCode{kWheel, stepsByte(c.wheel),
                              c.wheel.directionItem == 1 ? lowByte(128 - count + 128) : static_cast<uint8_t>(count)};
        break;
    }
    case FunctionPage::Dpi:
        code = selectedRow(dpiCodes(), c.dpiRow);
        break;
    case FunctionPage::RapidFire:
        code = AssignmentCode{kRapidFire, lowByte(c.fireInterval), lowByte(c.fireCount)};
        break;
    case FunctionPage::Keyboard:
        code = AssignmentCode{kKeyboard, modifierBitOfOption(c.modifierOption),
                              c.keyNameId.empty() ? uint8_t{0} : c.keyUsage};
        break;
    case FunctionPage::Media:
        code = selectedRow(mediaCodes(), c.mediaRow);
        break;
    case FunctionPage::System:
        code = selectedRow(systemCodes(), c.systemRow);
        break;
    case FunctionPage::Macro:
        if (c.macroRow >= 0 && c.macroRow < macroCount_ && c.macroRow < 256) {
            const auto macro = static_cast<uint8_t>(c.macroRow);
            if (c.macroPlayItem == kRepeatItem) code = AssignmentCode{kMacroRepeated, macro, lowByte(c.macroRepeat)};
            else if (c.macroPlayItem >= 0 && c.macroPlayItem < kRepeatItem)
                code = AssignmentCode{kMacro, macro, static_cast<uint8_t>(c.macroPlayItem)};
        }
        break;
    case FunctionPage::GunKey:
        if (c.gunItem >= 0) code = AssignmentCode{kGunKey, lowByte(c.gunItem), 0};
        break;
    case FunctionPage::Shortcut:
        code = selectedRow(shortcutCodes(), c.shortcutRow);
        break;
    }
    // A page with nothing selected keeps what the key had.
    if (code) current_ = *code;
    return current_;
}

bool KeyAssignmentModel::choosePage(FunctionPage page) {
    if (!offers(page)) return false;
    controls_.page = page;
    if (page == FunctionPage::Keyboard) {
        controls_.keyNameId = {};
        controls_.keyUsage = 0;
        controls_.modifierOption = -1;
    }
    return true;
}

bool KeyAssignmentModel::captureScanCode(uint8_t scanCode, bool extended, bool keyDown) {
    return captureRow(keyRowByScanCode(scanCode, extended), keyDown);
}

bool KeyAssignmentModel::captureLinuxKey(uint16_t linuxKey, bool keyDown) {
    return captureRow(keyRowByLinuxKey(linuxKey), keyDown);
}

bool KeyAssignmentModel::captureRow(std::optional<size_t> row, bool keyDown) {
    // Releasing Shift after A must not turn Shift+A into Shift alone.
    if (!keyDown || !row) return false;
    const KeyTableRow& key = keyTable()[*row];
    if (key.code.category != kKeyboard) return false;
    auto& c = controls_;
    uint8_t usage = 0;
    if (*row < kModifierRows) {
        c.modifierOption = modifierOptionOfRow(*row);
        c.keyNameId = {};
        c.keyUsage = 0;
    } else {
        if (c.modifierOption < 0) c.modifierOption = 0;
        c.keyNameId = key.nameId;
        c.keyUsage = usage = key.code.second;
    }
    current_ = AssignmentCode{kKeyboard, modifierBitOfOption(c.modifierOption), usage};
    return true;
}

}  // namespace viremo
