#include "macros/macro_image.h"

#include "macros/macro_config.h"
#include "macros/macro_library.h"

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

namespace {

struct LoadedBlocks {
    std::vector<EventBlock> blocks;
    std::string problem;
};

LoadedBlocks readBlocks(const std::filesystem::path& deviceFolder, const MacroConfig& config,
                        const std::vector<int>& used) {
    if (config.state == json::FileState::Broken) return {{}, config.problem};
    LoadedBlocks loaded;
    for (const int number : used) {
        json::Document document;
        if (number >= 0 && static_cast<size_t>(number) < config.entries.size()) {
            if (const auto file = macroEventFile(deviceFolder, config.entries[static_cast<size_t>(number)].guid)) {
                document = json::readDocument(*file);
                if (document.state == json::FileState::Read && !isMacroFileDocument(document.root))
                    return {{}, file->string() + ": not a macro file"};
            }
        }
        if (document.state == json::FileState::Broken) return {{}, document.problem};
        loaded.blocks.push_back(packEvents(document.root));
    }
    return loaded;
}

}  // namespace

std::optional<std::vector<EventBlock>> loadMacroBlocks(const std::filesystem::path& deviceFolder,
                                                       const std::vector<int>& used) {
    const MacroConfig config = readMacroConfig(deviceFolder);
    if (config.state != json::FileState::Read) return std::nullopt;
    LoadedBlocks loaded = readBlocks(deviceFolder, config, used);
    if (!loaded.problem.empty()) return std::nullopt;
    return std::move(loaded.blocks);
}

std::optional<std::string> macroFilesProblem(const std::filesystem::path& deviceFolder, const std::vector<int>& used) {
    LoadedBlocks loaded = readBlocks(deviceFolder, readMacroConfig(deviceFolder), used);
    if (loaded.problem.empty()) return std::nullopt;
    return loaded.problem;
}

}  // namespace viremo
