#include "lighting/audio_companion_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <thread>

#include "platform/folders.h"
#include "platform/log.h"

extern char** environ;

namespace viremo {
namespace {

constexpr std::string_view kProgramName = "viremo-audio";
constexpr auto kPollStep = std::chrono::milliseconds(10);

}  // namespace

AudioCompanionProcess::~AudioCompanionProcess() { Stop(); }

std::filesystem::path AudioCompanionProcess::Program() {
    std::error_code error;
    const auto beside = folders::executableFolder() / kProgramName;
    if (std::filesystem::is_regular_file(beside, error)) return beside;
    const std::filesystem::path built = VIREMO_AUDIO_COMPANION_BUILT;
    if (!built.empty() && std::filesystem::is_regular_file(built, error)) return built;
    return kProgramName;
}

bool AudioCompanionProcess::Start(const std::filesystem::path& program) {
    if (IsRunning()) return false;
    exitCode_.reset();
    std::string path = program.string();
    char* argv[] = {path.data(), nullptr};
    pid_t pid = -1;
    if (::posix_spawnp(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        log::linef("the audio companion %s cannot be started", path.c_str());
        return false;
    }
    pid_ = pid;
    return true;
}

bool AudioCompanionProcess::IsRunning() {
    Reap(WNOHANG);
    return pid_ > 0;
}

std::optional<int> AudioCompanionProcess::ExitCode() {
    Reap(WNOHANG);
    return exitCode_;
}

void AudioCompanionProcess::Stop(std::chrono::milliseconds grace) {
    for (auto waited = std::chrono::milliseconds(0); IsRunning() && waited < grace; waited += kPollStep)
        std::this_thread::sleep_for(kPollStep);
    if (!IsRunning()) return;
    ::kill(pid_, SIGTERM);
    for (int i = 0; i < 20 && IsRunning(); ++i) std::this_thread::sleep_for(kPollStep);
    if (!IsRunning()) return;
    ::kill(pid_, SIGKILL);
    Reap(0);
}

void AudioCompanionProcess::Reap(int options) {
    if (pid_ <= 0) return;
    int status = 0;
    if (::waitpid(pid_, &status, options) != pid_) return;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
}

}  // namespace viremo
