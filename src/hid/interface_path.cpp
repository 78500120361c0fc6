#include "hid/interface_path.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "hid/hid_device.h"

namespace viremo::hid {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

bool equalsIgnoringCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::string interfacePath(std::string_view node, uint16_t vendorId, uint16_t productId, uint8_t interfaceNumber,
                          uint8_t collectionNumber) {
    char ids[64];
    std::snprintf(ids, sizeof ids, "#vid_%04x&pid_%04x&mi_%02x", vendorId, productId, interfaceNumber);
    std::string path = std::string(node) + ids;
    if (collectionNumber != 0) {
        std::snprintf(ids, sizeof ids, "&col%02x", collectionNumber);
        path += ids;
    }
    return path;
}

std::string collectionPath(std::string_view node, uint16_t vendorId, uint16_t productId, uint8_t interfaceNumber,
                           size_t collectionCount, uint8_t number) {
    return interfacePath(node, vendorId, productId, interfaceNumber, collectionCount > 1 ? number : 0);
}

std::string_view nodeOfPath(std::string_view path) { return path.substr(0, path.find('#')); }

uint32_t hexNumberAfter(std::string_view path, std::string_view key) {
    const auto found = std::search(path.begin(), path.end(), key.begin(), key.end(), equalsIgnoringCase);
    if (found == path.end()) return 0;
    uint64_t value = 0;
    for (auto it = found + key.size(); it != path.end() && hexDigit(*it) >= 0; ++it)
        value = std::min<uint64_t>(value * 16 + hexDigit(*it), UINT32_MAX);
    return static_cast<uint32_t>(value);
}

uint32_t VendorIdFromPath(const std::string& path) { return hexNumberAfter(path, "vid_"); }
uint32_t ProductIdFromPath(const std::string& path) { return hexNumberAfter(path, "pid_"); }
uint32_t InterfaceNumberFromPath(const std::string& path) { return hexNumberAfter(path, "&mi_"); }
uint32_t CollectionNumberFromPath(const std::string& path) { return hexNumberAfter(path, "&col"); }

}  // namespace viremo::hid
