#pragma once
// The current colour of every light of a device: red, green, blue and level.
// A lighting thread writes them while the user-interface thread reads them
// for the light frame and the picture, so each colour is one atomic word.
#include <array>
#include <atomic>
#include <cstdint>

namespace viremo::devices {

inline constexpr int kMaxLights = 170;

struct LightColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t level = 0;
    bool operator==(const LightColour&) const = default;
};

class LightColours {
public:
    // Lights beyond kMaxLights are not kept.
    void SetCount(int count);
    int Count() const { return count_; }

    // Out-of-range lights are ignored on writing and read as all zero.
    void Set(int light, LightColour colour);
    LightColour Get(int light) const;
    void SetAll(LightColour colour);

private:
    static uint32_t pack(LightColour colour);
    static LightColour unpack(uint32_t word);

    std::atomic<int> count_{0};
    std::array<std::atomic<uint32_t>, kMaxLights> words_{};
};

}  // namespace viremo::devices
