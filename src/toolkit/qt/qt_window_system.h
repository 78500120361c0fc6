#pragma once
// The window system of a Qt application: every toolkit window gets a
// CQtWindowHost, modal windows run a nested Qt event loop with their owner
// disabled, and the UI queue wakes the Qt event loop so that messages and
// tasks posted from any thread (Post, Send, PostTask) run on the UI thread.
//
// Construct it on the UI thread after the QApplication; it installs itself
// with SetWindowSystem and restores the headless system when destroyed. It
// also provides the process's input capture while it exists.
#include <QObject>

#include <atomic>

#include "toolkit/message_queue.h"
#include "toolkit/qt/qt_input_capture.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit::qt {

class CQtWindowSystem : public IWindowSystem {
public:
    explicit CQtWindowSystem(CMessageQueue& queue = UiQueue());
    ~CQtWindowSystem() override;
    CQtWindowSystem(const CQtWindowSystem&) = delete;
    CQtWindowSystem& operator=(const CQtWindowSystem&) = delete;

    std::unique_ptr<IWindowHost> CreateHost(CWindowWnd& window, const WindowOptions& options) override;
    void RunModalLoop(CWindowWnd& window, const std::function<bool()>& done) override;
    Rect WorkArea() const override;

    // Skin pixels to window pixels for new windows: the screen's logical
    // DPI over 96, in quarter steps (Qt itself scales for the device pixel
    // ratio).
    double DpiScale() const;

private:
    void Wake();

    CMessageQueue& m_queue;
    QObject m_dispatcher;  // lives on the UI thread; queued calls run there
    CQtInputCapture m_inputCapture;
    std::atomic<bool> m_wakePending{false};
};

}  // namespace viremo::toolkit::qt
