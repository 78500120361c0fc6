#include "emulator/mouse_memory.h"

#include <string>

#include "emulator/command_codes.h"
#include "emulator/keyboard_memory.h"
#include "emulator/mouse_settings.h"
#include "emulator/products.h"

namespace viremo::emulator::mouse {

namespace {

// Key positions: left, right, middle, forward, back, DPI up, DPI down, DPI
// loop, game mode, M8, fire.
constexpr std::array<ButtonCode, kButtons> kFactoryCodes{{
    {0x10, 0x01, 0x00}, {0x10, 0x02, 0x00}, {0x10, 0x04, 0x00}, {0x10, 0x10, 0x00},
    {0x10, 0x08, 0x00}, {0x13, 0x01, 0x00}, {0x13, 0x02, 0x00}, {0x13, 0x03, 0x00},
    {0xA0, 0x1B, 0x00}, {0x16, 0x90, 0x01}, {0x14, 0x78, 0x02},
}};

// Physical button of each key position: back and forward swapped, the DPI
// buttons behind the loop button, fire before game mode.
constexpr std::array<uint8_t, kButtons> kButtonOfKeyPosition{0, 1, 2, 4, 3, 6, 7, 5, 9, kNoButton, 8};

}  // namespace

ButtonCode factoryButtonCode(size_t keyPosition) {
    return keyPosition < kButtons ? kFactoryCodes[keyPosition] : ButtonCode{};
}

uint8_t buttonOfKeyPosition(size_t keyPosition) {
    return keyPosition < kButtons ? kButtonOfKeyPosition[keyPosition] : kNoButton;
}

std::vector<uint8_t> factoryButtonTable() {
    std::vector<uint8_t> table(kButtonTableLength, 0);
    for (size_t position = 0; position < kButtons; ++position) {
        const uint8_t button = kButtonOfKeyPosition[position];
        if (button == kNoButton) continue;
        const ButtonCode& code = kFactoryCodes[position];
        std::copy(code.begin(), code.end(), table.begin() + std::ptrdiff_t(kButtonCodeLength * button));
    }
    return table;
}

std::vector<MemoryRegion> mouseRegions() {
    return {
        {std::string(region::Settings), command::ReadSettings, command::WriteSettings, factorySettings()},
        {std::string(region::KeyTable), command::ReadKeyTable, command::WriteKeyTable, factoryButtonTable()},
        {std::string(region::MacroMemory), kNoCommand, command::WriteMacroMemory,
         std::vector<uint8_t>(kMacroMemoryLength, 0)},
        {std::string(region::RecoilMemory), kNoCommand, command::WriteBulk,
         std::vector<uint8_t>(kRecoilMemoryLength, 0)},
    };
}

}  // namespace viremo::emulator::mouse
