#include "toolkit/qt/qt_window_host.h"

#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <utility>

#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/qt_convert.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/window.h"

namespace viremo::toolkit::qt {

namespace {

constexpr std::pair<std::string_view, Qt::CursorShape> kCursors[] = {
    {"arrow", Qt::ArrowCursor},     {"hand", Qt::PointingHandCursor}, {"ibeam", Qt::IBeamCursor},
    {"wait", Qt::WaitCursor},       {"cross", Qt::CrossCursor},       {"sizewe", Qt::SizeHorCursor},
    {"sizens", Qt::SizeVerCursor},  {"sizeall", Qt::SizeAllCursor},   {"no", Qt::ForbiddenCursor},
    {"help", Qt::WhatsThisCursor},
};

constexpr Size kFallbackSize{640, 480};

}  // namespace

CQtWindowHost::CQtWindowHost(CWindowWnd& window, const WindowOptions& options, double dpiScale)
    : m_window(window), m_owner(options.owner), m_widget(new CHostWidget(window, options.kind)) {
    CPaintManagerUI& pm = window.GetPaintManager();
    pm.SetTextMeasurer(&SharedTextMeasurer());
    if (options.kind == WindowKind::Normal) pm.SetDPIScale(dpiScale);
    m_widget->setWindowTitle(ToQString(options.title));
    if (!options.bounds.IsEmpty()) SetBounds(options.bounds);
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { m_window.GetPaintManager().ProcessTimers(); });
}

CQtWindowHost::~CQtWindowHost() {
    Destroy();
}

void CQtWindowHost::Invalidate(const Rect& area) {
    if (m_widget) m_widget->update(ToQRect(area));
}

void CQtWindowHost::ScheduleTimer(Clock::Monotonic deadline) {
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - m_window.GetPaintManager().GetClock().now());
    m_timer.start(static_cast<int>(std::clamp<long long>(wait.count(), 0, 24LL * 3600 * 1000)));
}

void CQtWindowHost::SetCursor(std::string_view name) {
    if (!m_widget) return;
    Qt::CursorShape shape = Qt::ArrowCursor;
    for (const auto& [cursorName, cursorShape] : kCursors) {
        if (cursorName == name) shape = cursorShape;
    }
    m_widget->setCursor(shape);
}

void CQtWindowHost::ShowEditOverlay(CEditUI* edit) {
    if (m_widget && m_widget->Overlay()) m_widget->Overlay()->Show(edit);
}

Point CQtWindowHost::ClientToScreen(Point point) const {
    if (!m_widget) return point;
    return FromQPoint(m_widget->mapToGlobal(ToQPoint(point)));
}

void CQtWindowHost::EnsureSized() const {
    if (!m_widget || m_widget->testAttribute(Qt::WA_Resized)) return;
    const CPaintManagerUI& pm = m_window.GetPaintManager();
    Size init = pm.GetInitSize();
    Size size = init.cx > 0 && init.cy > 0 ? Size{pm.ScaleValue(init.cx), pm.ScaleValue(init.cy)} : kFallbackSize;
    m_widget->resize(size.cx, size.cy);
}

void CQtWindowHost::Show(bool show, bool activate) {
    if (!m_widget) return;
    if (show) {
        EnsureSized();
        m_widget->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
        if (m_widget->isMinimized()) m_widget->showNormal();
        else m_widget->show();
        if (activate) RaiseAndActivate();
    } else if (m_minimizeInsteadOfHide && m_widget->Kind() == WindowKind::Normal) {
        m_widget->showMinimized();
    } else {
        m_widget->hide();
    }
    // A modal loop waiting for this window to end checks again.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void CQtWindowHost::SetBounds(const Rect& screenRect) {
    if (m_widget) m_widget->setGeometry(ToQRect(screenRect));
}

Rect CQtWindowHost::GetBounds() const {
    if (!m_widget) return {};
    EnsureSized();
    return FromQRect(m_widget->geometry());
}

void CQtWindowHost::SetTitle(std::string_view title) {
    if (m_widget) m_widget->setWindowTitle(ToQString(title));
}

void CQtWindowHost::Destroy() {
    m_timer.stop();
    if (!m_widget) return;
    CHostWidget* widget = m_widget.data();
    m_widget.clear();
    widget->Detach();
    widget->hide();
    // Not at once: the widget may be inside one of its own event handlers.
    widget->deleteLater();
}

void CQtWindowHost::Minimize() {
    if (m_widget) m_widget->showMinimized();
}

void CQtWindowHost::Maximize() {
    if (m_widget) m_widget->showMaximized();
}

void CQtWindowHost::Restore() {
    if (m_widget) m_widget->showNormal();
}

bool CQtWindowHost::IsMinimized() const { return m_widget && m_widget->isMinimized(); }
bool CQtWindowHost::IsMaximized() const { return m_widget && m_widget->isMaximized(); }

void CQtWindowHost::RaiseAndActivate() {
    if (!m_widget) return;
    // The offscreen platform has no stacking order (and says so).
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) m_widget->raise();
    m_widget->activateWindow();
}

bool CQtWindowHost::SetIcon(const std::string& path) {
    if (!m_widget) return false;
    const QImage& image = SharedImageCache().Get(SkinFilePath(path));
    if (image.isNull()) return false;
    m_widget->setWindowIcon(QIcon(QPixmap::fromImage(image)));
    return true;
}

void CQtWindowHost::CenterOverOwner() {
    if (!m_widget) return;
    EnsureSized();
    QRect area;
    if (CQtWindowHost* owner = m_owner ? QtHostOf(*m_owner) : nullptr; owner && owner->Widget())
        area = owner->Widget()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty()) return;
    QRect frame = m_widget->geometry();
    frame.moveCenter(area.center());
    m_widget->move(frame.topLeft());
}

CQtWindowHost* QtHostOf(const CWindowWnd& window) {
    return dynamic_cast<CQtWindowHost*>(window.GetHost());
}

}  // namespace viremo::toolkit::qt
