#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/sdbus_message_bus.h"
#include "private_session_bus.h"
#include "run_viremoctl.h"

namespace viremoctl {
namespace {

using viremo::platform::RegisteredMessage;

// A program on the bus that writes down what it hears.
struct Listener {
    explicit Listener(const std::string& address) {
        opened = bus.Open(false, address);
        bus.OnMessage([this](const RegisteredMessage& message) {
            std::lock_guard lock(mutex);
            heard.push_back(message);
            arrived.notify_all();
        });
    }
    bool WaitFor(size_t count) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, std::chrono::seconds(2), [&] { return heard.size() >= count; });
    }
    viremo::platform::SdBusMessageBus bus;
    bool opened = false;
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<RegisteredMessage> heard;
};

TEST(ViremoctlSignal, SendsTheNamedMessageWithItsParameters) {
    viremo::testing::PrivateSessionBus daemon;
    if (!daemon.running()) GTEST_SKIP() << "dbus-daemon is not installed";
    ::setenv("DBUS_SESSION_BUS_ADDRESS", daemon.address().c_str(), 1);
    Listener listener(daemon.address());
    ASSERT_TRUE(listener.opened);

    const auto stop = testing::runViremoctl("signal '{4695579F-999A-41d4-9FAF-EFFCE93EBF17}' 1 0");
    EXPECT_EQ(stop.exitCode, 0) << stop.out;
    EXPECT_EQ(testing::runViremoctl("signal Game_Kill 0x2 -7").exitCode, 0);
    EXPECT_EQ(testing::runViremoctl("signal Game_End").exitCode, 0);
    ASSERT_TRUE(listener.WaitFor(3));
    const struct {
        std::string name;
        int64_t wParam, lParam;
    } expected[] = {
        {"{4695579F-999A-41d4-9FAF-EFFCE93EBF17}", 1, 0}, {"Game_Kill", 2, -7}, {"Game_End", 0, 0}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(listener.heard[i].name, expected[i].name);
        EXPECT_EQ(listener.heard[i].wParam, expected[i].wParam);
        EXPECT_EQ(listener.heard[i].lParam, expected[i].lParam);
    }

    for (const char* refused : {"signal Game_Over", "signal Game_End 1", "signal Game_End 1 x", "signal"})
        EXPECT_EQ(testing::runViremoctl(refused).exitCode, 1) << refused;
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

}  // namespace
}  // namespace viremoctl
