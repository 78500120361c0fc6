#pragma once
// Interface paths, as both backends name their interfaces:
//   <node>#vid_VVVV&pid_PPPP&mi_II[&colCC]
// lower-case hexadecimal; "&colCC" only when the USB interface has more than
// one top-level collection, numbered from 01 in descriptor order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace viremo::hid {

std::string interfacePath(std::string_view node, uint16_t vendorId, uint16_t productId, uint8_t interfaceNumber,
                          uint8_t collectionNumber /* 0: the only collection */);

// The path of collection `number` of an interface that has
// `collectionCount` top-level collections.
std::string collectionPath(std::string_view node, uint16_t vendorId, uint16_t productId, uint8_t interfaceNumber,
                           size_t collectionCount, uint8_t number);

// The node part of a path (before '#').
std::string_view nodeOfPath(std::string_view path);

// The hexadecimal number that follows `key` (found without regard to case);
// 0 when the key is absent, saturated when too long to fit.
uint32_t hexNumberAfter(std::string_view path, std::string_view key);

}  // namespace viremo::hid
