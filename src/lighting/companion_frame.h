#pragma once
// Frames of the companion socket. Every frame is a 12-byte header of three
// little-endian 32-bit words, then its body:
//
//   type    1 command, 2 data block
//   code    command: the command number (wParam); data: the data kind
//   length  bytes of body that follow, at most kMaxFrameBody
//   body    command: the argument (lParam) as a signed 64-bit number
//           data: the block
//
// A stream whose header announces a larger body, or a type other than these
// two, cannot be resynchronised: the reader reports it broken and the
// connection is closed.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace viremo::companion {

enum class FrameType : uint32_t { Command = 1, Data = 2 };

inline constexpr size_t kFrameHeaderSize = 12;
inline constexpr size_t kMaxFrameBody = 64 * 1024;
inline constexpr size_t kCommandBodySize = 8;

struct Frame {
    FrameType type = FrameType::Command;
    uint32_t code = 0;
    std::vector<uint8_t> body;
};

std::vector<uint8_t> commandFrame(uint32_t command, int64_t argument);
std::vector<uint8_t> dataFrame(uint32_t kind, std::span<const uint8_t> block);

// The argument of a command frame; nothing when its body is not 8 bytes.
std::optional<int64_t> commandArgument(const Frame& frame);

// Cuts a byte stream into frames.
class FrameReader {
public:
    void feed(std::span<const uint8_t> bytes);
    // The next whole frame, if one has arrived.
    std::optional<Frame> next();
    bool broken() const { return broken_; }

private:
    std::deque<uint8_t> pending_;
    bool broken_ = false;
};

}  // namespace viremo::companion
