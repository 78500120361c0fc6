#include "wav_playback.h"

#include <algorithm>

#include "lighting/companion_protocol.h"
#include "platform/clock.h"
#include "platform/stoppable_sleep.h"

namespace viremo::audio {

WavPlayback::WavPlayback(WavSound sound, bool loop, Consumer consumer)
    : sound_(std::move(sound)), loop_(loop), consumer_(std::move(consumer)) {}

void WavPlayback::Start() {
    if (!player_.joinable()) player_ = std::jthread([this](std::stop_token stop) { Play(stop); });
}

void WavPlayback::Play(std::stop_token stop) {
    const Clock& clock = systemClock();
    const auto blockTime = std::chrono::duration_cast<Clock::Monotonic::duration>(
        std::chrono::duration<double>(double(companion::kSampleCount) / sound_.sampleRate));
    auto due = clock.now();
    while (!stop.stop_requested()) {
        size_t seen = position_;
        size_t position = seen;
        if (position >= sound_.mono.size()) {
            if (!loop_ || sound_.mono.empty()) return;
            position = 0;
        }
        const size_t count = std::min(companion::kSampleCount, sound_.mono.size() - position);
        consumer_(std::span(sound_.mono).subspan(position, count));
        position_.compare_exchange_strong(seen, position + count);  // unless rewound meanwhile
        due += blockTime;
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - clock.now());
        if (wait.count() > 0 && !sleepFor(stop, wait)) return;
    }
}

}  // namespace viremo::audio
