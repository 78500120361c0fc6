#pragma once
// Plays a WAV file's sound to the consumer at the pace it would be heard,
// 500 samples at a time; at its end it falls silent, or starts over when
// looping.
#include <atomic>
#include <thread>

#include "sound_source.h"
#include "wav_file.h"

namespace viremo::audio {

class WavPlayback : public SoundSource {
public:
    WavPlayback(WavSound sound, bool loop, Consumer consumer);
    ~WavPlayback() override { Stop(); }

    int SampleRate() const override { return sound_.sampleRate; }
    void Start() override;
    void Stop() override { player_ = std::jthread(); }
    void Rewind() override { position_ = 0; }

private:
    void Play(std::stop_token stop);

    WavSound sound_;
    bool loop_;
    Consumer consumer_;
    std::atomic<size_t> position_{0};
    std::jthread player_;
};

}  // namespace viremo::audio
