#pragma once
// Where the effects take their random numbers from, so that tests can give
// them a fixed sequence.
#include <cstdint>
#include <random>

namespace viremo::devices {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual uint32_t next() = 0;
};

// A pseudo-random sequence seeded from the system.
class SystemRandom : public RandomSource {
public:
    SystemRandom();
    uint32_t next() override;

private:
    std::minstd_rand engine_;
};

}  // namespace viremo::devices
