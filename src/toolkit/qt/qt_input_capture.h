#pragma once
// The input capture of the Qt host: an application event filter that, while
// started, takes the key presses and releases and the mouse button presses
// and releases of the program's windows and reports them to the sink.
//
// Keys are swallowed, except Caps Lock, Num Lock and Scroll Lock, which are
// reported and passed on. A held key's auto-repeat is reported as further
// key-downs, as a low-level keyboard hook sees it. Mouse buttons are
// reported and passed on, so the controls still work (the button that stops
// a recording). Events are taken where they enter a window, once each.
// Deactivating or hiding a (non-popup) window ends the capture: the sinks
// are told, so that a recording or a key capture does not outlive the focus.
//
// It registers itself as the process's capture source while it exists.
#include <QObject>

#include "platform/input_capture.h"

class QKeyEvent;
class QMouseEvent;

namespace viremo::toolkit::qt {

class CQtInputCapture final : public QObject, public InputCaptureSource {
public:
    CQtInputCapture();
    ~CQtInputCapture() override;

    bool startKeyboard(CaptureSink& sink) override;
    void stopKeyboard(CaptureSink& sink) override;
    void startMouse(CaptureSink& sink) override;
    void stopMouse(CaptureSink& sink) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKey(const QKeyEvent& event);
    void OnMouseButton(const QMouseEvent& event);
    void Lose();

    CaptureSink* m_keyboard = nullptr;
    CaptureSink* m_mouse = nullptr;
};

}  // namespace viremo::toolkit::qt
