#include "macros/event_image.h"

#include "profiles/json_file.h"

namespace viremo {
namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kBlockHeaderSize = 4;
constexpr size_t kEventSize = 4;
constexpr size_t kMaxImageSize = 0xFFFF;

void put16(std::vector<uint8_t>& image, size_t at, size_t value) {
    image[at] = static_cast<uint8_t>(value & 0xFF);
    image[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

size_t eventImageSize(std::span<const EventBlock> blocks) {
    size_t size = kHeaderSize + 2 * blocks.size();
    for (const auto& block : blocks) size += kBlockHeaderSize + kEventSize * block.size();
    return size;
}

std::optional<std::vector<uint8_t>> buildEventImage(std::span<const EventBlock> blocks) {
    const size_t size = eventImageSize(blocks);
    if (size > kMaxImageSize) return std::nullopt;
    std::vector<uint8_t> image(size, 0);
    put16(image, 0, kImageMagic);
    put16(image, 2, size);
    put16(image, 4, blocks.size());
    size_t at = kHeaderSize + 2 * blocks.size();
    for (size_t i = 0; i < blocks.size(); ++i) {
        put16(image, kHeaderSize + 2 * i, at);
        put16(image, at, blocks[i].size());
        at += kBlockHeaderSize;
        for (const auto& event : blocks[i]) {
            for (size_t b = 0; b < kEventSize; ++b) image[at + b] = event[b];
            at += kEventSize;
        }
    }
    return image;
}

EventBlock packEvents(const Json::Value& document) {
    EventBlock block;
    if (const Json::Value* events = json::arrayMember(document, "Events"))
        for (const Json::Value& event : *events) block.push_back(packMacroEvent(event));
    return block;
}

}  // namespace viremo
