#pragma once
// The language layer: a table from text identifiers to the texts of one
// language. Language files are UTF-8 lines "identifier=text"; blank lines and
// lines starting with '#' are skipped; "\n", "\t" and "\\" in a text stand
// for a line break, a tab and a backslash, and "\=" for an '=' that belongs to
// the identifier (as in "keyboard_key_\==="). An unknown identifier translates
// to itself.
//
// Loading a language tells every listener (each paint manager re-translates
// its controls in text-id mode).
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace viremo::toolkit {

class CLanguage {
public:
    // Replaces the table with the file's; false (table unchanged) when the
    // file cannot be read. Lines without '=' are logged and skipped.
    bool Load(const std::filesystem::path& file);
    void LoadText(std::string_view text, std::string_view origin = "text");
    void Clear();

    std::string Translate(std::string_view id) const;
    bool Contains(std::string_view id) const;
    std::size_t Size() const { return m_texts.size(); }

    int AddListener(std::function<void()> listener);
    void RemoveListener(int id);

private:
    void Changed();

    std::unordered_map<std::string, std::string> m_texts;
    std::map<int, std::function<void()>> m_listeners;
    int m_nextListener = 1;
};

// The program's language layer (UI thread only).
CLanguage& Language();

}  // namespace viremo::toolkit
