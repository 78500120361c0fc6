#include <QLineEdit>
#include <QPointer>
#include <QToolTip>

#include <thread>

#include "qt_test_support.h"
#include "toolkit/combo.h"
#include "toolkit/edit.h"

namespace viremo::toolkit::qt::testing {
namespace {

class InputTest : public QtHostTest {
protected:
    void SetUp() override {
        QtHostTest::SetUp();
        widget = ShowLayout(window, "input.xml", &recorder);
        ASSERT_TRUE(widget);
        recorder.lines.clear();  // "windowinit", "windowsize"
    }

    CControlUI* Find(const char* name) { return window.GetPaintManager().FindControl(name); }
    QLineEdit* LineEdit() { return widget->Overlay()->LineEdit(); }

    CWindowWnd window;
    NotifyRecorder recorder;
    CHostWidget* widget = nullptr;
};

TEST_F(InputTest, ClickThroughTheHostReachesTheToolkit) {
    EXPECT_EQ(window.GetPaintManager().GetClientSize(), (Size{300, 100}));
    Click(window, *Find("ok"));
    EXPECT_EQ(recorder.lines, (std::vector<std::string>{"setfocus:ok", "click:ok"}));
}

TEST_F(InputTest, NativeEditTypesFilteredTextAndReportsKillFocus) {
    auto* edit = static_cast<CEditUI*>(Find("number"));
    Click(window, *edit);
    ASSERT_TRUE(LineEdit()->isVisible());
    EXPECT_EQ(LineEdit()->geometry().left(), edit->GetPos().left + 1);  // inside the border

    recorder.lines.clear();
    TypeText(LineEdit(), "12a345");  // letters refused, at most four characters
    EXPECT_EQ(edit->GetText(), "1234");
    EXPECT_EQ(LineEdit()->text(), "1234");
    EXPECT_EQ(recorder.lines, (std::vector<std::string>(4, "textchanged:number")));

    recorder.lines.clear();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(LineEdit(), &enter);
    Click(window, *Find("ok"));
    EXPECT_EQ(recorder.lines,
              (std::vector<std::string>{"return:number", "killfocus:number", "setfocus:ok", "click:ok"}));
    EXPECT_FALSE(LineEdit()->isVisible());
}

TEST_F(InputTest, NativeEditFollowsTheProgramsTextAndTheLayout) {
    auto* edit = static_cast<CEditUI*>(Find("number"));
    Click(window, *edit);
    ASSERT_TRUE(LineEdit()->isVisible());
    edit->SetText("42");
    widget->resize(400, 100);  // the row keeps its widths; the edit stays put
    edit->SetFixedWidth(120);
    ASSERT_TRUE(RunUntil([&] { return LineEdit()->text() == "42" && LineEdit()->width() == 118; }));
    EXPECT_EQ(LineEdit()->geometry().left(), edit->GetPos().left + 1);
}

TEST_F(InputTest, ComboDropDownIsAPopupWhoseRowSelects) {
    auto* combo = static_cast<CComboUI*>(Find("choice"));
    Click(window, *combo);
    // The popup's widget is deleted once the drop-down ends.
    QPointer<CHostWidget> popup;
    ASSERT_TRUE(RunUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* host = dynamic_cast<CHostWidget*>(w);
            if (host && host->Kind() == WindowKind::Popup && host->isVisible()) popup = host;
        }
        return popup != nullptr;
    }));
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Popup));
    const QPoint below = widget->mapToGlobal(QPoint(combo->GetPos().left, combo->GetPos().bottom));
    EXPECT_EQ(popup->geometry().topLeft(), below);

    recorder.lines.clear();
    Click(popup, QPoint(10, 1 + 20 + 10));  // the second row
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(recorder.lines, (std::vector<std::string>{"itemselect:choice"}));
    EXPECT_TRUE(RunUntil([&] { return (!popup || !popup->isVisible()) && combo->GetDropWindow() == nullptr; }));

    // Opened again and closed by a click elsewhere (Qt closes the popup):
    // nothing is selected.
    Click(window, *combo);
    popup = nullptr;
    ASSERT_TRUE(RunUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* host = dynamic_cast<CHostWidget*>(w);
            if (host && host->Kind() == WindowKind::Popup && host->isVisible()) popup = host;
        }
        return popup != nullptr;
    }));
    recorder.lines.clear();
    popup->close();
    EXPECT_TRUE(RunUntil([&] { return (!popup || !popup->isVisible()) && combo->GetDropWindow() == nullptr; }));
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(recorder.lines.empty());
}

