#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "toolkit/message_queue.h"
#include "toolkit/window.h"

namespace viremo::toolkit {
namespace {

using namespace std::chrono_literals;

struct Recorder : IMessageHandler {
    std::intptr_t DispatchMessage(Message& msg) override {
        handled.push_back(msg.id);
        return static_cast<std::intptr_t>(msg.wParam) * 2;
    }
    std::vector<unsigned> handled;
};

TEST(MessageQueueTest, PostedMessagesWaitForTheUiThreadInOrder) {
    CMessageQueue queue;
    Recorder target;
    WindowHandle handle = queue.Register(&target);
    EXPECT_TRUE(queue.Post(handle, {3090, 1, 0}));
    EXPECT_TRUE(queue.Post(handle, {3091, 1, 0}));
    EXPECT_FALSE(queue.Post(handle + 100, {1, 0, 0}));
    EXPECT_TRUE(target.handled.empty());
    EXPECT_EQ(queue.DispatchPending(), 2u);
    EXPECT_EQ(target.handled, (std::vector<unsigned>{3090, 3091}));

    // Messages for a handle that went away are dropped.
    queue.Post(handle, {5, 0, 0});
    queue.Unregister(handle);
    EXPECT_EQ(queue.DispatchPending(), 0u);
}

TEST(MessageQueueTest, SendFromAWorkerBlocksUntilHandled) {
    CMessageQueue queue;
    Recorder target;
    WindowHandle handle = queue.Register(&target);
    std::atomic<bool> returned{false};
    std::intptr_t result = 0;
    bool sent = false;
    std::jthread worker([&](std::stop_token stop) {
        sent = queue.Send(handle, {3090, 21, 0}, stop, &result);
        returned = true;
    });
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(returned);  // nothing handled it yet
    while (!returned) queue.WaitAndDispatch(10ms);
    worker.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(target.handled, (std::vector<unsigned>{3090}));
}

TEST(MessageQueueTest, SendGivesUpWhenTheSenderIsStopped) {
    CMessageQueue queue;
    Recorder target;
    WindowHandle handle = queue.Register(&target);
    std::atomic<bool> sent{true};
    std::jthread worker([&](std::stop_token stop) { sent = queue.Send(handle, {3091, 0, 0}, stop); });
    std::this_thread::sleep_for(20ms);
    auto asked = std::chrono::steady_clock::now();
    worker.request_stop();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 100ms);
    EXPECT_FALSE(sent);
    // The abandoned message is not handled later.
    queue.DispatchPending();
    EXPECT_TRUE(target.handled.empty());
}

TEST(MessageQueueTest, SendFailsWhenTheTargetGoesOrTheQueueShutsDown) {
    CMessageQueue queue;
    Recorder target;
    WindowHandle handle = queue.Register(&target);
    for (bool shutDown : {false, true}) {
        std::atomic<bool> sent{true};
        std::jthread worker([&] { sent = queue.Send(handle, {1, 0, 0}); });
        std::this_thread::sleep_for(20ms);
        if (shutDown) queue.Shutdown();
        else queue.Unregister(handle);
        worker.join();
        EXPECT_FALSE(sent);
        handle = queue.Register(&target);
    }
    EXPECT_FALSE(queue.Post(handle, {1, 0, 0}));
}

TEST(MessageQueueTest, SendOnTheUiThreadHandlesAtOnce) {
    CMessageQueue queue;
    Recorder target;
    std::intptr_t result = 0;
    EXPECT_TRUE(queue.Send(queue.Register(&target), {9, 4, 0}, {}, &result));
    EXPECT_EQ(result, 8);
}

TEST(MessageQueueTest, RegisteredMessagesAreStablePerName) {
    unsigned first = CMessageQueue::RegisterWindowMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBF16}");
    unsigned second = CMessageQueue::RegisterWindowMessage("viremo test message");
    EXPECT_GE(first, kMsgRegisteredFirst);
    EXPECT_NE(first, second);
    EXPECT_EQ(CMessageQueue::RegisterWindowMessage("{4695579F-999A-41d4-9FAF-EFFCE93EBF16}"), first);
}

class Filter : public IMessageFilterUI {
public:
    std::intptr_t MessageHandler(Message& msg, bool& handled) override {
        handled = msg.id == 1054;
        return handled ? 7 : 0;
    }
};

class CountingWindow : public CWindowWnd {
public:
    explicit CountingWindow(CMessageQueue& queue) : CWindowWnd(queue) {}
    std::intptr_t HandleMessage(Message& msg) override {
        if (msg.id >= kMsgUser) seen.push_back(msg.id);
        if (msg.id == kMsgUser + 1) Close(static_cast<int>(msg.wParam));
        return CWindowWnd::HandleMessage(msg);
    }
    void OnFinalMessage() override { ++finalMessages; }
    std::vector<unsigned> seen;
    int finalMessages = 0;
};

TEST(WindowTest, FiltersSeeMessagesBeforeTheWindow) {
    CMessageQueue queue;
    CountingWindow window(queue);
    Filter filter;
    window.Create({});
    window.GetPaintManager().AddMessageFilter(&filter);
    std::intptr_t result = 0;
    queue.Send(window.GetHWND(), {1054, 1, 0}, {}, &result);
    queue.Send(window.GetHWND(), {3090, 0, 0}, {}, &result);
    EXPECT_EQ(window.seen, (std::vector<unsigned>{3090}));
}

TEST(WindowTest, ShowModalReturnsWhatCloseWasGiven) {
    CMessageQueue queue;
    CountingWindow window(queue);
    window.Create({});
    window.PostMessage({kMsgUser + 1, 5, 0});
    EXPECT_EQ(window.ShowModal(), 5);
    EXPECT_EQ(window.finalMessages, 1);
    EXPECT_FALSE(window.IsCreated());
}

TEST(WindowTest, ModelessCloseEndsTheWindowAfterTheCurrentMessage) {
    CMessageQueue queue;
    CountingWindow window(queue);
    window.Create({});
    WindowHandle handle = window.GetHWND();
    window.PostMessage({kMsgUser + 1, 0, 0});
    queue.DispatchPending();
    EXPECT_TRUE(window.IsCreated());
    queue.DispatchPending();
    EXPECT_FALSE(window.IsCreated());
    EXPECT_EQ(window.finalMessages, 1);
    EXPECT_FALSE(queue.IsValid(handle));
}

TEST(WindowTest, TheUsersCloseEndsAWindowThatDoesNotHandleIt) {
    CMessageQueue queue;
    CountingWindow window(queue);
    window.Create({});
    window.PostMessage({kMsgClose, 0, 0});
    queue.DispatchPending();
    queue.DispatchPending();
    EXPECT_FALSE(window.IsCreated());
    EXPECT_EQ(window.finalMessages, 1);
}

}  // namespace
}  // namespace viremo::toolkit
