#include "qt_test_support.h"

#include <QElapsedTimer>
#include <QKeyEvent>

#include "toolkit/dialog_builder.h"
#include "toolkit/qt/image_cache.h"

namespace viremo::toolkit::qt::testing {

namespace {

// The application lives for the whole test run.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_toolkit_qt";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

void QtHostTest::SetUp() {
    m_system = std::make_unique<CQtWindowSystem>();
}

void QtHostTest::TearDown() {
    // Widgets of destroyed windows go with the deferred deletes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    m_system.reset();
    SharedImageCache().Clear();
}

bool QtHostTest::RunUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void NotifyRecorder::Notify(TNotifyUI& msg) {
    lines.push_back(msg.sType + ":" + (msg.pSender ? msg.pSender->GetName() : std::string()));
    if (onNotify) onNotify(msg);
}

CHostWidget* WidgetOf(CWindowWnd& window) {
    CQtWindowHost* host = QtHostOf(window);
    return host ? host->Widget() : nullptr;
}

CHostWidget* ShowLayout(CWindowWnd& window, const char* layout, INotifyUI* notifier) {
    CPaintManagerUI::SetResourcePath(VIREMO_TEST_DATA);
    CDialogBuilder builder;
    auto root = builder.Create(layout, nullptr, &window.GetPaintManager());
    EXPECT_TRUE(root) << builder.GetLastError();
    if (!root || !window.Create({WindowKind::Normal, nullptr, layout, {100, 100, 400, 200}})) return nullptr;
    window.GetPaintManager().AttachDialog(std::move(root));
    if (notifier) window.GetPaintManager().AddNotifier(notifier);
    window.ShowWindow(true, true);
    QApplication::processEvents();
    return WidgetOf(window);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint point, Qt::MouseButton button) {
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    if (type == QEvent::MouseMove) {
        held = Qt::NoButton;
        button = Qt::NoButton;
    }
    QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, QPoint point) {
    SendMouse(widget, QEvent::MouseMove, point);
    SendMouse(widget, QEvent::MouseButtonPress, point);
    SendMouse(widget, QEvent::MouseButtonRelease, point);
}

void Click(CWindowWnd& window, const CControlUI& control) {
    const Rect& pos = control.GetPos();
    Click(WidgetOf(window), QPoint((pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2));
}

void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace viremo::toolkit::qt::testing
