#pragma once
// Names of new profile and macro files: the local time of creation to the
// millisecond, "2024_03_09_14_05_07_042". A string everywhere, never parsed.
#include <string>

#include "platform/clock.h"

namespace viremo {

std::string timeStampIdentifier(const Clock& clock);
std::string timeStampIdentifier(Clock::Wall time);

}  // namespace viremo
