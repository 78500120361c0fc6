#pragma once
// "Language.config" of the default-data folder: the languages offered, in
// the order the settings window lists them. Only read, never written.
//
//   {"Language": [{"Language_ID": 2052, "Language_name": "zh_CN",
//                  "Language_file": "lan_cn.lang", "Language_text": "language_cn_text"}, ...]}
//
// A language's position in the array is its language index; only its
// "Language_ID" is stored per user.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace viremo::ui {

struct LanguageEntry {
    std::optional<int64_t> id;  // absent when the member is missing or not an integer
    std::string name;           // the active language name while it is chosen
    std::string file;           // language file, relative to the skin folder
    std::string textId;         // identifier of the language's own name
};

// The entries, or nothing when the file is missing or is not a document with
// a "Language" array. Members of the wrong type read as absent or empty; an
// element that is not an object gives an empty entry, so indexes stay put.
std::optional<std::vector<LanguageEntry>> ReadLanguageConfig(const std::filesystem::path& file);

}  // namespace viremo::ui
