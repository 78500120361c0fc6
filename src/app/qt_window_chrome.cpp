#include "app/qt_window_chrome.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "toolkit/qt/qt_window_host.h"
#include "toolkit/window.h"

namespace viremo::app {

void QtWindowChrome::Minimize(toolkit::CWindowWnd& window) {
    if (auto* host = toolkit::qt::QtHostOf(window)) host->Minimize();
}

void QtWindowChrome::Restore(toolkit::CWindowWnd& window) {
    window.ShowWindow(true, true);
    if (auto* host = toolkit::qt::QtHostOf(window)) host->Restore();
}

void QtWindowChrome::Raise(toolkit::CWindowWnd& window) {
    if (auto* host = toolkit::qt::QtHostOf(window)) host->RaiseAndActivate();
}

bool QtWindowChrome::IsMinimized(toolkit::CWindowWnd& window) {
    auto* host = toolkit::qt::QtHostOf(window);
    return host && host->IsMinimized();
}

toolkit::Rect QtWindowChrome::MonitorRect(toolkit::CWindowWnd& window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (const auto* host = window.GetHost()) {
        const toolkit::Rect bounds = host->GetBounds();
        if (QScreen* near = QGuiApplication::screenAt(QPoint((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2)))
            screen = near;
    }
    if (!screen) return {0, 0, 800, 600};
    const QRect geometry = screen->geometry();
    return {geometry.left(), geometry.top(), geometry.left() + geometry.width(), geometry.top() + geometry.height()};
}

}  // namespace viremo::app

namespace viremo::app {

// Wayland keeps the pointer's place to itself: QCursor answers (0, 0) there.
std::optional<toolkit::Point> QtWindowChrome::CursorPosition() {
    if (QGuiApplication::platformName().startsWith("wayland")) return std::nullopt;
    const QPoint at = QCursor::pos();
    return toolkit::Point{at.x(), at.y()};
}

}  // namespace viremo::app
