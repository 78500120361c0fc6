#include "platform/sdbus_message_bus.h"

#include <gtest/gtest.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "private_session_bus.h"

namespace viremo::platform {
namespace {

using namespace std::chrono_literals;

// Collects what a bus hands to its message handler.
struct Inbox {
    void Put(const RegisteredMessage& message) {
        std::lock_guard lock(mutex);
        messages.push_back(message);
        arrived.notify_all();
    }
    bool WaitFor(size_t count, std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, limit, [&] { return messages.size() >= count; });
    }
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<RegisteredMessage> messages;
};

class SdBusMessageBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!daemon.running()) GTEST_SKIP() << "dbus-daemon is not installed";
    }
    testing::PrivateSessionBus daemon;
};

TEST_F(SdBusMessageBusTest, MessagesReachOtherProgramsButNotTheSender) {
    SdBusMessageBus app, other;
    Inbox appInbox, otherInbox;
    ASSERT_TRUE(app.Open(true, daemon.address()));
    ASSERT_TRUE(other.Open(false, daemon.address()));
    app.OnMessage([&](const RegisteredMessage& m) { appInbox.Put(m); });
    other.OnMessage([&](const RegisteredMessage& m) { otherInbox.Put(m); });

    ASSERT_TRUE(app.Broadcast({"{4695579F-999A-41d4-9FAF-EFFCE93EBF16}", 1, 1}));
    ASSERT_TRUE(other.Broadcast({"{4695579F-999A-41d4-9FAF-EFFCE93EBF17}", 1, 0}));

    ASSERT_TRUE(otherInbox.WaitFor(1, 2s));
    ASSERT_TRUE(appInbox.WaitFor(1, 2s));
    std::this_thread::sleep_for(100ms);  // time for an own signal to come back, were it not dropped
    ASSERT_EQ(otherInbox.messages.size(), 1u);
    EXPECT_EQ(otherInbox.messages[0].name, "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}");
    EXPECT_EQ(otherInbox.messages[0].wParam, 1);
    EXPECT_EQ(otherInbox.messages[0].lParam, 1);
    ASSERT_EQ(appInbox.messages.size(), 1u);
    EXPECT_EQ(appInbox.messages[0].name, "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}");
    EXPECT_EQ(appInbox.messages[0].lParam, 0);
}

TEST_F(SdBusMessageBusTest, DeviceTableQueryIsAnsweredToTheCaller) {
    SdBusMessageBus app;
    ASSERT_TRUE(app.Open(true, daemon.address()));
    std::vector<uint8_t> block(1024);
    block[0] = 2;
    block[1023] = 0x5A;
    app.OnDeviceTableQuery([&] { return block; });

    sd_bus* tool = nullptr;
    ASSERT_GE(sd_bus_new(&tool), 0);
    ASSERT_GE(sd_bus_set_address(tool, daemon.address().c_str()), 0);
    ASSERT_GE(sd_bus_set_bus_client(tool, 1), 0);
    ASSERT_GE(sd_bus_start(tool), 0);
    sd_bus_message* reply = nullptr;
    sd_bus_error error = SD_BUS_ERROR_NULL;
    ASSERT_GE(sd_bus_call_method(tool, std::string(kBusName).c_str(), std::string(kBusObjectPath).c_str(),
                                 std::string(kBusInterface).c_str(), "QueryDeviceTable", &error, &reply, ""),
              0)
        << (error.message ? error.message : "");
    const void* data = nullptr;
    size_t size = 0;
    ASSERT_GE(sd_bus_message_read_array(reply, 'y', &data, &size), 0);
    ASSERT_EQ(size, 1024u);
    EXPECT_EQ(static_cast<const uint8_t*>(data)[0], 2);
    EXPECT_EQ(static_cast<const uint8_t*>(data)[1023], 0x5A);
    sd_bus_message_unref(reply);
    sd_bus_error_free(&error);
    sd_bus_unref(tool);
}

TEST_F(SdBusMessageBusTest, TheNameMarksTheRunningApplication) {
    EXPECT_FALSE(FindRunningInstance(daemon.address()));
    {
        SdBusMessageBus app, second;
        ASSERT_TRUE(app.Open(true, daemon.address()));
        EXPECT_FALSE(second.Open(true, daemon.address()));
        EXPECT_EQ(FindRunningInstance(daemon.address()), ::getpid());
    }
    EXPECT_FALSE(FindRunningInstance(daemon.address()));
}

}  // namespace
}  // namespace viremo::platform
