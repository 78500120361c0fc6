#include "ui/skin_choice_file.h"

#include <string>

#include "platform/atomic_file.h"

namespace viremo::ui {

bool WriteSkinChoice(const std::filesystem::path& folder, bool stockImage, std::string_view image) {
    std::string content = "[SKINIMAGE]\n";
    content += stockImage ? "FLAGS=1\n" : "FLAGS=0\n";
    content += "IMAGE=" + std::string(image) + "\n";
    return writeFileAtomically(folder / kSkinChoiceFileName, content);
}

}  // namespace viremo::ui
