#pragma once
// The audio companion as a process of the program's own: started when the
// user chooses audio lighting and no companion answers yet, ended at
// shutdown. The companion ends itself on command 5; Stop() waits for that
// and only then insists (SIGTERM, then SIGKILL), so that it never lingers.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>

namespace viremo {

class AudioCompanionProcess {
public:
    AudioCompanionProcess() = default;
    ~AudioCompanionProcess();
    AudioCompanionProcess(const AudioCompanionProcess&) = delete;
    AudioCompanionProcess& operator=(const AudioCompanionProcess&) = delete;

    // viremo-audio beside the running program, else the one of the build
    // tree, else the one on the PATH.
    static std::filesystem::path Program();

    // False when it is running already or cannot be started.
    bool Start(const std::filesystem::path& program = Program());
    bool IsRunning();
    // How it ended (1: no sound server); nothing while it runs or before
    // it was started.
    std::optional<int> ExitCode();
    // Waits up to `grace` for it to end by itself, then ends it.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(1000));

private:
    void Reap(int options);

    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

}  // namespace viremo
