#include "toolkit_fixture.h"

#include "toolkit/container.h"
#include "toolkit/window.h"

namespace viremo::toolkit::testing {
namespace {

using namespace std::chrono_literals;
using Events = std::vector<std::string>;

class TimerTest : public ToolkitTest {
public:
    void SetUp() override {
        Load(R"(<VerticalLayout name="root"><Control name="a"/><Control name="b"/></VerticalLayout>)", {100, 100});
        notes.withParams = true;
    }
    void Advance(std::chrono::milliseconds step) {
        clock.advance(step);
        pm.ProcessTimers();
    }
};

TEST_F(TimerTest, ControlTimersRepeatAndRestartWhenSetAgain) {
    pm.SetTimer(Find("a"), 7, 100);
    Advance(99ms);
    EXPECT_TRUE(notes.events.empty());
    Advance(1ms);
    EXPECT_EQ(notes.events, (Events{"timer:a:7:0"}));
    Advance(60ms);
    pm.SetTimer(Find("a"), 7, 100);  // restarts: next at +100 from now
    Advance(60ms);
    EXPECT_EQ(notes.events.size(), 1u);
    Advance(40ms);
    EXPECT_EQ(notes.events.size(), 2u);
    // A long stall fires a timer once, not once per missed period.
    Advance(1000ms);
    EXPECT_EQ(notes.events.size(), 3u);
}

TEST_F(TimerTest, KilledTimersAndTimersOfRemovedControlsStaySilent) {
    pm.SetTimer(Find("a"), 1, 50);
    pm.SetTimer(Find("a"), 2, 50);
    pm.SetTimer(Find("b"), 1, 50);
    EXPECT_TRUE(pm.KillTimer(Find("a"), 1));
    EXPECT_FALSE(pm.KillTimer(Find("a"), 1));
    auto removed = Find<CContainerUI>("root")->Remove(Find("b"));
    Advance(50ms);
    EXPECT_EQ(notes.events, (Events{"timer:a:2:0"}));
    EXPECT_FALSE(pm.SetTimer(removed.get(), 1, 50));  // not in this window
    pm.KillTimer(Find("a"));
    EXPECT_FALSE(pm.NextTimerDeadline());
}

TEST_F(TimerTest, ATimerKilledByAnEarlierOneInTheSameTurnDoesNotFire) {
    struct Killer : INotifyUI {
        CPaintManagerUI* pm;
        CControlUI* victim;
        void Notify(TNotifyUI& msg) override {
            if (msg.sType == "timer" && msg.wParam == 1) pm->KillTimer(victim, 2);
        }
    } killer;
    killer.pm = &pm;
    killer.victim = Find("b");
    pm.AddNotifier(&killer);
    pm.SetTimer(Find("a"), 1, 10);
    pm.SetTimer(Find("b"), 2, 10);
    Advance(10ms);
    EXPECT_EQ(notes.events, (Events{"timer:a:1:0"}));
}

TEST(WindowTimerTest, WindowTimersReachTheWindowHandler) {
    struct TimedWindow : CWindowWnd {
        TimedWindow(CMessageQueue& q, const Clock& c) : CWindowWnd(q, c) {}
        std::intptr_t HandleMessage(Message& msg) override {
            if (msg.id == kMsgTimer) fired.push_back(static_cast<unsigned>(msg.wParam));
            return CWindowWnd::HandleMessage(msg);
        }
        std::vector<unsigned> fired;
    };
    CMessageQueue queue;
    FakeClock clock;
    TimedWindow window(queue, clock);
    ASSERT_TRUE(window.Create({}));
    window.SetTimer(1011, 1000);
    window.SetTimer(5, 300);
    clock.advance(300ms);
    window.GetPaintManager().ProcessTimers();
    window.KillTimer(5);
    clock.advance(700ms);
    window.GetPaintManager().ProcessTimers();
    EXPECT_EQ(window.fired, (std::vector<unsigned>{5, 1011}));
}

}  // namespace
}  // namespace viremo::toolkit::testing
