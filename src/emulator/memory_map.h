#pragma once
// The onboard memory of a product as named regions, each reached by a read
// command, a write command or both. Addresses are offsets into one region; an
// access that does not lie wholly inside its region is refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace viremo::emulator {

inline constexpr uint8_t kNoCommand = 0;

struct MemoryRegion {
    std::string name;
    uint8_t readCommand = kNoCommand;
    uint8_t writeCommand = kNoCommand;
    std::vector<uint8_t> bytes;  // initial content; its size is the region's size
};

class MemoryMap {
public:
    MemoryMap() = default;
    explicit MemoryMap(std::vector<MemoryRegion> regions);

    const MemoryRegion* find(std::string_view name) const;

    // Nullopt when the region is unknown or the range leaves it.
    std::optional<std::vector<uint8_t>> read(std::string_view name, size_t address, size_t length) const;
    // False (and nothing written) when the region is unknown or the range leaves it.
    bool write(std::string_view name, size_t address, std::span<const uint8_t> data);

    const std::vector<MemoryRegion>& regions() const { return regions_; }

private:
    MemoryRegion* findMutable(std::string_view name);

    std::vector<MemoryRegion> regions_;
};

}  // namespace viremo::emulator
