#include "macros/macro_config.h"

#include "macros/text.h"
#include "platform/file_name.h"

namespace viremo {

MacroConfig parseMacroConfig(const json::Document& document) {
    MacroConfig config;
    config.state = document.state;
    config.problem = document.problem;
    if (document.state != json::FileState::Read) return config;
    if (!document.root.isObject()) {
        config.state = json::FileState::Broken;
        config.problem = "macro.config: not a macro list";
        return config;
    }
    config.root = document.root;
    const Json::Value* list = json::member(config.root, "MacroInfo");
    if (!list || list->isNull()) return config;
    if (!list->isArray()) {
        config.state = json::FileState::Broken;
        config.root = Json::Value(Json::objectValue);
        config.problem = "macro.config: \"MacroInfo\" is not a list";
        return config;
    }
    for (const Json::Value& entry : *list) {
        config.entries.push_back({json::stringMember(entry, "MacroName").value_or(""),
                                  json::stringMember(entry, "Guid").value_or("")});
    }
    return config;
}

MacroConfig readMacroConfig(const std::filesystem::path& folder) {
    MacroConfig config = parseMacroConfig(json::readDocument(folder / kMacroConfigName));
    if (config.problem.starts_with(kMacroConfigName)) config.problem = (folder / config.problem).string();
    return config;
}

std::optional<int> readableMacroCount(const std::filesystem::path& folder) {
    const MacroConfig config = readMacroConfig(folder);
    if (config.state == json::FileState::Broken) return std::nullopt;
    return static_cast<int>(config.entries.size());
}

bool writeMacroConfig(const std::filesystem::path& folder, const Json::Value& root) {
    return json::writeFile(folder / kMacroConfigName, root);
}

std::vector<std::string> macroNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (auto& entry : readMacroConfig(folder).entries) names.push_back(std::move(entry.name));
    return names;
}

std::optional<std::filesystem::path> macroEventFile(const std::filesystem::path& folder, const std::string& guid) {
    if (!isPlainFileName(guid)) return std::nullopt;
    return folder / (guid + std::string(kMacroFileExtension));
}

}  // namespace viremo
