// The built viremo-audio, run as the program runs it, talked to through the
// program's link.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <thread>

#include "lighting/audio_companion_link.h"
#include "platform/atomic_file.h"
#include "scratch_folder.h"
#include "wav_writer.h"

namespace viremo {
namespace {

using namespace std::chrono_literals;

// viremo-audio in its own process, with the scratch folder as its runtime
// folder (and PipeWire's, so no real server is ever reached).
class CompanionProcess {
public:
    CompanionProcess(const testing::ScratchFolder& folder, const std::vector<std::string>& arguments)
        : output_(folder / "output.txt") {
        pid_ = ::fork();
        if (pid_ == 0) {
            const int out = ::open(output_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(out, 2);
            ::setenv("XDG_RUNTIME_DIR", folder.path().c_str(), 1);
            ::setenv("PIPEWIRE_RUNTIME_DIR", folder.path().c_str(), 1);
            ::unsetenv("PIPEWIRE_REMOTE");
            std::vector<char*> argv{const_cast<char*>(VIREMO_AUDIO)};
            for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(VIREMO_AUDIO, argv.data());
            ::_exit(127);
        }
    }
    ~CompanionProcess() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // The exit code, or -1 when it does not end within 5 s.
    int exitCode() {
        for (auto waited = 0ms; waited < 5s; waited += 10ms) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }
    std::string output() const { return readWholeFile(output_).value_or(""); }

private:
    std::filesystem::path output_;
    pid_t pid_ = -1;
    bool exited_ = false;
};

TEST(ViremoAudio, FeedsAToneFromAFileThroughTheSocketAndQuitsWhenTold) {
    testing::ScratchFolder folder;
    // 1 kHz at half scale, 0.25 s at 48 kHz: 24 blocks.
    const auto wav = folder.put("tone.wav", testing::toneFile(1000, 0.5, 48000, 12000));
    CompanionProcess companion(folder, {"--input", wav.string()});

    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<BandLevels> levels;
    std::vector<companion::BandBlock> bands;
    AudioCompanionLink link({[&](const BandLevels& l) {
                                 std::lock_guard lock(mutex);
                                 levels.push_back(l);
                                 arrived.notify_all();
                             },
                             [&](const companion::BandBlock& b) {
                                 std::lock_guard lock(mutex);
                                 bands.push_back(b);
                                 arrived.notify_all();
                             }},
                            folder / "VIREMO VR-TKLAudioRecord");
    for (auto waited = 0ms; !link.Connect() && waited < 5s; waited += 20ms) std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(link.IsConnected()) << companion.output();

    {
        std::unique_lock lock(mutex);
        arrived.wait_for(lock, 5s, [&] { return levels.size() >= 8 && bands.size() >= 24; });  // all 24 blocks
        ASSERT_EQ(levels.size(), 8u);
        ASSERT_EQ(bands.size(), 24u);
        // 500 samples are 10 5/12 turns of the tone, so each position meets
        // itself 150 degrees on: |difference| = 2 * 16384 * sin 75 * |cos|,
        // 20150 on average over a turn; with a twentieth of the mean before
        // carried in, the levels settle at 20150 * 20 / 19 = 21210 on average.
        for (const auto& handed : std::span(levels).subspan(1)) {
            EXPECT_THAT(handed, ::testing::Each(::testing::AllOf(::testing::Ge(15000), ::testing::Le(27000))));
            EXPECT_NEAR(std::accumulate(handed.begin(), handed.end(), 0.0) / 25, 21210, 21210 * 0.03);
        }
        // The band of 500-2000 Hz is loudest, about -6 dB: 230.
        EXPECT_THAT(bands[5][2], ::testing::AllOf(::testing::Ge(215), ::testing::Le(245)));
        for (const size_t other : {0u, 1u, 3u, 4u, 5u}) EXPECT_LT(bands[5][other], bands[5][2]);
    }

    link.Disconnect();  // commands 2, 4 and 5
    EXPECT_EQ(companion.exitCode(), 0) << companion.output();
    EXPECT_FALSE(std::filesystem::exists(folder / "VIREMO VR-TKLAudioRecord"));
}

TEST(ViremoAudio, WithoutPipeWireSaysSoAndExits1) {
    testing::ScratchFolder folder;
    CompanionProcess companion(folder, {});
    EXPECT_EQ(companion.exitCode(), 1);
    EXPECT_THAT(companion.output(), ::testing::HasSubstr("viremo-audio: no PipeWire server reachable"));
}

}  // namespace
}  // namespace viremo
