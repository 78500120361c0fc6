#include "profiles/json_file.h"

#include <cerrno>
#include <cmath>
#include <memory>

#include <json/reader.h>
#include <json/writer.h>

#include "platform/atomic_file.h"
#include "platform/bounded_file.h"
#include "platform/log.h"

namespace viremo::json {

std::optional<Json::Value> parse(std::string_view text) {
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["collectComments"] = false;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &root, &errors)) return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return root;
}

Document readDocument(const std::filesystem::path& file) {
    CappedFile read = ReadFileCapped(file, kJsonFileCap);
    log::linef("readjsonFile 错误吗：：%d\n", read.state == CappedFile::State::Absent ? ENOENT : 0);
    if (read.state == CappedFile::State::Absent) return {FileState::Absent, Json::Value(), read.reason};
    if (!read.read()) return {FileState::Broken, Json::Value(), read.reason};
    std::string& text = read.text;
    // The text ends at its first zero byte, as the files have always been read.
    if (const auto zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
    if (text.empty()) {
        log::line(file.string());
        return {FileState::Broken, Json::Value(), file.string() + ": empty"};
    }
    auto root = parse(text);
    if (!root) return {FileState::Broken, Json::Value(), file.string() + ": not JSON"};
    return {FileState::Read, std::move(*root), {}};
}

Json::Value readFile(const std::filesystem::path& file) { return readDocument(file).root; }

std::string styledText(const Json::Value& root) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, root) + "\n";
}

bool writeFile(const std::filesystem::path& file, const Json::Value& root) {
    // Nothing is written that the readers would refuse.
    const std::string text = styledText(root);
    return text.size() <= kJsonFileCap && writeFileAtomically(file, text);
}

const Json::Value* member(const Json::Value& object, std::string_view key) {
    if (!object.isObject()) return nullptr;
    return object.find(key.data(), key.data() + key.size());
}

std::optional<int64_t> asInt(const Json::Value& value) {
    if (value.isInt64()) return value.asInt64();
    if (value.isUInt64()) return static_cast<int64_t>(value.asUInt64());
    if (value.isDouble()) {
        const double number = value.asDouble();
        if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 9.2e18)
            return static_cast<int64_t>(number);
    }
    return std::nullopt;
}

std::optional<int64_t> intMember(const Json::Value& object, std::string_view key) {
    const Json::Value* value = member(object, key);
    return value ? asInt(*value) : std::nullopt;
}

std::optional<std::string> stringMember(const Json::Value& object, std::string_view key) {
    const Json::Value* value = member(object, key);
    if (!value || !value->isString()) return std::nullopt;
    return value->asString();
}

std::optional<bool> boolMember(const Json::Value& object, std::string_view key) {
    const Json::Value* value = member(object, key);
    if (!value || !value->isBool()) return std::nullopt;
    return value->asBool();
}

const Json::Value* arrayMember(const Json::Value& object, std::string_view key) {
    const Json::Value* value = member(object, key);
    return value && value->isArray() ? value : nullptr;
}

const Json::Value* objectMember(const Json::Value& object, std::string_view key) {
    const Json::Value* value = member(object, key);
    return value && value->isObject() ? value : nullptr;
}

}  // namespace viremo::json