TEST_F(InputTest, CaptionBandDragsTheWindowButNotFromItsButtons) {
    const QPoint start = widget->pos();
    SendMouse(widget, QEvent::MouseButtonPress, QPoint(50, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(80, 30), QPointF(widget->mapToGlobal(QPoint(80, 30))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    SendMouse(widget, QEvent::MouseButtonRelease, QPoint(80, 30));
    EXPECT_EQ(widget->pos(), start + QPoint(30, 20));
    EXPECT_TRUE(recorder.lines.empty());

    Click(window, *Find("close"));
    EXPECT_EQ(recorder.lines, (std::vector<std::string>{"setfocus:close", "click:close"}));
}

TEST_F(InputTest, QtOnlyWindowOperations) {
    CQtWindowHost* host = QtHostOf(window);
    ASSERT_TRUE(host);
    EXPECT_TRUE(host->SetIcon("icon.svg"));  // relative to the skin folder
    EXPECT_FALSE(widget->windowIcon().isNull());
    EXPECT_FALSE(host->SetIcon("missing.png"));

    host->Maximize();
    EXPECT_TRUE(host->IsMaximized());
    host->Minimize();
    EXPECT_TRUE(host->IsMinimized());
    host->Restore();
    EXPECT_FALSE(host->IsMinimized());
    EXPECT_FALSE(host->IsMaximized());

    window.SetBounds({10, 20, 310, 120});
    EXPECT_EQ(host->GetBounds(), (Rect{10, 20, 310, 120}));
    CWindowWnd child;
    ASSERT_TRUE(child.Create({WindowKind::Normal, &window, "child", {0, 0, 100, 40}}));
    QtHostOf(child)->CenterOverOwner();
    EXPECT_EQ(QtHostOf(child)->GetBounds(), (Rect{110, 50, 210, 90}));
}

TEST_F(InputTest, HoveringAControlShowsItsToolTip) {
    const Rect& close = Find("close")->GetPos();
    const QPoint over(close.left + 5, close.top + 5);
    QHelpEvent help(QEvent::ToolTip, over, widget->mapToGlobal(over));
    QApplication::sendEvent(widget, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Close");
    QToolTip::hideText();
}

TEST_F(InputTest, WorkPostedFromAnotherThreadRunsOnTheUiThread) {
    const std::thread::id uiThread = std::this_thread::get_id();
    std::atomic<bool> ran{false};
    std::atomic<bool> onUiThread{false};
    std::jthread worker([&] {
        UiQueue().PostTask([&] {
            onUiThread = std::this_thread::get_id() == uiThread;
            ran = true;
        });
    });
    worker.join();
    ASSERT_TRUE(RunUntil([&] { return ran.load(); }));
    EXPECT_TRUE(onUiThread);
}

// Answers kMsgUser with wParam + 1, on whichever thread handles it.
class EchoWindow : public CWindowWnd {
public:
    std::intptr_t HandleMessage(Message& msg) override {
        if (msg.id != kMsgUser) return CWindowWnd::HandleMessage(msg);
        handledOn = std::this_thread::get_id();
        return static_cast<std::intptr_t>(msg.wParam) + 1;
    }
    std::thread::id handledOn;
};

TEST_F(InputTest, SendFromAWorkerWaitsForTheUiThread) {
    EchoWindow echo;
    ASSERT_TRUE(echo.Create({WindowKind::Normal, nullptr, "echo", {0, 0, 10, 10}}));
    std::atomic<bool> sent{false};
    std::intptr_t result = 0;
    std::jthread worker([&] {
        sent = UiQueue().Send(echo.GetHWND(), {kMsgUser, 41, 0}, {}, &result);
    });
    ASSERT_TRUE(RunUntil([&] { return sent.load(); }));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(echo.handledOn, std::this_thread::get_id());
}

TEST_F(InputTest, ControlTimersFireThroughTheHost) {
    CControlUI* ok = Find("ok");
    window.GetPaintManager().SetTimer(ok, 7, 10);
    EXPECT_TRUE(RunUntil([&] { return !recorder.lines.empty(); }));
    EXPECT_EQ(recorder.lines.front(), "timer:ok");
    window.GetPaintManager().KillTimer(ok, 7);
}

}  // namespace
}  // namespace viremo::toolkit::qt::testing
