#include "ui/localisation_config.h"

#include "profiles/json_file.h"

namespace viremo::ui {

std::optional<std::vector<LanguageEntry>> ReadLanguageConfig(const std::filesystem::path& file) {
    const json::Document document = json::readDocument(file);
    if (document.state != json::FileState::Read) return std::nullopt;
    const Json::Value* languages = json::arrayMember(document.root, "Language");
    if (!languages) return std::nullopt;

    std::vector<LanguageEntry> entries;
    for (const Json::Value& element : *languages) {
        LanguageEntry entry;
        entry.id = json::intMember(element, "Language_ID");
        entry.name = json::stringMember(element, "Language_name").value_or("");
        entry.file = json::stringMember(element, "Language_file").value_or("");
        entry.textId = json::stringMember(element, "Language_text").value_or("");
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace viremo::ui
