// The program's link and the companion's server talking over a real socket.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "lighting/audio_companion_link.h"
#include "lighting/audio_companion_server.h"
#include "scratch_folder.h"

namespace viremo {
namespace {

using companion::Command;
using namespace std::chrono_literals;

// Collects what arrives on another thread and lets the test wait for it.
template <typename T>
class Inbox {
public:
    void add(T item) {
        std::lock_guard lock(mutex_);
        items_.push_back(std::move(item));
        arrived_.notify_all();
    }
    std::vector<T> waitFor(size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, 5s, [&] { return items_.size() >= count; });
        return items_;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<T> items_;
};

struct CompanionSide {
    Inbox<std::pair<Command, int64_t>> commands;
    Inbox<companion::StyleColour> colours;
    std::unique_ptr<AudioCompanionServer> server;
    std::jthread serving;

    explicit CompanionSide(const std::filesystem::path& socket) {
        server = AudioCompanionServer::Listen(
            socket, {[this](Command c, int64_t a) { commands.add({c, a}); },
                     [this](const companion::StyleColour& c) { colours.add(c); }});
        if (server) serving = std::jthread([this](std::stop_token stop) { server->Serve(stop); });
    }
};

struct ProgramSide {
    Inbox<BandLevels> levels;
    Inbox<companion::BandBlock> bands;
    AudioCompanionLink link;

    explicit ProgramSide(const std::filesystem::path& socket)
        : link({[this](const BandLevels& l) { levels.add(l); },
                [this](const companion::BandBlock& b) { bands.add(b); }},
               socket) {}
};

TEST(CompanionLink, GreetsSendsTheStyleColourAndSaysGoodbyeInOrder) {
    testing::ScratchFolder folder;
    const auto socket = folder / "VIREMO VR-TKLAudioRecord";
    CompanionSide companion(socket);
    ASSERT_TRUE(companion.server);
    ProgramSide program(socket);

    ASSERT_TRUE(program.link.Connect());
    EXPECT_TRUE(program.link.SendStyleColour({3, 0, 9}));
    EXPECT_TRUE(program.link.SendCommand(Command::Green, 7));
    program.link.Disconnect();

    const auto colours = companion.colours.waitFor(1);
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0].red, 3);
    EXPECT_EQ(colours[0].green, 1);
    EXPECT_EQ(colours[0].blue, 9);
    using Sent = std::pair<Command, int64_t>;
    EXPECT_THAT(companion.commands.waitFor(8),
                ::testing::ElementsAre(Sent{Command::Connect, ::getpid()}, Sent{Command::Reset, 0},
                                       Sent{Command::Start, 0}, Sent{Command::Green, 7}, Sent{Command::Stop, 0},
                                       Sent{Command::Release, 0}, Sent{Command::Quit, 0},
                                       Sent{Command::Stop, 0}));  // the program went away
    EXPECT_FALSE(program.link.IsConnected());
}

TEST(CompanionLink, BlocksFromTheCompanionBecomeLevelsAndBands) {
    testing::ScratchFolder folder;
    const auto socket = folder / "VIREMO VR-TKLAudioRecord";
    CompanionSide companion(socket);
    ProgramSide program(socket);
    ASSERT_TRUE(program.link.Connect());
    companion.commands.waitFor(3);

    companion::SampleBlock block{};
    for (const int32_t value : {0, 0, 40}) {
        block.fill(value);
        EXPECT_TRUE(companion.server->SendSamples(block));
    }
    EXPECT_TRUE(companion.server->SendBands({10, 20, 30, 40, 50, 60}));

    BandLevels forty;
    forty.fill(40);
    EXPECT_THAT(program.levels.waitFor(1), ::testing::ElementsAre(forty));
    EXPECT_THAT(program.bands.waitFor(1), ::testing::ElementsAre(companion::BandBlock{10, 20, 30, 40, 50, 60}));
}

TEST(CompanionLink, WithoutACompanionNothingIsSent) {
    testing::ScratchFolder folder;
    ProgramSide program(folder / "VIREMO VR-TKLAudioRecord");
    EXPECT_FALSE(program.link.Connect());
    EXPECT_FALSE(program.link.IsConnected());
    EXPECT_FALSE(program.link.SendStyleColour({1, 2, 3}));
}

TEST(CompanionLink, ASecondCompanionDoesNotTakeOverTheSocket) {
    testing::ScratchFolder folder;
    const auto socket = folder / "VIREMO VR-TKLAudioRecord";
    CompanionSide first(socket);
    ASSERT_TRUE(first.server);
    EXPECT_FALSE(AudioCompanionServer::Listen(socket, {}));

    // A socket file left behind by a companion that died is taken over.
    first.serving = std::jthread();
    first.server.reset();
    folder.put("VIREMO VR-TKLAudioRecord", "stale");
    EXPECT_TRUE(AudioCompanionServer::Listen(socket, {}));
}

}  // namespace
}  // namespace viremo
