#include "devices/lighting/random_source.h"

namespace viremo::devices {

SystemRandom::SystemRandom() : engine_(std::random_device{}()) {}

uint32_t SystemRandom::next() { return uint32_t(engine_()); }

}  // namespace viremo::devices
