#pragma once
// The Qt widget that shows one toolkit window: paints its control tree and
// turns Qt's input events into the paint manager's entry points. Frameless:
// the skin draws the caption, and pressing on the caption band drags the
// window (a double click there maximises or restores it). Hovering a
// control with a tooltip shows it.
#include <QPoint>
#include <QWidget>

#include <memory>

#include "toolkit/qt/edit_overlay.h"
#include "toolkit/window_host.h"

namespace viremo::toolkit {
class CWindowWnd;
}

namespace viremo::toolkit::qt {

class CHostWidget : public QWidget {
public:
    CHostWidget(CWindowWnd& window, WindowKind kind);
    ~CHostWidget() override;

    // The toolkit window is gone: events are no longer forwarded.
    void Detach();
    CWindowWnd* Window() const { return m_window; }
    CEditOverlay* Overlay() const { return m_overlay.get(); }
    WindowKind Kind() const { return m_kind; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool StartCaptionDrag(QMouseEvent* event);

    CWindowWnd* m_window;
    WindowKind m_kind;
    std::unique_ptr<CEditOverlay> m_overlay;
    bool m_dragging = false;
    QPoint m_dragOffset;  // cursor position minus window position
};

}  // namespace viremo::toolkit::qt
