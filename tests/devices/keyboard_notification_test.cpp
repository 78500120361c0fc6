// The keyboard's notifications on its consumer-control interfaces.
#include <chrono>
#include <thread>

#include "keyboard_fixture.h"


namespace viremo::devices::testing {
namespace {

using namespace std::chrono_literals;

TEST_F(KeyboardTest, ProfileCodesSetTheActiveProfile) {
    attachReceiver();
    ASSERT_TRUE(keyboard.AttachNotificationInterface(kReceiverConsumer, kModelKeyboardReceiver));
    ASSERT_TRUE(firmware.notifyThroughReceiver(0x1003));
    EXPECT_TRUE(waitUntil([&] { return keyboard.ActiveProfile() == 3; }));
    ASSERT_TRUE(firmware.notifyThroughReceiver(0x1125));
    EXPECT_TRUE(waitUntil([&] { return keyboard.ActiveProfile() == 5; }));
    EXPECT_EQ(keyboard.SecondIndex(), 2);
    // Without a command channel the codes change nothing.
    keyboard.Channel().Detach();
    ASSERT_TRUE(firmware.notifyThroughReceiver(0x1001));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(keyboard.ActiveProfile(), 5);
}

TEST_F(KeyboardTest, ReadersStopPromptly) {
    attachCable();
    ASSERT_TRUE(keyboard.AttachNotificationInterface(kCableConsumer, kModelWiredKeyboard));
    std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    keyboard.DetachNotificationInterface(kModelWiredKeyboard);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
    EXPECT_FALSE(keyboard.IsNotificationOpen(kModelWiredKeyboard));
    EXPECT_FALSE(keyboard.AttachNotificationInterface("emulated/nothing", kModelWiredKeyboard));
}

}  // namespace
}  // namespace viremo::devices::testing
