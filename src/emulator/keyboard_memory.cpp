#include "emulator/keyboard_memory.h"

#include <string>

#include "emulator/command_codes.h"
#include "emulator/keyboard_key_table.h"
#include "emulator/keyboard_settings.h"
#include "emulator/products.h"

namespace viremo::emulator::keyboard {

std::vector<MemoryRegion> keyboardRegions() {
    return {
        {std::string(region::Settings), command::ReadSettings, command::WriteSettings, factorySettings()},
        {std::string(region::KeyTable), command::ReadKeyTable, command::WriteKeyTable, factoryKeyTable()},
        {std::string(region::KeyAttributes), command::ReadKeyAttributes, kNoCommand, factoryKeyAttributes()},
        {std::string(region::MacroMemory), kNoCommand, command::WriteMacroMemory,
         std::vector<uint8_t>(kMacroMemoryLength, 0)},
        {std::string(region::ColourPages), kNoCommand, command::WriteLightPage,
         std::vector<uint8_t>(kColourPageCount * kColourPageLength, 0)},
    };
}

}  // namespace viremo::emulator::keyboard
