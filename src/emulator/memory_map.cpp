#include "emulator/memory_map.h"

#include <algorithm>

namespace viremo::emulator {

namespace {

bool insideRegion(const MemoryRegion& region, size_t address, size_t length) {
    return address <= region.bytes.size() && length <= region.bytes.size() - address;
}

}  // namespace

MemoryMap::MemoryMap(std::vector<MemoryRegion> regions) : regions_(std::move(regions)) {}

const MemoryRegion* MemoryMap::find(std::string_view name) const {
    for (const auto& region : regions_)
        if (region.name == name) return &region;
    return nullptr;
}

MemoryRegion* MemoryMap::findMutable(std::string_view name) {
    for (auto& region : regions_)
        if (region.name == name) return &region;
    return nullptr;
}

std::optional<std::vector<uint8_t>> MemoryMap::read(std::string_view name, size_t address,
                                                    size_t length) const {
    const MemoryRegion* region = find(name);
    if (!region || !insideRegion(*region, address, length)) return std::nullopt;
    const auto first = region->bytes.begin() + std::ptrdiff_t(address);
    return std::vector<uint8_t>(first, first + std::ptrdiff_t(length));
}

bool MemoryMap::write(std::string_view name, size_t address, std::span<const uint8_t> data) {
    MemoryRegion* region = findMutable(name);
    if (!region || !insideRegion(*region, address, data.size())) return false;
    std::copy(data.begin(), data.end(), region->bytes.begin() + std::ptrdiff_t(address));
    return true;
}

}  // namespace viremo::emulator
