#pragma once
// Where the companion's sound comes from: the PipeWire monitor of the
// default output, or a WAV file. A source hands mono samples (-1 to 1) to
// its consumer, on a thread of its own, while started.
#include <functional>
#include <span>

namespace viremo::audio {

class SoundSource {
public:
    using Consumer = std::function<void(std::span<const float>)>;

    virtual ~SoundSource() = default;
    virtual int SampleRate() const = 0;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // Back to the beginning, for a source that has one.
    virtual void Rewind() {}
};

}  // namespace viremo::audio
