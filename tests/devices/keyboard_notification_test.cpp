// The keyboard's notifications on its consumer-control interfaces.
#include <chrono>
#include <functional>
#include <thread>

#include "keyboard_fixture.h"

#include "toolkit/dialog_builder.h"
#include "toolkit/message_queue.h"
#include "toolkit/paint_manager.h"

namespace viremo::devices::testing {
namespace {

using namespace std::chrono_literals;

// Runs the user-interface queue until `done` or a second has passed.
bool dispatchUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        toolkit::UiQueue().DispatchPending();
        std::this_thread::sleep_for(5ms);
    }
    toolkit::UiQueue().DispatchPending();
    return done();
}

// A device tab in a window-less paint manager whose timer 1002 makes the
// keyboard read its settings again, as the real tab does.
class TabTimers : public toolkit::INotifyUI {
public:
    explicit TabTimers(CVendrakeKeyboardDevice& keyboard, const Clock& clock) : keyboard_(keyboard), pm(clock) {
        toolkit::CDialogBuilder builder;
        pm.AttachDialog(builder.Create(R"(<VerticalLayout><Control name="tab"/></VerticalLayout>)", nullptr, &pm));
        pm.AddNotifier(this);
        keyboard.SetTab(pm.FindControl("tab"));
    }
    void Notify(toolkit::TNotifyUI& msg) override {
        if (msg.sType != "timer") return;
        pm.KillTimer(msg.pSender, unsigned(msg.wParam));
        if (msg.wParam == kTabTimerResynchronise) {
            ++resynchronised;
            keyboard_.ReadSettingsFromDevice();
        }
    }
    CVendrakeKeyboardDevice& keyboard_;
    toolkit::CPaintManagerUI pm;
    int resynchronised = 0;
};

TEST_F(KeyboardTest, SynchroniseCodeLeadsToASettingsRead) {
    attachCable();
    ASSERT_EQ(keyboard.LoadProfile(), kSuccess);
    TabTimers tab(keyboard, clock);
    ASSERT_TRUE(keyboard.AttachNotificationInterface(kCableConsumer, kModelWiredKeyboard));
    EXPECT_TRUE(keyboard.IsNotificationOpen(kModelWiredKeyboard));
    ASSERT_TRUE(firmware.notifyOnCable(0x0401));
    ASSERT_TRUE(dispatchUntil([&] { return tab.pm.NextTimerDeadline().has_value(); }));
    clearWire();
    clock.advance(49ms);
    tab.pm.ProcessTimers();
    EXPECT_EQ(tab.resynchronised, 0);
    clock.advance(1ms);
    tab.pm.ProcessTimers();
    EXPECT_EQ(tab.resynchronised, 1);
    EXPECT_EQ(wire(), (std::vector<Bytes>{packet(5, 1, 0), packet(5, 26, 0)}));
    EXPECT_EQ(CVendrakeKeyboardDevice::LastNotificationCode(), 0x0401);
    keyboard.DetachNotificationInterface(kModelWiredKeyboard);
}

TEST_F(KeyboardTest, ProfileCodesSetTheActiveProfile) {
    attachReceiver();
    ASSERT_TRUE(keyboard.AttachNotificationInterface(kReceiverConsumer, kModelKeyboardReceiver));
    ASSERT_TRUE(firmware.notifyThroughReceiver(0x1003));
    EXPECT_TRUE(dispatchUntil([&] { return keyboard.ActiveProfile() == 3; }));
    ASSERT_TRUE(firmware.notifyThroughReceiver(0x1125));
    EXPECT_TRUE(dispatchUntil([&] { return keyboard.ActiveProfile() == 5; }));
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
