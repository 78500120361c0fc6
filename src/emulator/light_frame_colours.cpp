#include "emulator/light_frame_colours.h"

namespace viremo::emulator {

std::ostream& operator<<(std::ostream& out, const FrameColour& colour) {
    return out << "(" << int(colour.red) << ", " << int(colour.green) << ", " << int(colour.blue) << ")";
}

std::vector<FrameColour> decodeLightFrame(std::span<const uint8_t> frame, size_t lights) {
    std::vector<FrameColour> colours;
    for (size_t light = 0; light < lights && 3 * light + 3 <= frame.size(); ++light)
        colours.push_back({frame[3 * light], frame[3 * light + 1], frame[3 * light + 2]});
    return colours;
}

}  // namespace viremo::emulator
