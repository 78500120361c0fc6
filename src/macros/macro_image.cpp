#include "macros/macro_image.h"

#include "macros/macro_config.h"

namespace viremo {

MacroImage buildMacroImage(std::span<const EventBlock> macros, size_t capacity) {
    const size_t size = eventImageSize(macros);
    if (size > capacity) {
        const size_t over = (size - capacity) / 4 + 1;
        return {over > INT32_MAX ? INT32_MAX : static_cast<int>(over), {}};
    }
    // Device capacities (at most 128 x 255 bytes) always fit the 16-bit size
    // field; a larger capacity passed in is held to that field.
    auto image = buildEventImage(macros);
    if (!image) return {static_cast<int>((size - 0xFFFF) / 4 + 1), {}};
    return {0, std::move(*image)};
}

std::optional<std::vector<EventBlock>> loadMacroBlocks(const std::filesystem::path& deviceFolder,
                                                       const std::vector<int>& used) {
    const MacroConfig config = readMacroConfig(deviceFolder);
    if (config.state != json::FileState::Read) return std::nullopt;
    std::vector<EventBlock> blocks;
    for (const int number : used) {
        EventBlock block;
        if (number >= 0 && static_cast<size_t>(number) < config.entries.size()) {
            if (const auto file = macroEventFile(deviceFolder, config.entries[static_cast<size_t>(number)].guid))
                block = packEvents(json::readFile(*file));
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

}  // namespace viremo
