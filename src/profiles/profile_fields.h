#pragma once
// Reading and writing the members of a profile entry. Reads never change
// the document: an absent member, a null or a member of the wrong type reads
// as 0 (or ""), and a number is narrowed to its field by keeping its low
// bits. Writes create the objects and arrays on the way, replacing a value
// of the wrong type that stands in the way.
#include <cstdint>
#include <string>
#include <string_view>

#include <json/value.h>

namespace viremo::fields {

int64_t number(const Json::Value& object, std::string_view key);
inline uint8_t byte(const Json::Value& object, std::string_view key) { return uint8_t(number(object, key)); }
inline uint16_t half(const Json::Value& object, std::string_view key) { return uint16_t(number(object, key)); }
inline int32_t int32(const Json::Value& object, std::string_view key) { return int32_t(uint32_t(number(object, key))); }
// Any non-zero number, or true, is 1.
uint8_t flag(const Json::Value& object, std::string_view key);
std::string text(const Json::Value& object, std::string_view key);

// The object member `key`, or nullptr when absent, null or not an object.
const Json::Value* object(const Json::Value& parent, std::string_view key);
// The array member `key`, or nullptr.
const Json::Value* array(const Json::Value& parent, std::string_view key);
// Element `index` of an array, or nullptr when outside it or null.
const Json::Value* element(const Json::Value* array, int64_t index);

// Writable access. `parent` becomes an object if it is not one.
Json::Value& objectForWrite(Json::Value& parent, std::string_view key);
Json::Value& arrayForWrite(Json::Value& parent, std::string_view key);
// Element `index` of `array` (made an array if needed), grown to reach it.
// The caller keeps `index` within a sane bound.
Json::Value& elementForWrite(Json::Value& array, int index);

void setNumber(Json::Value& parent, std::string_view key, int64_t value);

// A 32-bit word the profile keeps as two 16-bit members, low half first.
inline uint32_t pack(uint16_t low, uint16_t high) { return uint32_t(high) << 16 | low; }
inline uint32_t halves(const Json::Value& object, std::string_view lowKey, std::string_view highKey) {
    return pack(half(object, lowKey), half(object, highKey));
}
inline void setHalves(Json::Value& parent, std::string_view lowKey, std::string_view highKey, uint32_t word) {
    setNumber(parent, lowKey, uint16_t(word));
    setNumber(parent, highKey, uint16_t(word >> 16));
}

}  // namespace viremo::fields
