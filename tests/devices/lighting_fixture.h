#pragma once
// Shared pieces of the lighting engine tests: a lighting state built field by
// field, and a random source that always says the same.
#include <cstdint>

#include "devices/lighting/light_colours.h"
#include "devices/lighting/random_source.h"
#include "profiles/profile_records.h"

namespace viremo::devices::testing {

inline LightRecord lighting(uint8_t mode, uint8_t direction, bool multiColour, uint8_t brightness = 4,
                            uint8_t speed = 4) {
    LightRecord record;
    record.mode = mode;
    record.brightness = brightness;
    record.speed = speed;
    record.direction = direction;
    record.multiColor = multiColour ? 1 : 0;
    record.red = 10;
    record.green = 20;
    record.blue = 30;
    return record;
}

class FixedRandom : public RandomSource {
public:
    explicit FixedRandom(uint32_t value) : value_(value) {}
    uint32_t next() override { return value_; }

private:
    uint32_t value_;
};

// Light colours of `count` lights, all zero.
struct Lights : LightColours {
    explicit Lights(int count) { SetCount(count); }
};

}  // namespace viremo::devices::testing
