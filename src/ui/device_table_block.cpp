#include "ui/device_table_block.h"

#include <array>

#include "devices/device_tables.h"

namespace viremo::ui {

namespace {

constexpr std::array<uint32_t, 4> kProgramVersion = {2, 3, 0, 2};

void PutWord(std::vector<uint8_t>& block, size_t word, uint32_t value) {
    for (size_t byte = 0; byte < 4; ++byte) block[4 * word + byte] = static_cast<uint8_t>(value >> (8 * byte));
}

}  // namespace

std::vector<uint8_t> BuildDeviceTableBlock() {
    std::vector<uint8_t> block(kDeviceTableBlockSize, 0);
    for (size_t i = 0; i < kProgramVersion.size(); ++i) PutWord(block, i, kProgramVersion[i]);
    PutWord(block, 4, devices::kKindCount);
    for (size_t k = 0; k < devices::kDeviceKindTable.size(); ++k) {
        const auto& kind = devices::kDeviceKindTable[k];
        PutWord(block, 5 + 3 * k, kind.vendorId);
        PutWord(block, 6 + 3 * k, kind.productId);
        PutWord(block, 7 + 3 * k, kind.modelId);
    }
    return block;
}

}  // namespace viremo::ui
