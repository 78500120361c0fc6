// viremo-audio: the audio companion of viremo. Measures what the computer
// plays (the PipeWire monitor of the default output) or a WAV file, and sends
// the program sample and band blocks over the companion socket.
#include <signal.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "companion.h"
#include "lighting/companion_protocol.h"
#include "pipewire_capture.h"
#include "platform/log.h"
#include "wav_playback.h"

namespace {

using namespace viremo;

constexpr const char* kUsage =
    "usage: viremo-audio [--input FILE.wav [--loop]] [--debug]\n"
    "  --input FILE.wav  measure a WAV file instead of what the computer plays\n"
    "  --loop            start the file over at its end\n"
    "  --debug           print the debug log on stderr\n";

struct Options {
    std::string input;
    bool loop = false;
    bool debug = false;
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--input" && i + 1 < argc) {
            options.input = argv[++i];
        } else if (argument == "--loop") {
            options.loop = true;
        } else if (argument == "--debug") {
            options.debug = true;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

int fail(const std::string& reason) {
    std::fprintf(stderr, "viremo-audio: %s\n", reason.c_str());
    return 1;
}

// SIGINT and SIGTERM end the companion as command 5 does; they are blocked
// in every thread and taken here.
std::jthread quitOnSignals(audio::Companion& companion, const sigset_t& signals) {
    return std::jthread([&companion, signals](std::stop_token stop) {
        const timespec wait{0, 50'000'000};
        while (!stop.stop_requested()) {
            if (::sigtimedwait(&signals, nullptr, &wait) > 0) {
                companion.Quit();
                return;
            }
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (options->debug) log::toStderr();

    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::optional<audio::WavSound> sound;
    if (!options->input.empty()) {
        auto reading = audio::readWav(options->input);
        if (!reading.sound) return fail(reading.error);
        sound = std::move(reading.sound);
    }

    audio::Companion companion;
    std::string error;
    const bool haveSound = companion.UseSource([&](audio::SoundSource::Consumer consumer) -> std::unique_ptr<audio::SoundSource> {
        if (sound) return std::make_unique<audio::WavPlayback>(std::move(*sound), options->loop, std::move(consumer));
        return audio::PipeWireCapture::Open(std::move(consumer), error);
    });
    if (!haveSound) return fail(error);

    const auto socket = companion::socketPath();
    if (socket.empty()) return fail("XDG_RUNTIME_DIR is not set (or too long for a socket)");
    if (!companion.Listen(socket)) return fail("cannot listen on " + socket.string() + ": another companion is running there");

    log::linef("viremo-audio: listening on %s", socket.c_str());
    auto signalWatch = quitOnSignals(companion, signals);
    companion.Run();
    return 0;
}
