#pragma once
// The UI thread's message queue. Windows (and any other handler) register
// for a handle; any thread may Post to a handle, or Send and wait until the
// UI thread has handled the message. A Send gives up when the sender's stop
// token is triggered, so shutdown never waits on a busy UI thread. A message
// for a handle that is gone is dropped.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "toolkit/message.h"

namespace viremo::toolkit {

class IMessageHandler {
public:
    virtual ~IMessageHandler() = default;
    virtual std::intptr_t DispatchMessage(Message& msg) = 0;
};

class CMessageQueue {
public:
    // The constructing thread is the UI thread until BindToCurrentThread.
    CMessageQueue();
    ~CMessageQueue();
    CMessageQueue(const CMessageQueue&) = delete;
    CMessageQueue& operator=(const CMessageQueue&) = delete;

    void BindToCurrentThread();
    bool IsUiThread() const;

    // Handles. Unregister drops the handle's queued messages and fails the
    // Sends waiting for it.
    WindowHandle Register(IMessageHandler* handler);
    void Unregister(WindowHandle handle);
    bool IsValid(WindowHandle handle) const;

    // False when the handle is unknown or the queue is shutting down.
    bool Post(WindowHandle target, Message msg);
    // On the UI thread the handler runs at once. From another thread the
    // sender blocks until the UI thread has handled the message; false when
    // the handle is unknown, the stop token fired first, or the queue shut
    // down. result (when given) receives the handler's result.
    bool Send(WindowHandle target, Message msg, std::stop_token stop = {},
              std::intptr_t* result = nullptr);
    // Runs a function on the UI thread.
    bool PostTask(std::function<void()> task);

    // UI thread: handles what is queued now; returns how many were handled.
    std::size_t DispatchPending();
    // UI thread: waits up to timeout for work, then dispatches it.
    std::size_t WaitAndDispatch(std::chrono::milliseconds timeout);
    // Called (from any thread) whenever work is queued, so that a host's
    // event loop can call DispatchPending.
    void SetWakeup(std::function<void()> wakeup);
    // Fails every waiting Send and refuses new messages.
    void Shutdown();

    // A registered message: the same name gives the same number each time
    // in the process; numbers start at kMsgRegisteredFirst.
    static unsigned RegisterWindowMessage(std::string_view name);

private:
    struct Pending;
    std::intptr_t Deliver(WindowHandle target, Message& msg, bool& delivered);
    void Wake();

    mutable std::mutex m_mutex;
    std::condition_variable m_workArrived;
    std::thread::id m_uiThread;
    std::unordered_map<WindowHandle, IMessageHandler*> m_handlers;
    WindowHandle m_nextHandle = 1;
    std::deque<std::shared_ptr<Pending>> m_queue;
    std::function<void()> m_wakeup;
    bool m_shutDown = false;
};

// The process's UI queue, used by windows unless they are given another.
CMessageQueue& UiQueue();

}  // namespace viremo::toolkit
