#pragma once
// Reading back the light frames the host streams: red, green and blue of
// light i at bytes 3i to 3i + 2, already scaled by the light's level.
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <vector>

namespace viremo::emulator {

struct FrameColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const FrameColour&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FrameColour& colour);

// The colours of the first `lights` lights; lights beyond the frame are left out.
std::vector<FrameColour> decodeLightFrame(std::span<const uint8_t> frame, size_t lights);

}  // namespace viremo::emulator
