#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <linux/input-event-codes.h>

#include <functional>
#include <vector>

#include "macros/key_capture.h"
#include "macros/macro_recording.h"
#include "platform/device_hook.h"
#include "qt_test_support.h"

namespace viremo::toolkit::qt::testing {
namespace {

// Counts the key events that get through to a widget.
class KeyCounter : public QObject {
public:
    int keys = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) ++keys;
        return false;
    }
};

struct KeyMessage {
    int mode, wParam;
    KeyboardHookRecord record;
};
struct MouseMessage {
    int mode, wParam;
    MouseHookRecord record;
};

class Receiver : public HookReceiver {
public:
    void keyboardHookMessage(int mode, int wParam, const KeyboardHookRecord& record) override {
        keys.push_back({mode, wParam, record});
        if (onKey) onKey(mode, wParam, record);
    }
    void mouseHookMessage(int mode, int wParam, const MouseHookRecord& record) override {
        mice.push_back({mode, wParam, record});
        if (onMouse) onMouse(mode, wParam, record);
    }
    void hookRemoved() override { ++removed; }

    std::vector<KeyMessage> keys;
    std::vector<MouseMessage> mice;
    int removed = 0;
    std::function<void(int, int, const KeyboardHookRecord&)> onKey;
    std::function<void(int, int, const MouseHookRecord&)> onMouse;
};

class InputCaptureTest : public QtHostTest {
protected:
    void SetUp() override {
        QtHostTest::SetUp();
        widget = ShowLayout(window, "input.xml");
        ASSERT_TRUE(widget && widget->windowHandle());
        widget->installEventFilter(&counter);
    }

    // A key as X11 and Wayland deliver it: the XKB key code is evdev + 8.
    void SendKey(QEvent::Type type, int qtKey, uint16_t linuxKey, bool autoRepeat = false,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, qtKey, modifiers, linuxKey + 8u, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(widget->windowHandle(), &event);
    }

    void SendButton(QEvent::Type type, Qt::MouseButton button, QPoint point) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget->windowHandle(), &event);
    }

    CWindowWnd window;
    CHostWidget* widget = nullptr;
    KeyCounter counter;
    Receiver receiver;
    CDeviceHook hook;
};

TEST_F(InputCaptureTest, AutoRepeatedKeyRecordsOneDownAndOneUp) {
    MacroEventList events;
    MacroRecording recording(events, hook);
    const auto record = recordingTrigger("macro_btn_starredio", false);
    ASSERT_TRUE(record);
    ASSERT_EQ(recording.Start(*record, true), RecordingStart::Started);
    EXPECT_EQ(hook.Receiver(), &recording);
    // What the recording receives, seen on the way.
    receiver.onKey = [&](int mode, int wParam, const KeyboardHookRecord& key) {
        recording.keyboardHookMessage(mode, wParam, key);
    };
    ASSERT_TRUE(hook.InstallInputHook(capture_mode::kMacroAppend, receiver, true, true));

    SendKey(QEvent::KeyPress, Qt::Key_A, KEY_A);
    for (int i = 0; i < 4; ++i) {
        SendKey(QEvent::KeyRelease, Qt::Key_A, KEY_A, true);
        SendKey(QEvent::KeyPress, Qt::Key_A, KEY_A, true);
    }
    SendKey(QEvent::KeyRelease, Qt::Key_A, KEY_A);

    // Five key-downs and one key-up, A as virtual key 0x41, scan code 0x1E.
    ASSERT_EQ(receiver.keys.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(receiver.keys[i].mode, capture_mode::kMacroAppend);
        EXPECT_EQ(receiver.keys[i].wParam, i < 5 ? 256 : 257);
        EXPECT_EQ(receiver.keys[i].record.virtualKey, 0x41u);
        EXPECT_EQ(receiver.keys[i].record.scanCode, 0x1Eu);
        EXPECT_EQ(receiver.keys[i].record.flags, 0u);
    }
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events.row(0).event["Action"].asString(), "down");
    EXPECT_EQ(events.row(1).event["Action"].asString(), "up");
    EXPECT_EQ(events.row(1).event["Button"].asInt(), 4);
    EXPECT_EQ(counter.keys, 0);  // swallowed
}

TEST_F(InputCaptureTest, LockKeysPassOnAndExtendedKeysCarryTheirFlag) {
    ASSERT_TRUE(hook.InstallInputHook(capture_mode::kMacroAppend, receiver, true, false));
    SendKey(QEvent::KeyPress, Qt::Key_CapsLock, KEY_CAPSLOCK);
    EXPECT_EQ(counter.keys, 1);
    // Right Ctrl with Alt held: a system key-down, scan 0x1D extended.
    SendKey(QEvent::KeyPress, Qt::Key_Control, KEY_RIGHTCTRL, false, Qt::AltModifier);
    EXPECT_EQ(counter.keys, 1);
    ASSERT_EQ(receiver.keys.size(), 2u);
    EXPECT_EQ(receiver.keys[0].record.scanCode, 0x3Au);
    EXPECT_EQ(receiver.keys[1].wParam, 260);
    EXPECT_EQ(receiver.keys[1].record.virtualKey, 0xA3u);
    EXPECT_EQ(receiver.keys[1].record.scanCode, 0x1Du);
    EXPECT_EQ(receiver.keys[1].record.flags, 1u);
}

