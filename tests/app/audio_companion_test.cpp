// The main window and the audio companion: greeted when the window starts,
// told goodbye when it ends.
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "app_test_support.h"
#include "lighting/audio_companion_server.h"
#include "lighting/companion_protocol.h"
#include "toolkit/paint_manager.h"
#include "toolkit/slider.h"
#include "ui/program_controls.h"
#include "ui/stand_in_control.h"

namespace viremo::app::testing {
namespace {

using companion::Command;
using Sent = std::pair<Command, int64_t>;

// A companion listening in a runtime folder of the test's own.
class FakeCompanion {
public:
    FakeCompanion() {
        folder_ = std::filesystem::temp_directory_path() / ("viremo-app-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        savedRuntime_ = runtime ? std::optional<std::string>(runtime) : std::nullopt;
        ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        server_ = AudioCompanionServer::Listen(companion::socketPath(),
                                               {[this](Command c, int64_t a) { Add(c, a); },
                                                [this](const companion::StyleColour&) { ++colours_; }});
        if (server_) serving_ = std::jthread([this](std::stop_token stop) { server_->Serve(stop); });
    }
    ~FakeCompanion() {
        serving_ = {};
        server_.reset();
        if (savedRuntime_) ::setenv("XDG_RUNTIME_DIR", savedRuntime_->c_str(), 1);
        else ::unsetenv("XDG_RUNTIME_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    bool Listening() const { return server_ != nullptr; }
    std::vector<Sent> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(5), [&] { return commands_.size() >= count; });
        return commands_;
    }
    int Colours() const { return colours_; }

private:
    void Add(Command command, int64_t argument) {
        std::lock_guard lock(mutex_);
        commands_.emplace_back(command, argument);
        arrived_.notify_all();
    }
    std::filesystem::path folder_;
    std::optional<std::string> savedRuntime_;
    std::unique_ptr<AudioCompanionServer> server_;
    std::jthread serving_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Sent> commands_;
    std::atomic<int> colours_{0};
};

class MainWindowAudioCompanion : public toolkit::qt::testing::QtHostTest {
protected:
    void SetUp() override {
        QtHostTest::SetUp();
        toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
        ui::RegisterProgramControls();
        ui::RegisterControlStandIns();
        window = std::make_unique<ui::CMainWnd>(bus);
    }
    void TearDown() override {
        window.reset();
        QtHostTest::TearDown();
    }
    FakeCompanion companion;
    hid::EmulatedBus bus;
    std::unique_ptr<ui::CMainWnd> window;
};

TEST_F(MainWindowAudioCompanion, IsGreetedAtStartAndToldGoodbyeAtShutdown) {
    ASSERT_TRUE(companion.Listening());
    ASSERT_TRUE(window->Build());
    ASSERT_TRUE(RunUntil([&] { return window->AudioCompanion().IsConnected(); }));

    // A colour slider of the audio panel passes its value on.
    toolkit::CSliderUI green;
    green.SetName("G_light_slider");
    green.SetMaxValue(255);
    green.SetValue(7);
    toolkit::TNotifyUI moved;
    moved.sType = "valuechanged";
    moved.pSender = &green;
    window->Notify(moved);

    window->Shutdown();
    EXPECT_THAT(companion.WaitFor(8), ::testing::ElementsAre(Sent{Command::Connect, ::getpid()},
                                                             Sent{Command::Reset, 0}, Sent{Command::Start, 0},
                                                             Sent{Command::Green, 7}, Sent{Command::Stop, 0},
                                                             Sent{Command::Release, 0}, Sent{Command::Quit, 0},
                                                             Sent{Command::Stop, 0}));  // the link closed
    EXPECT_EQ(companion.Colours(), 1);
}

}  // namespace
}  // namespace viremo::app::testing
