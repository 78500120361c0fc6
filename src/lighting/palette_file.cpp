#include "lighting/palette_file.h"

#include "lighting/user_document.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo {

namespace {

constexpr const char* kFileName = "color_option_info.config";

}  // namespace

PaletteFile::PaletteFile(std::filesystem::path userFile, std::filesystem::path factoryFile)
    : userFile_(std::move(userFile)), factoryFile_(std::move(factoryFile)) {}

PaletteFile::PaletteFile() : PaletteFile(folders::applicationData() / kFileName, folders::defaultData() / kFileName) {}

PaletteSwatches PaletteFile::Load(PaletteSwatches swatches) {
    Json::Value document = readUserDocument(userFile_);
    if (document.isNull()) {
        document = json::readFile(factoryFile_);
        if (!document.isNull()) json::writeFile(userFile_, document);
    }
    applyPaletteDocument(document, swatches);
    return swatches;
}

bool PaletteFile::SavePresets(const PaletteSwatches& swatches) {
    return json::writeFile(userFile_, withPresets(readUserDocument(userFile_), swatches));
}

bool PaletteFile::SaveCollected(const PaletteSwatches& swatches) {
    return json::writeFile(userFile_, withCollected(readUserDocument(userFile_), swatches));
}


}  // namespace viremo