TEST_F(InputCaptureTest, BackAndForwardButtonsGiveTheExtraButtonWord) {
    MacroEventList events;
    MacroRecording recording(events, hook);
    receiver.onMouse = [&](int mode, int wParam, const MouseHookRecord& record) {
        recording.mouseHookMessage(mode, wParam, record);
    };
    recording.Start({TimingMode::NoDelay, capture_mode::kMacroAppend}, true);
    ASSERT_TRUE(hook.InstallInputHook(capture_mode::kMacroAppend, receiver, true, true));
    const QPoint point(30, 40);
    SendButton(QEvent::MouseButtonPress, Qt::BackButton, point);
    SendButton(QEvent::MouseButtonRelease, Qt::ForwardButton, point);

    ASSERT_EQ(receiver.mice.size(), 2u);
    const QPoint screen = widget->mapToGlobal(point);
    EXPECT_EQ(receiver.mice[0].wParam, 523);
    EXPECT_EQ(receiver.mice[0].record.mouseData, 0x00010000u);
    EXPECT_EQ(receiver.mice[0].record.x, screen.x());
    EXPECT_EQ(receiver.mice[0].record.y, screen.y());
    EXPECT_EQ(receiver.mice[1].wParam, 524);
    EXPECT_EQ(receiver.mice[1].record.mouseData, 0x00020000u);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events.row(0).event["Button"].asInt(), 8);  // back
    EXPECT_EQ(events.row(1).event["Button"].asInt(), 16);  // forward
    EXPECT_EQ(events.row(1).event["Type"].asInt(), 1);
}

TEST_F(InputCaptureTest, KeyCaptureSendsNoMouseAndFillsTheKeyboardCode) {
    KeyAssignmentModel model;
    model.setDeviceModel(1);
    receiver.onKey = [&](int, int wParam, const KeyboardHookRecord& record) { captureHookKey(model, wParam, record); };
    // The key edit took the focus.
    ASSERT_TRUE(hook.InstallInputHook(capture_mode::kSingleKey, receiver, true, true));

    SendButton(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    EXPECT_TRUE(receiver.mice.empty());
    // A synthesised key without a native code is known by its Qt key.
    QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(widget->windowHandle(), &altDown);
    SendKey(QEvent::KeyPress, Qt::Key_A, KEY_A, false, Qt::AltModifier);
    EXPECT_EQ(model.current(), (AssignmentCode{0x20, 0x04, 0x04}));

    hook.UninstallInputHook();
    SendKey(QEvent::KeyPress, Qt::Key_B, KEY_B);
    EXPECT_EQ(receiver.keys.size(), 2u);
    EXPECT_EQ(counter.keys, 1);
}

TEST_F(InputCaptureTest, DeactivatingTheWindowEndsARecording) {
    MacroEventList events;
    MacroRecording recording(events, hook);
    int ended = 0;
    recording.onEnded = [&] { ++ended; };
    recording.Start({TimingMode::Measured, capture_mode::kMacroAppend}, true);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(widget, &deactivate);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(recording.IsRecording());
    EXPECT_FALSE(hook.IsInstalled());
    SendKey(QEvent::KeyPress, Qt::Key_A, KEY_A);
    EXPECT_EQ(events.size(), 0u);
}

TEST_F(InputCaptureTest, DeactivatingOrHidingTheWindowRemovesTheCapture) {
    for (const QEvent::Type going : {QEvent::WindowDeactivate, QEvent::Hide}) {
        ASSERT_TRUE(hook.InstallInputHook(capture_mode::kMacroAppend, receiver, true, true));
        QEvent event(going);
        QApplication::sendEvent(going == QEvent::Hide ? static_cast<QObject*>(widget->windowHandle()) : widget, &event);
        EXPECT_FALSE(hook.IsInstalled());
    }
    EXPECT_EQ(receiver.removed, 2);
    SendKey(QEvent::KeyPress, Qt::Key_A, KEY_A);
    EXPECT_TRUE(receiver.keys.empty());
    EXPECT_EQ(counter.keys, 1);
}

TEST_F(InputCaptureTest, DestroyingTheHookRemovesTheCapture) {
    {
        CDeviceHook scoped;
        ASSERT_TRUE(scoped.InstallInputHook(capture_mode::kMacroAppend, receiver, true, true));
    }
    SendKey(QEvent::KeyPress, Qt::Key_A, KEY_A);
    SendButton(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    EXPECT_TRUE(receiver.keys.empty());
    EXPECT_TRUE(receiver.mice.empty());
    EXPECT_EQ(counter.keys, 1);
}

}  // namespace
}  // namespace viremo::toolkit::qt::testing
