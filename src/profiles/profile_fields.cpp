#include "profiles/profile_fields.h"

#include "profiles/json_file.h"

namespace viremo::fields {

int64_t number(const Json::Value& object, std::string_view key) {
    return json::intMember(object, key).value_or(0);
}

uint8_t flag(const Json::Value& object, std::string_view key) {
    if (json::boolMember(object, key).value_or(false)) return 1;
    return number(object, key) != 0 ? 1 : 0;
}

std::string text(const Json::Value& object, std::string_view key) {
    return json::stringMember(object, key).value_or("");
}

const Json::Value* object(const Json::Value& parent, std::string_view key) {
    return json::objectMember(parent, key);
}

const Json::Value* array(const Json::Value& parent, std::string_view key) {
    return json::arrayMember(parent, key);
}

const Json::Value* element(const Json::Value* array, int64_t index) {
    if (!array || !array->isArray() || index < 0 || index >= int64_t(array->size())) return nullptr;
    const Json::Value& value = (*array)[Json::ArrayIndex(index)];
    return value.isNull() ? nullptr : &value;
}

namespace {

Json::Value& member(Json::Value& parent, std::string_view key, Json::ValueType type) {
    if (!parent.isObject()) parent = Json::Value(Json::objectValue);
    Json::Value& value = parent[std::string(key)];
    if (value.type() != type) value = Json::Value(type);
    return value;
}

}  // namespace

Json::Value& objectForWrite(Json::Value& parent, std::string_view key) {
    return member(parent, key, Json::objectValue);
}

Json::Value& arrayForWrite(Json::Value& parent, std::string_view key) {
    return member(parent, key, Json::arrayValue);
}

Json::Value& elementForWrite(Json::Value& array, int index) {
    if (!array.isArray()) array = Json::Value(Json::arrayValue);
    return array[Json::ArrayIndex(index)];
}

void setNumber(Json::Value& parent, std::string_view key, int64_t value) {
    if (!parent.isObject()) parent = Json::Value(Json::objectValue);
    parent[std::string(key)] = Json::Value(Json::Int64(value));
}

}  // namespace viremo::fields
