#include "platform/settings_store.h"

#include <json/reader.h>
#include <json/value.h>
#include <json/writer.h>

#include <exception>
#include <memory>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/folders.h"
#include "platform/log.h"

namespace viremo {

namespace {

constexpr std::string_view kFileName = "settings.json";

// The settings object, or nothing when the text is not a JSON object. The
// reader throws on nesting deeper than its stack limit.
std::optional<Json::Value> parseObject(const std::string& text) {
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &root, &errors) || !root.isObject())
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return root;
}

const Json::Value* member(const Json::Value& root, std::string_view key) {
    return root.find(key.data(), key.data() + key.size());
}

}  // namespace

SettingsStore::SettingsStore() : file_(folders::settings() / kFileName) {}

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

bool SettingsStore::exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(file_, error);
}

Json::Value SettingsStore::read() const {
    const auto text = readWholeFile(file_);
    if (!text) return Json::Value(Json::objectValue);
    if (auto root = parseObject(*text)) return *root;
    log::linef("settings file %s is not a JSON object; kept as .bad", file_.string().c_str());
    keepAsBad(file_);
    return Json::Value(Json::objectValue);
}

std::optional<int64_t> SettingsStore::integer(std::string_view key) const {
    const Json::Value root = read();
    const Json::Value* value = member(root, key);
    if (!value || !value->isInt64()) return std::nullopt;
    return value->asInt64();
}

std::optional<std::string> SettingsStore::text(std::string_view key) const {
    const Json::Value root = read();
    const Json::Value* value = member(root, key);
    if (!value || !value->isString()) return std::nullopt;
    return value->asString();
}

bool SettingsStore::setInteger(std::string_view key, int64_t value) {
    return write(key, Json::Value(Json::Int64(value)));
}

bool SettingsStore::setText(std::string_view key, std::string_view value) {
    return write(key, Json::Value(std::string(value)));
}

bool SettingsStore::write(std::string_view key, const Json::Value& value) {
    Json::Value root = read();
    root[std::string(key)] = value;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    return writeFileAtomically(file_, Json::writeString(builder, root) + "\n");
}

}  // namespace viremo
