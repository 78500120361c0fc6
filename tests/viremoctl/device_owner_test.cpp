#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/sdbus_message_bus.h"
#include "private_session_bus.h"
#include "run_viremoctl.h"

namespace viremoctl {
namespace {

// While viremo holds its name on the bus, the devices are its own: commands
// that talk to one refuse, naming it; commands on files and the emulated
// devices go on.
TEST(ViremoctlDeviceOwner, DeviceCommandsRefuseWhileTheApplicationRuns) {
    viremo::testing::PrivateSessionBus bus;
    if (!bus.running()) GTEST_SKIP() << "dbus-daemon is not installed";
    ::setenv("DBUS_SESSION_BUS_ADDRESS", bus.address().c_str(), 1);
    viremo::platform::SdBusMessageBus application;
    ASSERT_TRUE(application.Open(true, bus.address()));

    const auto refused = testing::runViremoctl("list");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "viremoctl: viremo (process " + std::to_string(::getpid()) +
                               ") is running and owns the devices; quit it first\n");
    EXPECT_EQ(testing::runViremoctl("info keyboard").exitCode, 1);
    EXPECT_EQ(testing::runViremoctl("--demo list").exitCode, 0);
    EXPECT_EQ(testing::runViremoctl("profile keyboard list").exitCode, 0);
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

}  // namespace
}  // namespace viremoctl
