#include "platform/audio_chip/audio_chip.h"

namespace viremo::audio_chip {

const char* statusText(Status status) {
    switch (status) {
    case Status::Ok: return "ok";
    case Status::Failed: return "failed";
    case Status::NotSupported: return "not supported";
    case Status::NoDevice: return "no device";
    }
    return "unknown";
}

}  // namespace viremo::audio_chip
