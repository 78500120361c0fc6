#include "toolkit/qt/host_widget.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

#include "toolkit/qt/caption_area.h"
#include "toolkit/qt/image_cache.h"
#include "toolkit/qt/key_map.h"
#include "toolkit/qt/qt_convert.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/window.h"

namespace viremo::toolkit::qt {

namespace {

Qt::WindowFlags FlagsOf(WindowKind kind) {
    return kind == WindowKind::Popup ? Qt::Popup | Qt::FramelessWindowHint
                                     : Qt::Window | Qt::FramelessWindowHint;
}

Point PointOf(const QMouseEvent* event) { return FromQPoint(event->position().toPoint()); }

unsigned StateOf(const QMouseEvent* event) { return ToKeyState(event->modifiers(), event->buttons()); }

}  // namespace

CHostWidget::CHostWidget(CWindowWnd& window, WindowKind kind)
    : QWidget(nullptr, FlagsOf(kind)), m_window(&window), m_kind(kind),
      m_overlay(std::make_unique<CEditOverlay>(*this, window.GetPaintManager())) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CHostWidget::~CHostWidget() = default;

void CHostWidget::Detach() {
    m_window = nullptr;
    m_overlay.reset();
}

bool CHostWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !m_window) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    CControlUI* control = m_window->GetPaintManager().FindControl(FromQPoint(help->pos()));
    const std::string tip = control ? control->GetDisplayToolTip() : std::string();
    if (tip.empty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), ToQString(tip), this, ToQRect(control->GetPos()));
    }
    return true;
}

void CHostWidget::paintEvent(QPaintEvent* event) {
    if (!m_window) return;
    QPainter painter(this);
    CPaintManagerUI& pm = m_window->GetPaintManager();
    CQtRenderer renderer(painter, SharedImageCache(), pm.GetDPIScale());
    pm.Paint(renderer, FromQRect(event->rect()));
    if (m_overlay) m_overlay->Sync();
}

void CHostWidget::resizeEvent(QResizeEvent*) {
    if (!m_window) return;
    CPaintManagerUI& pm = m_window->GetPaintManager();
    const Size size{width(), height()};
    if (pm.GetClientSize() != size) pm.OnSize(size);
}

void CHostWidget::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    if (m_window) m_window->GetPaintManager().OnMouseMove(PointOf(event), StateOf(event));
}

bool CHostWidget::StartCaptionDrag(QMouseEvent* event) {
    if (m_kind != WindowKind::Normal || !IsCaptionDragPoint(m_window->GetPaintManager(), PointOf(event)))
        return false;
    // The window manager moves the window where there is one; otherwise
    // the window follows the cursor itself.
    if (windowHandle() && windowHandle()->startSystemMove()) return true;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
    return true;
}

void CHostWidget::mousePressEvent(QMouseEvent* event) {
    if (!m_window) return;
    if (event->button() == Qt::LeftButton) {
        if (StartCaptionDrag(event)) return;
        m_window->GetPaintManager().OnButtonDown(PointOf(event), StateOf(event));
    } else if (event->button() == Qt::RightButton) {
        m_window->GetPaintManager().OnRightButtonDown(PointOf(event), StateOf(event));
    }
}

void CHostWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (m_dragging) {
        m_dragging = false;
        return;
    }
    if (m_window) m_window->GetPaintManager().OnButtonUp(PointOf(event), StateOf(event));
}

void CHostWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!m_window || event->button() != Qt::LeftButton) return;
    if (m_kind == WindowKind::Normal && IsCaptionDragPoint(m_window->GetPaintManager(), PointOf(event))) {
        isMaximized() ? showNormal() : showMaximized();
        return;
    }
    m_window->GetPaintManager().OnDoubleClick(PointOf(event), StateOf(event));
}

void CHostWidget::wheelEvent(QWheelEvent* event) {
    if (!m_window) return;
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    m_window->GetPaintManager().OnMouseWheel(FromQPoint(event->position().toPoint()), delta,
                                             ToKeyState(event->modifiers(), event->buttons()));
}

void CHostWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (m_window) m_window->GetPaintManager().OnContextMenu(FromQPoint(event->pos()));
}

void CHostWidget::leaveEvent(QEvent*) {
    if (m_window && !m_dragging) m_window->GetPaintManager().OnMouseLeave();
}

void CHostWidget::keyPressEvent(QKeyEvent* event) {
    if (!m_window) return;
    CPaintManagerUI& pm = m_window->GetPaintManager();
    pm.OnKeyDown(ToToolkitKey(event->key()), ToKeyState(event->modifiers(), Qt::NoButton));
    if (!m_window) return;  // the key closed the window
    for (char32_t c : event->text().toUcs4()) {
        if (c >= 0x20 && c != 0x7F) m_window->GetPaintManager().OnChar(c);
        if (!m_window) return;
    }
}

void CHostWidget::keyReleaseEvent(QKeyEvent* event) {
    if (m_window)
        m_window->GetPaintManager().OnKeyUp(ToToolkitKey(event->key()), ToKeyState(event->modifiers(), Qt::NoButton));
}

void CHostWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_window && m_kind == WindowKind::Normal)
        m_window->GetPaintManager().OnActivate(isActiveWindow());
}

void CHostWidget::closeEvent(QCloseEvent* event) {
    if (!m_window) return;
    if (m_kind == WindowKind::Popup) {
        // Qt closes a popup when the user clicks elsewhere: to the toolkit
        // that is the popup losing activation, which ends it.
        QTimer::singleShot(0, this, [this] {
            if (m_window) m_window->GetPaintManager().OnActivate(false);
        });
        return;
    }
    // The window decides (kMsgClose); the native side stays until it does.
    event->ignore();
    m_window->PostMessage({kMsgClose, 0, 0});
}

}  // namespace viremo::toolkit::qt
