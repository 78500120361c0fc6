#include "toolkit/qt/qt_window_system.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <cmath>

#include "toolkit/qt/qt_convert.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/window.h"

namespace viremo::toolkit::qt {

CQtWindowSystem::CQtWindowSystem(CMessageQueue& queue) : m_queue(queue) {
    m_queue.SetWakeup([this] { Wake(); });
    SetWindowSystem(this);
    // Work queued before the system existed.
    Wake();
}

CQtWindowSystem::~CQtWindowSystem() {
    m_queue.SetWakeup({});
    SetWindowSystem(nullptr);
}

void CQtWindowSystem::Wake() {
    // Any thread. One queued call at a time is enough: it dispatches all.
    if (m_wakePending.exchange(true)) return;
    QMetaObject::invokeMethod(
        &m_dispatcher,
        [this] {
            m_wakePending = false;
            m_queue.DispatchPending();
        },
        Qt::QueuedConnection);
}

std::unique_ptr<IWindowHost> CQtWindowSystem::CreateHost(CWindowWnd& window, const WindowOptions& options) {
    return std::make_unique<CQtWindowHost>(window, options, DpiScale());
}

void CQtWindowSystem::RunModalLoop(CWindowWnd& window, const std::function<bool()>& done) {
    CQtWindowHost* host = QtHostOf(window);
    CQtWindowHost* owner = host && host->Owner() ? QtHostOf(*host->Owner()) : nullptr;
    // The owner may go away while the child runs.
    QPointer<QWidget> ownerWidget = owner ? owner->Widget() : nullptr;
    const bool ownerWasEnabled = ownerWidget && ownerWidget->isEnabled();
    if (ownerWasEnabled) ownerWidget->setEnabled(false);
    while (!done() && QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (ownerWasEnabled && ownerWidget) ownerWidget->setEnabled(true);
}

Rect CQtWindowSystem::WorkArea() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? FromQRect(screen->availableGeometry()) : Rect{0, 0, 1920, 1040};
}

double CQtWindowSystem::DpiScale() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1.0;
    double scale = std::round(screen->logicalDotsPerInch() / 96.0 * 4.0) / 4.0;
    return scale > 0 ? scale : 1.0;
}

}  // namespace viremo::toolkit::qt
