#include "lighting/companion_frame.h"

#include <algorithm>
#include <array>

#include "lighting/little_endian.h"

namespace viremo::companion {

namespace {

std::vector<uint8_t> header(FrameType type, uint32_t code, size_t length) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kFrameHeaderSize + length);
    appendU32(bytes, static_cast<uint32_t>(type));
    appendU32(bytes, code);
    appendU32(bytes, static_cast<uint32_t>(length));
    return bytes;
}

}  // namespace

std::vector<uint8_t> commandFrame(uint32_t command, int64_t argument) {
    auto bytes = header(FrameType::Command, command, kCommandBodySize);
    appendU64(bytes, static_cast<uint64_t>(argument));
    return bytes;
}

std::vector<uint8_t> dataFrame(uint32_t kind, std::span<const uint8_t> block) {
    auto bytes = header(FrameType::Data, kind, block.size());
    bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

std::optional<int64_t> commandArgument(const Frame& frame) {
    if (frame.type != FrameType::Command || frame.body.size() != kCommandBodySize) return std::nullopt;
    return static_cast<int64_t>(readU64(frame.body, 0));
}

void FrameReader::feed(std::span<const uint8_t> bytes) {
    if (!broken_) pending_.insert(pending_.end(), bytes.begin(), bytes.end());
}

std::optional<Frame> FrameReader::next() {
    if (broken_ || pending_.size() < kFrameHeaderSize) return std::nullopt;
    std::array<uint8_t, kFrameHeaderSize> head;
    std::copy_n(pending_.begin(), head.size(), head.begin());
    const uint32_t type = readU32(head, 0);
    const uint32_t length = readU32(head, 8);
    if ((type != uint32_t(FrameType::Command) && type != uint32_t(FrameType::Data)) || length > kMaxFrameBody) {
        broken_ = true;
        pending_.clear();
        return std::nullopt;
    }
    if (pending_.size() < kFrameHeaderSize + length) return std::nullopt;
    Frame frame{static_cast<FrameType>(type), readU32(head, 4), {}};
    const auto bodyStart = pending_.begin() + kFrameHeaderSize;
    frame.body.assign(bodyStart, bodyStart + length);
    pending_.erase(pending_.begin(), bodyStart + length);
    return frame;
}

}  // namespace viremo::companion
