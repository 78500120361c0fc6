#include "toolkit/qt/qt_input_capture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <linux/input-event-codes.h>

#include "macros/key_table.h"
#include "toolkit/qt/linux_key.h"

namespace viremo::toolkit::qt {
namespace {

bool IsLockKey(uint16_t linuxKey) {
    return linuxKey == KEY_CAPSLOCK || linuxKey == KEY_NUMLOCK || linuxKey == KEY_SCROLLLOCK;
}

int KeyMessage(const QKeyEvent& event) {
    const bool system = event.modifiers().testFlag(Qt::AltModifier);
    if (event.type() == QEvent::KeyPress) return system ? key_message::kSysKeyDown : key_message::kKeyDown;
    return system ? key_message::kSysKeyUp : key_message::kKeyUp;
}

KeyboardHookRecord KeyRecord(uint16_t linuxKey) {
    KeyboardHookRecord record;
    if (const auto row = keyRowByLinuxKey(linuxKey)) {
        const KeyTableRow& key = keyTable()[*row];
        record.virtualKey = key.virtualKey;
        record.scanCode = key.scanCode;
        record.flags = key.extended ? kKeyFlagExtended : 0;
    }
    return record;
}

// The message of a button press or release and the high word of its mouse
// data; 0 for buttons that have none.
std::pair<int, uint16_t> MouseMessage(const QMouseEvent& event) {
    const bool press = event.type() == QEvent::MouseButtonPress;
    switch (event.button()) {
    case Qt::LeftButton: return {press ? mouse_message::kLeftDown : mouse_message::kLeftUp, 0};
    case Qt::RightButton: return {press ? mouse_message::kRightDown : mouse_message::kRightUp, 0};
    case Qt::MiddleButton: return {press ? mouse_message::kMiddleDown : mouse_message::kMiddleUp, 0};
    case Qt::BackButton:
        return {press ? mouse_message::kExtraDown : mouse_message::kExtraUp, kExtraButtonBack};
    case Qt::ForwardButton:
        return {press ? mouse_message::kExtraDown : mouse_message::kExtraUp, kExtraButtonForward};
    default: return {0, 0};
    }
}

// A window of its own (not a popup or tooltip) going away or losing the focus.
bool IsOwnWindowGoing(const QObject* watched, QEvent::Type type) {
    if (type != QEvent::WindowDeactivate && type != QEvent::Hide) return false;
    Qt::WindowType kind;
    if (watched->isWindowType()) kind = static_cast<const QWindow*>(watched)->type();
    else if (watched->isWidgetType() && static_cast<const QWidget*>(watched)->isWindow())
        kind = static_cast<const QWidget*>(watched)->windowType();
    else return false;
    return kind == Qt::Window || kind == Qt::Dialog;
}

}  // namespace

CQtInputCapture::CQtInputCapture() {
    QCoreApplication::instance()->installEventFilter(this);
    setInputCaptureSource(this);
}

CQtInputCapture::~CQtInputCapture() {
    if (inputCaptureSource() == this) setInputCaptureSource(nullptr);
    if (auto* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool CQtInputCapture::startKeyboard(CaptureSink& sink) {
    m_keyboard = &sink;
    return true;
}

void CQtInputCapture::stopKeyboard(CaptureSink& sink) {
    if (m_keyboard == &sink) m_keyboard = nullptr;
}

void CQtInputCapture::startMouse(CaptureSink& sink) { m_mouse = &sink; }

void CQtInputCapture::stopMouse(CaptureSink& sink) {
    if (m_mouse == &sink) m_mouse = nullptr;
}

bool CQtInputCapture::eventFilter(QObject* watched, QEvent* event) {
    if (!m_keyboard && !m_mouse) return false;
    const QEvent::Type type = event->type();
    if (IsOwnWindowGoing(watched, type)) {
        Lose();
        return false;
    }
    // Input enters through the QWindow; the widgets get it from there.
    if (!watched->isWindowType()) return false;
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return m_keyboard && OnKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (m_mouse) OnMouseButton(static_cast<const QMouseEvent&>(*event));
        return false;
    default:
        return false;
    }
}

bool CQtInputCapture::OnKey(const QKeyEvent& event) {
    const uint16_t linuxKey = LinuxKeyOf(event);
    const bool passOn = IsLockKey(linuxKey);
    // Auto-repeat is a run of presses; the releases in between are not keys.
    const bool repeatRelease = event.type() == QEvent::KeyRelease && event.isAutoRepeat();
    if (!repeatRelease && keyRowByLinuxKey(linuxKey)) m_keyboard->keyboardInput(KeyMessage(event), KeyRecord(linuxKey));
    return !passOn;
}

void CQtInputCapture::OnMouseButton(const QMouseEvent& event) {
    const auto [message, extra] = MouseMessage(event);
    if (message == 0) return;
    const QPoint screen = event.globalPosition().toPoint();
    MouseHookRecord record;
    record.x = screen.x();
    record.y = screen.y();
    record.mouseData = static_cast<uint32_t>(extra) << 16;
    m_mouse->mouseInput(message, record);
}

void CQtInputCapture::Lose() {
    CaptureSink* keyboard = m_keyboard;
    CaptureSink* mouse = m_mouse;
    m_keyboard = nullptr;
    m_mouse = nullptr;
    if (keyboard) keyboard->captureLost();
    if (mouse && mouse != keyboard) mouse->captureLost();
}

}  // namespace viremo::toolkit::qt
