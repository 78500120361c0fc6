#pragma once
// The user's settings: one JSON object in "settings.json" of the settings
// folder, a member per setting ("LANGUAGE", the update service's URL, ...).
// Several parts of the program keep their own members in it, so a write
// reads the file again and replaces only the member it sets. Members are read
// with their type checked: one of the wrong type counts as absent. A file
// that cannot be parsed is kept as "settings.json.bad" and read as empty.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Json {
class Value;
}

namespace viremo {

class SettingsStore {
public:
    // The default file is folders::settings() / "settings.json".
    SettingsStore();
    explicit SettingsStore(std::filesystem::path file);

    const std::filesystem::path& file() const { return file_; }

    // False when there is no settings file yet.
    bool exists() const;

    std::optional<int64_t> integer(std::string_view key) const;
    std::optional<std::string> text(std::string_view key) const;

    // Write the file whole (created when missing); false when it cannot be
    // written.
    bool setInteger(std::string_view key, int64_t value);
    bool setText(std::string_view key, std::string_view value);

private:
    Json::Value read() const;
    bool write(std::string_view key, const Json::Value& value);

    std::filesystem::path file_;
};

}  // namespace viremo
