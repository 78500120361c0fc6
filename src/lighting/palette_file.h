#pragma once
// The user's "color_option_info.config" in the application data folder.
// Missing or unparsable, it is started again from the factory copy (an
// unparsable one kept as ".bad" first); when neither can be read the swatches
// keep their defaults. Each group is saved on its own, into the file as it
// is on disk at that moment.
#include <filesystem>

#include "lighting/palette_swatches.h"

namespace viremo {

class PaletteFile {
public:
    PaletteFile(std::filesystem::path userFile, std::filesystem::path factoryFile);
    // The files of the data folders.
    PaletteFile();

    // `swatches` with what the file holds applied.
    PaletteSwatches Load(PaletteSwatches swatches = {});
    bool SavePresets(const PaletteSwatches& swatches);
    bool SaveCollected(const PaletteSwatches& swatches);

private:
    std::filesystem::path userFile_;
    std::filesystem::path factoryFile_;
};

}  // namespace viremo
