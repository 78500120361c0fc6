#pragma once
// What the Qt host tests share: one QApplication for the whole run, a
// fixture that installs the Qt window system, synthetic input sent straight
// to a window's widget (no window manager needed), and a notifier that
// records "type:name" lines.
#include <QApplication>
#include <QMouseEvent>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/notify.h"
#include "toolkit/qt/qt_window_host.h"
#include "toolkit/qt/qt_window_system.h"
#include "toolkit/window.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace viremo::toolkit::qt::testing {

class QtHostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs Qt events until done() or the time-out; false on time-out.
    static bool RunUntil(const std::function<bool()>& done, int timeoutMs = 2000);

    std::unique_ptr<CQtWindowSystem> m_system;
};

class NotifyRecorder : public INotifyUI {
public:
    void Notify(TNotifyUI& msg) override;
    std::vector<std::string> lines;
    std::function<void(TNotifyUI&)> onNotify;
};

CHostWidget* WidgetOf(CWindowWnd& window);
// Builds a layout of the test data into a new window at (100, 100), 300 x 100,
// shows it and returns its widget; null when it cannot be built.
CHostWidget* ShowLayout(CWindowWnd& window, const char* layout, INotifyUI* notifier = nullptr);
void SendMouse(QWidget* widget, QEvent::Type type, QPoint point, Qt::MouseButton button = Qt::LeftButton);
// A press and a release of the left button.
void Click(QWidget* widget, QPoint point);
void Click(CWindowWnd& window, const CControlUI& control);
void TypeText(QWidget* widget, const QString& text);

}  // namespace viremo::toolkit::qt::testing
